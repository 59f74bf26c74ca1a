// "Configure Automatic Backup": what it starts with, which controls the switch enables, and what
// OK refuses and saves.
#include "dialogs/AutoBackupDialog.h"
#include "classlib/IniFile.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkor;
using namespace velkor::test;

namespace {

class AutoBackupDialogTest : public ::testing::Test
{
protected:
    AutoBackupDialogTest() { write_file("velkors.ini", "[velkors]\r\n"); }

    // Shown and active, so that focus moves as it would for the user.
    std::unique_ptr<AutoBackupDialog> open(const AutoBackupSettings& current)
    {
        auto dialog = std::make_unique<AutoBackupDialog>(current, ini, prompt);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    void press_ok(QDialog& dialog) { control<QPushButton>(&dialog, 1)->click(); }
    std::string saved()
    {
        ini.flush();
        return read_file("velkors.ini");
    }

    TempDir dir;
    ScopedWorkingDir cwd{dir.path()};
    PrivateIniFile ini{"velkors.ini"};
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(AutoBackupDialogTest, StartsWithAutoBackupsValuesAndTheSwitchEnablesTheRest)
{
    auto dialog = open({false, true, false, 2, 5, "Saves"});
    EXPECT_EQ(dialog->windowTitle(), "Configure Automatic Backup");
    auto* on = control<QCheckBox>(dialog.get(), 104);
    EXPECT_EQ(on->text(), "Back up my log file every");
    EXPECT_FALSE(on->isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog.get(), 102)->text(), "2");
    EXPECT_EQ(control<QLineEdit>(dialog.get(), 105)->text(), "5");
    EXPECT_EQ(control<QLineEdit>(dialog.get(), 108)->text(), "Saves");
    EXPECT_EQ(control<QCheckBox>(dialog.get(), 106)->text(), "Use \"Smart Backup\"");
    EXPECT_TRUE(control<QCheckBox>(dialog.get(), 106)->isChecked());
    EXPECT_FALSE(control<QCheckBox>(dialog.get(), 110)->isChecked());
    EXPECT_EQ(control<QLineEdit>(dialog.get(), 102)->maxLength(), 9);
    EXPECT_FALSE(control(dialog.get(), 109)->isEnabled()) << "no help installed";

    const QList<QWidget*> dependents{control(dialog.get(), 102),
                                     control(dialog.get(), 105),
                                     control(dialog.get(), 108),
                                     control(dialog.get(), 106),
                                     control(dialog.get(), 110),
                                     dialog->findChild<QLabel*>("daysLabel"),
                                     dialog->findChild<QLabel*>("copiesLabel"),
                                     dialog->findChild<QLabel*>("folderLabel")};
    for (QWidget* widget : dependents)
        EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
    on->click();
    for (QWidget* widget : dependents)
        EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();
    EXPECT_TRUE(control(dialog.get(), 1)->isEnabled());
}

TEST_F(AutoBackupDialogTest, ARefusalKeepsTheDialogOpenOnTheFieldToMend)
{
    std::filesystem::create_directory("Backup");
    auto dialog = open({true, true, true, 1, 3, "Backup"});
    auto* days = control<QLineEdit>(dialog.get(), 102);
    days->setText("0");
    press_ok(*dialog);
    EXPECT_EQ(prompt.last(), (Message{"Invalid number of days.", "Error", Buttons::Ok, Icon::Stop}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), days);
    EXPECT_EQ(days->selectedText(), "0");

    days->setText("4");
    auto* folder = control<QLineEdit>(dialog.get(), 108);
    folder->setText("   ");
    press_ok(*dialog);
    EXPECT_EQ(prompt.last().text, "No folder name given.");
    EXPECT_EQ(dialog->focusWidget(), folder);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(saved(), "[velkors]\r\n");

    folder->setText(" New/Saves");
    prompt.answer(Answer::Yes);
    press_ok(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(std::filesystem::is_directory("New/Saves"));
    EXPECT_EQ(saved(), "[velkors]\r\nBackupFolder=New/Saves\r\nBackupNCopies=3\r\nBackupNDays=4\r\nBackupReport=1\r\n"
                       "SmartBackup=1\r\nAutoBackup=1\r\n");
}

TEST_F(AutoBackupDialogTest, SwitchedOffOnlyTheSwitchIsSaved)
{
    auto dialog = open({true, true, true, 1, 3, "Backup"});
    control<QCheckBox>(dialog.get(), 104)->click();
    control<QLineEdit>(dialog.get(), 102)->setText("0"); // greyed, so never looked at
    press_ok(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(prompt.count(), 0u);
    EXPECT_EQ(saved(), "[velkors]\r\nAutoBackup=0\r\n");
}
