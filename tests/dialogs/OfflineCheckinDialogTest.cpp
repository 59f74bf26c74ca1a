// The offline check-in/check-out dialog driven as a user would, on a real log in a temporary
// folder; the memo dialog it opens is answered from a queued call.
#include "dialogs/OfflineCheckinDialog.h"

#include "dialogs/AdjustDialog.h"
#include "dialogs/MemoEdit.h"
#include "dialogs/MemoInputDialog.h"
#include "tests/core/SessionFixture.h"
#include "tests/support/DialogControls.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

class OfflineDialogTest : public SessionFixture
{
protected:
    OfflineDialogTest() { start(); }
    OfflineServices services()
    {
        return {lists, *log, [] { return std::string(); }, remember, settings, prompt, clock, memory};
    }
    QLineEdit* edit(QWidget* dialog, OfflineField id) { return control<QLineEdit>(dialog, static_cast<int>(id)); }
    void leave(QLineEdit* field)
    {
        QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &event);
    }

    bool remember = false;
    OfflineMemory memory;
};

} // namespace

TEST_F(OfflineDialogTest, OpensWithHintsAndAnUntouchedCheckOutDateFollowsTheCheckInDate)
{
    list.add_category("x<b>bold</b>", 0, false);
    list.add_project(2, "<i>P</i>", false);
    OfflineCheckinDialog dialog(services(), 2, 0);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Offline Checkin/Checkout");
    EXPECT_EQ(shown_text(control(&dialog, 100)), "x<b>bold</b>");
    EXPECT_EQ(shown_text(control(&dialog, 101)), "<i>P</i>");
    EXPECT_EQ(control<QLabel>(&dialog, 106)->text(), "Enter dates in mm/dd/yyyy format.\nTimes may be entered in "
                                                     "am/pm or military format, with or without seconds.");
    QLineEdit* ci_date = edit(&dialog, OfflineField::CheckInDate);
    QLineEdit* co_date = edit(&dialog, OfflineField::CheckOutDate);
    EXPECT_EQ(ci_date->text() + " " + co_date->text(), "3/7/2024 3/7/2024");
    EXPECT_EQ(edit(&dialog, OfflineField::CheckInTime)->text(), "hh:mm:ss pm");
    EXPECT_EQ(edit(&dialog, OfflineField::Duration)->text(), "hh:mm:ss");

    ci_date->setText("3/1/24");
    leave(ci_date);
    EXPECT_EQ(ci_date->text() + " " + co_date->text(), "3/1/2024 3/1/2024");
    ci_date->setText("3/2");
    leave(ci_date);
    EXPECT_EQ(co_date->text(), "3/2/2024") << "still untouched by the user";
    co_date->setText("3/4/2024");
    ci_date->setText("3/3");
    leave(ci_date);
    EXPECT_EQ(co_date->text(), "3/4/2024") << "typed by the user: kept";
    EXPECT_EQ(prompt.count(), 0u);

    QLineEdit* co_time = edit(&dialog, OfflineField::CheckOutTime);
    edit(&dialog, OfflineField::CheckInTime)->setText("9:30");
    co_time->setText("10:00");
    edit(&dialog, OfflineField::Duration)->setText("1:00");
    control<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(prompt.last(), (Message{"Please specify either the checkout date/time OR the duration, not both", "Error",
                                      Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(co_time->text() + " " + edit(&dialog, OfflineField::Duration)->text(), "hh:mm:ss pm hh:mm:ss");
    EXPECT_EQ(dialog.focusWidget(), co_time);
    EXPECT_EQ(co_time->selectedText(), "hh:mm:ss pm");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(std::filesystem::exists(log_path));
}

TEST_F(OfflineDialogTest, RecordMemoCancelledKeepsTheValuesAndTheDatesAreRememberedAfterARecord)
{
    list.remember_memo(1, 0, "weeding");
    OfflineCheckinDialog dialog(services(), 1, 0);
    dialog.show();
    edit(&dialog, OfflineField::CheckInDate)->setText("3/6/2024");
    edit(&dialog, OfflineField::CheckInTime)->setText("9:30");
    edit(&dialog, OfflineField::Duration)->setText("1:45");
    QString offered;
    when_modal<MemoInputDialog>([&offered](MemoInputDialog* memo) {
        offered = QString::fromStdString(control<MemoEdit>(memo, 9302)->memo());
        control<QPushButton>(memo, 2)->click();
    });
    control<QPushButton>(&dialog, 107)->click();
    EXPECT_EQ(offered, "weeding");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(edit(&dialog, OfflineField::Duration)->text(), "1:45");
    EXPECT_FALSE(std::filesystem::exists(log_path));

    when_modal<MemoInputDialog>([](MemoInputDialog* memo) {
        control<MemoEdit>(memo, 9302)->set_memo("mowing");
        control<QPushButton>(memo, 1)->click();
    });
    control<QPushButton>(&dialog, 107)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(log_text(), "2024/03/06\t09:30:00\t2024/03/06\t11:15:00\tHome\tGarden\t0.00\tmowing\r\n");

    clock.advance(899);
    OfflineCheckinDialog again(services(), 0, 0);
    EXPECT_EQ(edit(&again, OfflineField::CheckOutDate)->text(), "3/6/2024");
}

TEST_F(OfflineDialogTest, EveryFieldOfBothTimeCorrectionDialogsIsReplacedByTypingWhenItGetsTheFocus)
{
    long offset = 0;
    AdjustDialog adjust(AdjustMode::CheckOut, 60, {}, offset, settings, prompt, clock);
    OfflineCheckinDialog offline(services(), 0, 0);
    for (auto [dialog, id] : {std::pair<QWidget*, int>{&adjust, 102},
                              {&adjust, 106},
                              {&adjust, 108},
                              {&offline, 102},
                              {&offline, 103},
                              {&offline, 104},
                              {&offline, 105},
                              {&offline, 108}}) {
        auto* field = control<QLineEdit>(dialog, id);
        field->setCursorPosition(field->text().size()); // where a click at the end leaves the caret
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(field, &focus);
        QApplication::processEvents();
        QTest::keyClicks(field, "1:30");
        EXPECT_EQ(field->text(), "1:30") << "id" << id;
    }
}
