// The crash-guard and check-out-before-check-in dialogs, and their wiring for the session engine.
#include "dialogs/VKGDialog.h"
#include "app/QtSessionDialogs.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProgramWideList.h"
#include "dialogs/CoBeforeCiDialog.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velkor;
using velkor::test::ScriptedPrompt;

using velkor::test::control;
using velkor::test::shown_text;

namespace {

const char* const kInvalidMessage = "Invalid date or time, please re-enter.\nThe date must be in %1 format;\n"
                                    "the time may be in am/pm or military\nformat, with or without seconds.";

class CrashGuard : public ::testing::Test
{
protected:
    CrashGuard() : zone("UTC"), ini(dir.file("velkors.ini")) {}

    void enter(VKGDialog& dialog, const char* date, const char* time)
    {
        control<QLineEdit>(&dialog, 105)->setText(date);
        control<QLineEdit>(&dialog, 106)->setText(time);
    }

    velkor::test::ScopedTimeZone zone;
    velkor::test::TempDir dir;
    PrivateIniFile ini;
    ScriptedPrompt prompt;
    velkor::test::TestClock clock; // 2024-03-07 09:05:00
    const DateRec check_in_date{2024, 7, 3};
    const TimeRec check_in_time{5, 9, 0, 0}; // 09:05:00
};

} // namespace

TEST_F(CrashGuard, ShowsTheSessionAndFormHintsAndNowFillsTheFields)
{
    put_int(ini, kTimeFormat, 0);
    VKGDialog dialog("Work", "Report", check_in_date, check_in_time, ini, prompt, clock);
    EXPECT_EQ(dialog.windowTitle(), "Velkor Crash Guard");
    EXPECT_EQ(control<QLabel>(&dialog, 101)->text(), "Work");
    EXPECT_EQ(control<QLabel>(&dialog, 103)->text(), "3/7/2024 at  9:05:00");
    EXPECT_EQ(control<QLineEdit>(&dialog, 105)->text(), "mm/dd/yyyy");
    EXPECT_EQ(control<QLineEdit>(&dialog, 106)->text(), "hh:mm:ss");
    EXPECT_FALSE(control(&dialog, 9)->isEnabled());
    clock.advance(3600 * 3 + 5);
    control<QPushButton>(&dialog, 104)->click();
    EXPECT_EQ(control<QLineEdit>(&dialog, 105)->text(), "3/7/2024");
    EXPECT_EQ(control<QLineEdit>(&dialog, 106)->text(), "12:05:05");

    put_int(ini, kDateFormat, 2);
    put_int(ini, kTimeFormat, 2);
    VKGDialog am_pm("Work", "Report", check_in_date, check_in_time, ini, prompt, clock);
    EXPECT_EQ(control<QLineEdit>(&am_pm, 105)->text(), "yyyy/mm/dd");
    EXPECT_EQ(control<QLineEdit>(&am_pm, 106)->text(), "hh:mm:ss pm");
    EXPECT_EQ(control<QLabel>(&am_pm, 103)->text(), "2024/3/7 at  9:05:00 am");

    VKGDialog markup("x<b>bold</b> &amp; <i>it</i>", "<u>P</u>", check_in_date, check_in_time, ini, prompt, clock);
    EXPECT_EQ(shown_text(control(&markup, 101)), "x<b>bold</b> &amp; <i>it</i>");
    EXPECT_EQ(shown_text(control(&markup, 102)), "<u>P</u>");
}

TEST_F(CrashGuard, CheckOutBeforeTheCheckInIsRefusedEscapeContinuesAndAnEqualMomentIsAccepted)
{
    VKGDialog dialog("Work", "Report", check_in_date, check_in_time, ini, prompt, clock);
    dialog.show();
    enter(dialog, "3/7/2024", "9:04:59");
    control<QPushButton>(&dialog, 201)->click();
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last(),
              (Message{"Checkout time must not be before the checkin time.", "Error", Buttons::Ok, Icon::Exclamation}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), control(&dialog, 106)) << "the time is what is wrong";
    enter(dialog, "3/6/2024", "11pm");
    control<QPushButton>(&dialog, 201)->click();
    EXPECT_EQ(prompt.count(), 2u) << "an earlier day is refused whatever the time";
    EXPECT_EQ(dialog.focusWidget(), control(&dialog, 105)) << "the date is what is wrong";
    QTest::keyClick(&dialog, Qt::Key_Escape); // continues the session, refused attempts or not
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), VKGDialog::kContinue);
    EXPECT_EQ(dialog.choice().kind, RecoveryChoice::Continue);

    dialog.show();
    enter(dialog, "3/7/2024", "9:05");
    control<QPushButton>(&dialog, 107)->click();
    EXPECT_EQ(prompt.count(), 2u);
    EXPECT_EQ(dialog.result(), VKGDialog::kCheckOutWithMemo);
    EXPECT_EQ(dialog.choice().kind, RecoveryChoice::CheckOutWithMemo);
    EXPECT_EQ(dialog.choice().check_out_date.day, 7);
    EXPECT_EQ(dialog.choice().check_out_time.minute, 5);
    EXPECT_EQ(dialog.choice().check_out_time.hour, 9);
}

