// The memo dialogs driven as a user would: controls found by their ids, nested modal dialogs
// answered from queued calls, message boxes through the scripted prompt.
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProjectList.h"
#include "dialogs/ChooseMemoDialog.h"
#include "dialogs/EditSavedMemoDlg.h"
#include "dialogs/MemoEdit.h"
#include "dialogs/MemoInputDialog.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>

using namespace velkor;
using velkor::test::ScriptedPrompt;

using velkor::test::control;
using velkor::test::shown_text;
using velkor::test::when_modal;

namespace {

// Presses a chooser button whose saved-memo editor then gets text and OK; notes the editor's title.
void through_editor(QWidget* chooser, int button, const QString& text, QString* title = nullptr)
{
    when_modal<EditSavedMemoDlg>([=](EditSavedMemoDlg* editor) {
        if (title)
            *title = editor->windowTitle();
        control<MemoEdit>(editor, 101)->setPlainText(text);
        control<QPushButton>(editor, 1)->click();
    });
    control<QPushButton>(chooser, button)->click();
}

QStringList list_texts(const QWidget* chooser)
{
    QStringList texts;
    auto* list = control<QListWidget>(chooser, 105);
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

void select_text(const QWidget* chooser, const QString& text)
{
    auto* list = control<QListWidget>(chooser, 105);
    list->setCurrentItem(list->findItems(text, Qt::MatchExactly).value(0));
}

class MemoDialogs : public ::testing::Test
{
protected:
    MemoDialogs() : ini(dir.file("velkors.ini"))
    {
        list.add_category("Work", 0, false);
        list.add_project(0, "Report", false);
    }

    velkor::test::TempDir dir;
    PrivateIniFile ini;
    ScriptedPrompt prompt;
    ProjectList list;
    std::string memo;
    bool remember = false;
    bool close_after = false;
};

} // namespace

TEST_F(MemoDialogs, CaptionsAndEnabledControlsFollowThePurpose)
{
    for (auto [purpose, group, cancel, minimize] :
         {std::tuple{MemoPurpose::CheckIn, "New Project", "Cancel Checkin", false},
          std::tuple{MemoPurpose::CheckOut, "Old Project", "Cancel Checkout", false},
          std::tuple{MemoPurpose::MemoNow, "Project", "Cancel", true}}) {
        MemoInputDialog dialog(list, 0, 0, memo, remember, purpose, close_after, ini, prompt);
        EXPECT_EQ(dialog.windowTitle(), "Enter Memo");
        EXPECT_EQ(control<QGroupBox>(&dialog, 106)->title(), group);
        EXPECT_EQ(control<QPushButton>(&dialog, 2)->text(), cancel);
        EXPECT_EQ(control<QCheckBox>(&dialog, 102)->isEnabled(), minimize);
        EXPECT_FALSE(control(&dialog, 108)->isEnabled()) << "no saved memos to choose from";
    }
    list.remember_memo(0, 0, "drafting");
    MemoInputDialog dialog(list, 0, 0, memo, remember, MemoPurpose::CheckIn, close_after, ini, prompt);
    EXPECT_TRUE(control(&dialog, 108)->isEnabled());

    list.add_category("x<b>bold</b> &amp; <i>it</i>", 0, false); // names are shown as typed
    list.add_project(1, "<u>P</u>", false);
    MemoInputDialog markup(list, 1, 0, memo, remember, MemoPurpose::CheckIn, close_after, ini, prompt);
    EXPECT_EQ(shown_text(control(&markup, 104)), "x<b>bold</b> &amp; <i>it</i>");
    EXPECT_EQ(shown_text(control(&markup, 105)), "<u>P</u>");
}

TEST_F(MemoDialogs, EditRefusesInputBeyond1009BytesWithoutSplittingACharacter)
{
    MemoInputDialog dialog(list, 0, 0, memo, remember, MemoPurpose::CheckIn, close_after, ini, prompt);
    auto* edit = control<MemoEdit>(&dialog, 9302);
    edit->set_memo(std::string(1007, 'a'));
    QKeyEvent e_acute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xC3\xA9"));
    QApplication::sendEvent(edit, &e_acute); // 2 bytes: exactly 1009
    EXPECT_EQ(edit->memo().size(), 1009u);
    QTest::keyClicks(edit, "b");
    EXPECT_EQ(edit->memo().size(), 1009u) << "a 1010th byte is refused";

    edit->set_memo(std::string(1006, 'a'));
    edit->moveCursor(QTextCursor::End);
    EXPECT_FALSE(edit->insert_limited(QString::fromUtf8("x\xC3\xA9\xC3\xA9")));
    EXPECT_EQ(edit->memo(), std::string(1006, 'a') + "x\xC3\xA9") << "the paste is cut before the character";
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, "y");
    QTest::keyClick(edit, Qt::Key_Return); // a line break is stored as CR LF: 2 bytes, 1010 in all
    EXPECT_EQ(edit->memo(), std::string(1006, 'a') + "xy");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->memo(), std::string(1006, 'a') + "x\r\n");

    edit->set_memo("one\r\ntwo\rthree");
    EXPECT_EQ(edit->toPlainText(), "one\ntwo\nthree");
    EXPECT_EQ(edit->memo(), "one\r\ntwo\r\nthree");
}

