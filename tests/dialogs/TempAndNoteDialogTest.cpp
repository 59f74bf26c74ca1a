// The temporary/hidden chooser and the note dialog driven through their controls: what they show
// at the start, how typing and picking reach the rules, and what OK hands back or refuses.
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProgramWideList.h"
#include "core/ProjectList.h"
#include "dialogs/MemoEdit.h"
#include "dialogs/NoteDialog.h"
#include "dialogs/TempDialog.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkor;
using velkor::test::control;
using velkor::test::read_file;
using velkor::test::shown_text;

namespace {

Message error(const char* text)
{
    return {text, "Error", Buttons::Ok, Icon::Exclamation};
}

class DialogTest : public ::testing::Test
{
protected:
    DialogTest() : cwd(dir.path()), ini(dir.file("velkors.ini")), store(prompt)
    {
        auto list = std::make_unique<ProjectList>();
        list->add_category("R&D", kBlack, false);
        for (const char* p : {"Lab", "Paper", "Grant"})
            list->add_project(0, p, false);
        list->set_project_shown(0, 1, false);
        list->set_project_shown(0, 2, false);
        list->add_category("Old", kBlack, false);
        list->add_project(1, "Archive", false);
        list->set_category_shown(1, false);
        lists.adopt(std::move(list));
    }
    ProjectList& list() { return *lists.get(); }

    velkor::test::ScopedTimeZone zone{"UTC"};
    velkor::test::TempDir dir;
    velkor::test::ScopedWorkingDir cwd;
    PrivateIniFile ini;
    velkor::test::ScriptedPrompt prompt;
    velkor::test::TestClock clock{1720000000}; // 2024-07-03 09:46:40
    ProjectListStore store;
    ProgramWideList lists{store, [] { return std::string("project.txt"); }};
};

using TempDialogTest = DialogTest;
using NoteDialogTest = DialogTest;

} // namespace

TEST_F(TempDialogTest, PickingAndTypingReachTheRulesAndDoubleClickIsOk)
{
    TempDialog dialog(lists, 0, true, true, prompt);
    EXPECT_EQ(dialog.windowTitle(), "Check into temporary or hidden category/project");
    EXPECT_EQ(control<QCheckBox>(&dialog, 103)->text(), "Use category R&&D") << "the & is no mnemonic";
    EXPECT_TRUE(control<QCheckBox>(&dialog, 103)->isChecked());
    auto* projects = control<QListWidget>(&dialog, 104);
    ASSERT_EQ(projects->count(), 2);
    EXPECT_EQ(projects->item(0)->text(), "Grant");
    EXPECT_EQ(projects->item(0)->data(Qt::UserRole).toULongLong(), 2u);
    EXPECT_TRUE(control(&dialog, 106)->isEnabled());
    EXPECT_FALSE(control(&dialog, 111)->isEnabled());
    EXPECT_TRUE(control(&dialog, 112)->isEnabled());
    EXPECT_FALSE(control(&dialog, 9)->isEnabled()) << "no help installed";

    QTest::keyClicks(control<QLineEdit>(&dialog, 102), "New");
    EXPECT_FALSE(control<QCheckBox>(&dialog, 103)->isChecked());
    EXPECT_TRUE(control(&dialog, 111)->isEnabled());
    EXPECT_FALSE(control(&dialog, 112)->isEnabled());
    EXPECT_EQ(projects->count(), 0);
    EXPECT_FALSE(control(&dialog, 106)->isEnabled());

    control<QListWidget>(&dialog, 101)->setCurrentRow(0); // Old
    EXPECT_EQ(control<QLineEdit>(&dialog, 102)->text(), "") << "picking clears the typed name";
    ASSERT_EQ(projects->count(), 1);
    QTest::keyClicks(control<QLineEdit>(&dialog, 110), "x");
    projects->setCurrentRow(0);
    EXPECT_EQ(control<QLineEdit>(&dialog, 110)->text(), "");
    EXPECT_FALSE(control(&dialog, 112)->isEnabled());

    emit projects->itemDoubleClicked(projects->item(0));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(std::pair(dialog.choice().category, dialog.choice().project), std::pair(std::size_t{1}, std::size_t{0}));
    EXPECT_TRUE(list().is_category_temporarily_shown(1) && list().is_project_temporarily_shown(1, 0));
}