TEST_F(CrashGuard, InvalidDateOrTimeGetsTheFormatMessage)
{
    put_int(ini, kDateFormat, 1);
    VKGDialog dialog("Work", "Report", check_in_date, check_in_time, ini, prompt, clock);
    for (auto [date, time] :
         {std::pair{"13/13/2024", "10:00"}, std::pair{"8/3/2024", "25:00"}, std::pair{"dd/mm/yyyy", "hh:mm:ss pm"}}) {
        enter(dialog, date, time);
        control<QPushButton>(&dialog, 201)->click();
        EXPECT_EQ(prompt.last(), (Message{QString(kInvalidMessage).arg("dd/mm/yyyy").toStdString(), "Error",
                                          Buttons::Ok, Icon::Exclamation}))
            << date << " " << time;
    }
    EXPECT_EQ(prompt.count(), 3u);
    enter(dialog, "8/3/2024", "8:00 am");
    control<QPushButton>(&dialog, 201)->click();
    EXPECT_EQ(dialog.choice().kind, RecoveryChoice::CheckOut) << "March 8 in day/month order";
    EXPECT_EQ(dialog.choice().check_out_date.month, 3);
}

TEST_F(CrashGuard, LeavingAChangedDateFieldRewritesOrComplains)
{
    VKGDialog dialog("Work", "Report", check_in_date, check_in_time, ini, prompt, clock);
    dialog.show();
    auto* date = control<QLineEdit>(&dialog, 105);
    auto leave = [date] {
        QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(date, &event);
    };
    date->setText("3/8/24");
    leave();
    EXPECT_EQ(date->text(), "3/8/2024");
    date->setText("2/30/2024");
    leave();
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last(), (Message{"Invalid checkout date", "Error", Buttons::Ok, Icon::Exclamation}));
    QApplication::processEvents(); // the field is taken back after the focus change
    EXPECT_EQ(date->selectedText(), "2/30/2024");
    leave();
    EXPECT_EQ(prompt.count(), 1u) << "unchanged since the last check";

    date->clear();
    for (int n = 0; n < 11; ++n) {
        QKeyEvent e_acute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xC3\xA9"));
        QApplication::sendEvent(date, &e_acute);
    }
    EXPECT_EQ(date->text().size(), 10) << "at most 20 bytes";
}

TEST(CoBeforeCi, EachButtonGivesItsChoiceAndEscapeStaysCheckedIn)
{
    for (auto [id, choice] : {std::pair{120, CoBeforeCiChoice::Discard}, std::pair{121, CoBeforeCiChoice::Save},
                              std::pair{108, CoBeforeCiChoice::FixTheTime}, std::pair{2, CoBeforeCiChoice::Cancel}}) {
        CoBeforeCiDialog dialog("question");
        EXPECT_EQ(dialog.windowTitle(), "Velkor");
        control<QPushButton>(&dialog, id)->click();
        EXPECT_EQ(dialog.choice(), choice) << id;
    }
    CoBeforeCiDialog dialog("question");
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.choice(), CoBeforeCiChoice::Cancel);
}

TEST_F(CrashGuard, SessionDialogsRunTheRealDialogsModally)
{
    ProjectListStore store(prompt);
    ProgramWideList lists(store, [] { return std::string("project.txt"); });
    QtSessionDialogs dialogs(ini, prompt, clock, lists);
    QString text;
    QTimer::singleShot(0, [&text] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        text = dialog->findChild<QLabel*>("prompt")->text();
        control<QPushButton>(dialog, 121)->click();
    });
    EXPECT_EQ(dialogs.run_co_before_ci_dialog(150), CoBeforeCiChoice::Save);
    EXPECT_TRUE(text.startsWith("You are trying to check out 2 minutes before you checked in!\n"))
        << text.toStdString();

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialogs.run_recovery_dialog("Work", "Report", check_in_date, check_in_time).kind,
              RecoveryChoice::Continue);
    long offset = 0;
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(dialogs.run_adjust_dialog(AdjustMode::CheckOut, 0, check_in_time, offset));
    EXPECT_EQ(offset, 0);
}

TEST_F(CrashGuard, HintFieldsSelectTheirWholeTextOnEveryFocusSoTypingReplacesTheHint)
{
    VKGDialog dialog("Work", "Report", check_in_date, check_in_time, ini, prompt, clock);
    for (int id : {105, 106}) {
        auto* field = control<QLineEdit>(&dialog, id);
        field->setCursorPosition(field->text().size()); // where a click at the end would leave the caret
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(field, &focus);
        QApplication::processEvents();
        EXPECT_EQ(field->selectedText(), field->text()) << "id" << id;
        QTest::keyClicks(field, "3/7/2024");
        EXPECT_EQ(field->text(), "3/7/2024") << "id" << id;
    }
}
