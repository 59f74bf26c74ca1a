// The adjust dialog driven as a user would: controls found by their ids, message boxes through
// the scripted prompt.
#include "dialogs/AdjustDialog.h"

#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

using namespace velkor;
using velkor::test::control;
using velkor::test::ScriptedPrompt;

namespace {

class AdjustDialogTest : public ::testing::Test
{
protected:
    QLineEdit* edit(QWidget* dialog, int id) { return control<QLineEdit>(dialog, id); }

    velkor::test::ScopedTimeZone zone{"UTC"};
    velkor::test::TempDir dir;
    PrivateIniFile ini{dir.file("velkors.ini")};
    ScriptedPrompt prompt;
    velkor::test::TestClock clock; // 2024-03-07 09:05:00
    const TimeRec eight{0, 8, 0, 0};
    long offset = -1;
};

} // namespace

TEST_F(AdjustDialogTest, EachModeHasItsCaptionsAndTheFieldsStartWithTheirHints)
{
    put_int(ini, kDateFormat, 1);
    for (auto [mode, ok, group, ending] :
         {std::tuple{AdjustMode::IdleFirst, "Check in", "Check in this long ago", "in."},
          std::tuple{AdjustMode::IdleAfterCheckOut, "Check in", "Check in this long ago", "in."},
          std::tuple{AdjustMode::CheckOut, "Check out", "Check out this long ago", "out."},
          std::tuple{AdjustMode::CheckOutThenIn, "Check out/in", "Check out, then in, this long ago", "out/in."}}) {
        AdjustDialog dialog(mode, 3900, eight, offset, ini, prompt, clock);
        EXPECT_EQ(dialog.windowTitle(), "Adjust Check-In/Check-Out Time");
        EXPECT_EQ(control<QPushButton>(&dialog, 1)->text(), ok);
        EXPECT_EQ(control<QGroupBox>(&dialog, 103)->title(), group);
        EXPECT_TRUE(control<QLabel>(&dialog, 104)
                        ->text()
                        .startsWith(QString("Enter the date and time to check ") + ending + "\nThe time may be"));
    }
    AdjustDialog dialog(AdjustMode::CheckOut, 3900, eight, offset, ini, prompt, clock);
    EXPECT_EQ(control<QGroupBox>(&dialog, 107)->title(), "Check out at this specific time");
    EXPECT_EQ(control<QLabel>(&dialog, 101)->text(), "You checked in at  8:00:00 am,\n1:05:00 ago.");
    EXPECT_EQ(edit(&dialog, 106)->text(), "7/3/2024") << "today, day first, no zero padding";
    EXPECT_EQ(edit(&dialog, 108)->text(), "hh:mm:ss");
    EXPECT_EQ(dialog.focusWidget(), edit(&dialog, 102));
    EXPECT_EQ(edit(&dialog, 102)->selectedText(), "minutes");
    EXPECT_FALSE(control(&dialog, 9)->isEnabled()) << "greyed while no help is installed";
}

TEST_F(AdjustDialogTest, BothMethodsAreRefusedWithTheFieldsBackToTheirHintsAndOneIsTaken)
{
    AdjustDialog dialog(AdjustMode::CheckOutThenIn, 3900, eight, offset, ini, prompt, clock);
    dialog.show();
    edit(&dialog, 102)->setText("15");
    edit(&dialog, 108)->setText("8:30");
    control<QPushButton>(&dialog, 1)->click();
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last().text, "You may adjust the check-in/check-out time\nusing one or the other of the methods, "
                                  "but not both.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(edit(&dialog, 102)->text(), "minutes");
    EXPECT_EQ(edit(&dialog, 108)->text(), "hh:mm:ss");
    EXPECT_EQ(dialog.focusWidget(), edit(&dialog, 108));
    EXPECT_EQ(edit(&dialog, 108)->selectedText(), "hh:mm:ss");
    EXPECT_EQ(offset, -1);

    edit(&dialog, 102)->setText("1:15");
    control<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(offset, 4500);
}

TEST_F(AdjustDialogTest, CancelStoresNothingAndAChangedDateIsCheckedOnLeaving)
{
    AdjustDialog dialog(AdjustMode::IdleFirst, 0, {}, offset, ini, prompt, clock);
    dialog.show();
    QLineEdit* date = edit(&dialog, 106);
    date->setText("3/32/2024");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(date, &leave);
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last(), (Message{"Invalid adjustment date", "Error", Buttons::Ok, Icon::Exclamation}));
    date->setText("3/6/24");
    QApplication::sendEvent(date, &leave);
    EXPECT_EQ(date->text(), "3/6/2024");

    edit(&dialog, 108)->setText("9:00");
    control<QPushButton>(&dialog, 2)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(offset, -1);
    EXPECT_EQ(prompt.count(), 1u);
}
