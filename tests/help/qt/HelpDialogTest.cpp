// "Configure Online Help" and the About box, driven through their controls.
#include "help/qt/HelpDialog.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "help/qt/AboutDlg.h"
#include "help/qt/Help.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkor;
using namespace velkor::test;

namespace {

std::string made_folder(const std::string& path)
{
    std::filesystem::create_directories(path);
    return path;
}

// A program folder holding the help file the build compiled, and a working folder apart from it.
class HelpDialogTest : public ::testing::Test
{
protected:
    HelpDialogTest()
    {
        std::filesystem::create_directories(dir.file("program"));
        std::filesystem::copy_file(std::string(VELKOR_PROGRAM_FILES) + "velkors.qch", dir.file("program/velkors.qch"));
    }
    ~HelpDialogTest() override { help.close_all(); }
    bool radio(const HelpDialog& dialog, int id) { return control<QRadioButton>(&dialog, id)->isChecked(); }

    TempDir dir;
    ScopedWorkingDir cwd{made_folder(dir.file("work/docs")) + "/.."};
    PrivateIniFile ini{"./velkors.ini"};
    ScriptedPrompt prompt;
    Help help{dir.file("program") + "/", prompt};
};

} // namespace

TEST_F(HelpDialogTest, StartsFromTheSettingAndEnablesTheFolderEditOnlyForItsRadio)
{
    help.set_help_path("!0");
    {
        HelpDialog dialog(ini, help, prompt);
        EXPECT_EQ(dialog.windowTitle(), "Configure Online Help");
        EXPECT_TRUE(radio(dialog, 102));
        EXPECT_FALSE(control(&dialog, 106)->isEnabled());
        EXPECT_TRUE(control(&dialog, 104)->isEnabled()) << "the current folder is not the program folder";
        control<QRadioButton>(&dialog, 105)->click();
        EXPECT_TRUE(control(&dialog, 106)->isEnabled());
        control<QRadioButton>(&dialog, 104)->click();
        EXPECT_FALSE(control(&dialog, 106)->isEnabled());
    }
    put(ini, kHelpPath, "!1");
    EXPECT_TRUE(radio(HelpDialog(ini, help, prompt), 104));
    put(ini, kHelpPath, "/some/where");
    HelpDialog dialog(ini, help, prompt);
    EXPECT_TRUE(radio(dialog, 105));
    EXPECT_EQ(control<QLineEdit>(&dialog, 106)->text(), "/some/where");
}

TEST_F(HelpDialogTest, TheCurrentFolderCannotBeChosenWhenItIsTheProgramFolder)
{
    ScopedWorkingDir in_program(dir.file("program"));
    help.set_help_path("!0");
    HelpDialog dialog(ini, help, prompt);
    EXPECT_FALSE(control(&dialog, 104)->isEnabled());
}

TEST_F(HelpDialogTest, OkCopiesTheHelpFileIntoAFolderThatLacksItAndUsesIt)
{
    help.set_help_path("!0");
    HelpDialog dialog(ini, help, prompt);
    control<QRadioButton>(&dialog, 105)->click();
    control<QLineEdit>(&dialog, 106)->setText("docs");
    control<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(prompt.count(), 0u);
    EXPECT_EQ(get(ini, kHelpPath), "docs");
    EXPECT_EQ(read_file(dir.file("work/docs/velkors.qch")), read_file(dir.file("program/velkors.qch")));
    EXPECT_EQ(help.help_file(), dir.file("work/docs/velkors.qch"));
}

TEST_F(HelpDialogTest, AFailedCheckKeepsTheDialogOpenAndTheSettingAsItWas)
{
    help.set_help_path("!0");
    HelpDialog dialog(ini, help, prompt);
    dialog.show();
    control<QRadioButton>(&dialog, 105)->click();
    control<QLineEdit>(&dialog, 106)->setText("missing");
    control<QPushButton>(&dialog, 1)->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompt.last().text, "Folder does not exist:\n\nmissing\n\nPlease create it and try again.");
    EXPECT_EQ(get(ini, kHelpPath), "!0");
    EXPECT_EQ(help.help_file(), dir.file("program/velkors.qch"));
}

TEST(AboutDlgTest, ShiftShowsTheFourPartVersionAndTheBuildDate)
{
    VersionInfo info;
    info.file_version = "3.1.0";
    info.distribution_type = "Release";
    info.build_date = "Built 2026-11-06";
    info.legal_copyright = "Copyright (C) 2026";
    info.fixed_version = std::array<int, 4>{3, 1, 0, 12};
    AboutDlg plain(info, false, QIcon());
    EXPECT_EQ(control<QLabel>(&plain, 108)->text(), "Version 3.1.0");
    EXPECT_EQ(control<QLabel>(&plain, 109)->text(), "Copyright (C) 2026");
    AboutDlg shifted(info, true, QIcon());
    EXPECT_EQ(control<QLabel>(&shifted, 108)->text(), "Version 3.1 (Maint 0, Build 12)");
    EXPECT_EQ(control<QLabel>(&shifted, 109)->text(), "Built 2026-11-06");
    EXPECT_NE(shifted.findChild<QPushButton*>("id1"), nullptr);
}