TEST_F(MemoDialogs, EnterKeyRadiosSwitchAtOnceAndWriteTheSetting)
{
    MemoInputDialog dialog(list, 0, 0, memo, remember, MemoPurpose::MemoNow, close_after, ini, prompt);
    dialog.show();
    auto* edit = control<MemoEdit>(&dialog, 9302);
    EXPECT_TRUE(control<QRadioButton>(&dialog, 103)->isChecked()) << "MemoWantReturn defaults to 1";
    edit->setPlainText("first");
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(edit->toPlainText(), "first\n");

    control<QRadioButton>(&dialog, 107)->click();
    EXPECT_FALSE(get_flag(ini, kMemoWantReturn));
    QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(edit, "second");
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible()) << "Enter now presses OK";
    EXPECT_EQ(dialog.outcome(), MemoDialogResult::Ok);
    EXPECT_EQ(memo, "first\r\n\r\nsecond");

    MemoInputDialog again(list, 0, 0, memo, remember, MemoPurpose::MemoNow, close_after, ini, prompt);
    EXPECT_TRUE(control<QRadioButton>(&again, 107)->isChecked());
    control<QRadioButton>(&again, 103)->click();
    EXPECT_TRUE(get_flag(ini, kMemoWantReturn));
}

TEST_F(MemoDialogs, CancelStillSavesChangedCheckBoxesButNotCloseAfterMemo)
{
    {
        MemoInputDialog dialog(list, 0, 0, memo, remember, MemoPurpose::MemoNow, close_after, ini, prompt);
        control<QCheckBox>(&dialog, 9304)->click();
        control<QCheckBox>(&dialog, 109)->click();
        control<QCheckBox>(&dialog, 102)->click();
        control<QPushButton>(&dialog, 2)->click();
        EXPECT_EQ(dialog.outcome(), MemoDialogResult::Cancel);
    }
    EXPECT_TRUE(remember);
    EXPECT_TRUE(close_after) << "the flag follows the box; writing the setting is the caller's business";
    ini.flush();
    const std::string file = velkor::test::read_file(dir.file("velkors.ini"));
    EXPECT_NE(file.find("RememberMemo=1\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("AlwaysChooseMemos=1\r\n"), std::string::npos) << file;
    EXPECT_EQ(file.find("CloseAfterMemo"), std::string::npos) << file;
}

TEST_F(MemoDialogs, OkWithOnlyBlanksEndsAsNoMemo)
{
    memo = "kept";
    MemoInputDialog dialog(list, 0, 0, memo, remember, MemoPurpose::CheckOut, close_after, ini, prompt);
    control<MemoEdit>(&dialog, 9302)->setPlainText("  \n\t \n ");
    control<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(dialog.outcome(), MemoDialogResult::NoMemo);

    MemoInputDialog typed(list, 0, 0, memo, remember, MemoPurpose::CheckOut, close_after, ini, prompt);
    control<MemoEdit>(&typed, 9302)->setPlainText(" fixed bug ");
    control<QPushButton>(&typed, 1)->click();
    EXPECT_EQ(typed.outcome(), MemoDialogResult::Ok);
    EXPECT_EQ(memo, " fixed bug ") << "trimming belongs to the memo request";
}

TEST_F(MemoDialogs, ChooserSortsAndAsksToSaveBeforeUse)
{
    memo = "typed";
    ChooseMemoDialog chooser(list, 0, 0, memo, ini, prompt);
    chooser.show();
    QString title;
    through_editor(&chooser, 102, "b", &title);
    EXPECT_EQ(title, "Add a Saved Memo");
    through_editor(&chooser, 102, "  a\n");
    through_editor(&chooser, 102, "C");

    EXPECT_EQ(list_texts(&chooser), (QStringList{"a", "b", "C"})) << "sorted ignoring case";
    EXPECT_EQ(chooser.working_chain().at(0), "C") << "each Add puts its memo first";
    EXPECT_EQ(chooser.working_chain().at(1), "a") << "trimmed";
    EXPECT_TRUE(control(&chooser, 106)->isEnabled());
    EXPECT_EQ(list.n_remembered_memos(0, 0), 0u);

    select_text(&chooser, "b");
    prompt.answer(Answer::No);
    control<QPushButton>(&chooser, 1)->click();
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last(),
              (Message{"You must save your changes before you can select a memo.\nWould you like to do that now?",
                       "Choose Memo", Buttons::YesNo, Icon::None}));
    EXPECT_TRUE(chooser.isVisible()) << "No keeps the dialog open";
    EXPECT_EQ(list.n_remembered_memos(0, 0), 0u);

    prompt.answer(Answer::Yes);
    control<QPushButton>(&chooser, 1)->click();
    EXPECT_EQ(chooser.result(), ChooseMemoDialog::kUseAsIs);
    EXPECT_EQ(memo, "b");
    EXPECT_EQ(list.remembered_memo(0, 0, 0), "C");
    EXPECT_EQ(list.remembered_memo(0, 0, 2), "b");
}

TEST_F(MemoDialogs, ChooserEditRefusesUnchangedAndEmptyTexts)
{
    list.remember_memo(0, 0, "review");
    list.remember_memo(0, 0, "Review");
    ChooseMemoDialog chooser(list, 0, 0, memo, ini, prompt);
    chooser.show();
    select_text(&chooser, "review");
    QString title;
    through_editor(&chooser, 103, "review", &title); // Edit, then use
    EXPECT_EQ(title, "Edit a Saved Memo");
    EXPECT_EQ(prompt.last(), (Message{"That memo already exists.", "Error", Buttons::Ok, Icon::None}));
    EXPECT_TRUE(chooser.isVisible());

    through_editor(&chooser, 101, " \n ");
    EXPECT_EQ(prompt.last().text, "Please use the Delete button to delete a memo.");
    through_editor(&chooser, 102, "   ");
    EXPECT_EQ(prompt.last().text, "Memos may not be empty.");
    EXPECT_EQ(prompt.count(), 3u);
    EXPECT_FALSE(chooser.modified());

    through_editor(&chooser, 103, "review notes");
    EXPECT_EQ(chooser.result(), ChooseMemoDialog::kEditThenUse);
    EXPECT_EQ(memo, "review notes");
    EXPECT_EQ(list.remembered_memo(0, 0, 1), "review notes") << "edited in place, saved at once";
}

TEST_F(MemoDialogs, DeletingTheLastMemoDisablesTheSelectionButtonsAndCancelReturnsTheSelection)
{
    list.remember_memo(0, 0, "only");
    memo = "only";
    ChooseMemoDialog chooser(list, 0, 0, memo, ini, prompt);
    chooser.show();
    EXPECT_FALSE(control(&chooser, 106)->isEnabled());
    control<QPushButton>(&chooser, 104)->click();
    EXPECT_TRUE(list_texts(&chooser).isEmpty());
    for (int id : {1, 103, 101, 104})
        EXPECT_FALSE(control(&chooser, id)->isEnabled()) << "id" << id;
    control<QPushButton>(&chooser, 106)->click();
    EXPECT_EQ(list.n_remembered_memos(0, 0), 0u);

    through_editor(&chooser, 102, "new one");
    memo.clear();
    control<QPushButton>(&chooser, 2)->click();
    EXPECT_EQ(chooser.result(), ChooseMemoDialog::kCancel);
    EXPECT_EQ(memo, "new one") << "the selected entry goes back to the caller";
    EXPECT_EQ(list.n_remembered_memos(0, 0), 0u) << "unsaved changes are dropped";
}

TEST_F(MemoDialogs, AlwaysChooseOpensTheChooserAtOnceAndUseEndsTheMemoDialogAsOk)
{
    put_flag(ini, kAlwaysChooseMemos, true);
    list.remember_memo(0, 0, "second");
    list.remember_memo(0, 0, "first");
    memo = "first";
    MemoInputDialog dialog(list, 0, 0, memo, remember, MemoPurpose::CheckIn, close_after, ini, prompt);
    when_modal<ChooseMemoDialog>([](ChooseMemoDialog* chooser) {
        select_text(chooser, "second");
        control<QPushButton>(chooser, 1)->click();
    });
    dialog.exec();
    EXPECT_EQ(dialog.outcome(), MemoDialogResult::Ok);
    EXPECT_EQ(memo, "second");
}