TEST_F(TempDialogTest, RefusalsFocusTheirFieldAndButHideItWritesTheHiddenList)
{
    TempDialog dialog(lists, 0, false, true, prompt);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Enter note for temporary or hidden category/project");
    control<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(prompt.last(), error("No project was chosen!"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == control(&dialog, 110); }));

    control<QCheckBox>(&dialog, 112)->click();
    control<QCheckBox>(&dialog, 108)->click();
    QTest::keyClicks(control<QLineEdit>(&dialog, 110), "Memo");
    control<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.choice().names_saved);
    EXPECT_EQ(read_file("hidden.ini").substr(read_file("hidden.ini").find("CR&D")),
              "CR&D\t0\r\nPPaper\r\nPGrant\r\nPMemo\r\nCOld\t1\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("project.txt"))) << "the project file is the caller's";
}

TEST_F(NoteDialogTest, StartsAtNowInTheConfiguredFormsAndItsRadiosWriteTheSetting)
{
    put_int(ini, kDateFormat, 1);
    put_int(ini, kTimeFormat, 1);
    put_flag(ini, kMinimizeAfterNote, true);
    put_flag(ini, kMemoWantReturn, false);
    NoteDialog dialog("<b>R&D</b>", "Lab", ini, prompt, clock);
    EXPECT_EQ(dialog.windowTitle(), "Enter Note");
    EXPECT_EQ(shown_text(control(&dialog, 104)), "<b>R&D</b>");
    EXPECT_EQ(control<QLineEdit>(&dialog, 103)->text(), "3/7/2024");
    EXPECT_EQ(control<QLineEdit>(&dialog, 106)->text(), " 9:46:40 AM");
    EXPECT_TRUE(control<QCheckBox>(&dialog, 101)->isChecked());
    EXPECT_TRUE(control<QRadioButton>(&dialog, 107)->isChecked());
    EXPECT_EQ(control<MemoEdit>(&dialog, 9302)->max_bytes(), 1009);
    EXPECT_EQ(control<QLineEdit>(&dialog, 103)->maxLength(), 19);

    // Enter acts as OK: the empty note is refused.
    dialog.show();
    QTest::keyClick(control(&dialog, 9302), Qt::Key_Return);
    EXPECT_EQ(prompt.last(), error("There is no note!  Click Cancel if you don't want a note."));
    control<QRadioButton>(&dialog, 102)->click();
    EXPECT_TRUE(get_flag(ini, kMemoWantReturn));
    QTest::keyClicks(control(&dialog, 9302), "a");
    QTest::keyClick(control(&dialog, 9302), Qt::Key_Return);
    QTest::keyClicks(control(&dialog, 9302), "b");
    EXPECT_EQ(control<MemoEdit>(&dialog, 9302)->memo(), "a\r\nb");
    EXPECT_EQ(prompt.count(), 1u);
}

TEST_F(NoteDialogTest, OkChecksTheMomentAndTheDateFieldIsCheckedOnLeaving)
{
    NoteDialog dialog("R&D", "Lab", ini, prompt, clock);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* date = control<QLineEdit>(&dialog, 103);
    auto* time = control<QLineEdit>(&dialog, 106);
    control<MemoEdit>(&dialog, 9302)->set_memo(std::string(1009, 'n'));
    control<QCheckBox>(&dialog, 101)->click();

    time->setText("9:46:41am");
    control<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(prompt.last(), error("You may not record notes in the future"));
    EXPECT_TRUE(get_flag(ini, kMinimizeAfterNote)) << "written also when the note is refused";
    EXPECT_TRUE(dialog.isVisible());

    date->setText("7/32/2024");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(date, &leave);
    EXPECT_EQ(prompt.last(), error("Invalid note date"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == date; }));
    date->setText("7/2/24");
    QApplication::sendEvent(date, &leave);
    EXPECT_EQ(date->text(), "7/2/2024");

    time->setText("23:59:59");
    const std::size_t messages = prompt.count();
    control<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(prompt.count(), messages);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.note().text, std::string(1009, 'n'));
    EXPECT_EQ(dialog.note().date.day, 2);
    EXPECT_EQ(dialog.note().time.hour, 23);
}
