// Time corrections as a user makes them on the main window: Ctrl with either button opens the
// adjust dialog, the left button with the right one held opens the offline dialog.
#include "dialogs/AdjustDialog.h"
#include "dialogs/CoBeforeCiDialog.h"
#include "dialogs/OfflineCheckinDialog.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DialogControls.h"

#include <QLabel>
#include <QLineEdit>

using namespace velkor;
using namespace velkor::test;

namespace {

using TimeCorrectionClicks = MainVKWindowTest;

// Types into the adjust dialog's fields (id, text) and presses its OK button, noting the OK button's caption.
void adjust_with(std::vector<std::pair<int, QString>> fields, QString* ok_caption = nullptr)
{
    when_modal<AdjustDialog>([fields, ok_caption](AdjustDialog* dialog) {
        for (const auto& [id, text] : fields)
            control<QLineEdit>(dialog, id)->setText(text);
        if (ok_caption)
            *ok_caption = control<QPushButton>(dialog, 1)->text();
        control<QPushButton>(dialog, 1)->click();
    });
}

} // namespace

TEST_F(TimeCorrectionClicks, CtrlClickWhileIdleChecksInAsLongAgoAsTypedAndCancelDoesNothing)
{
    write_file(dir.file("velkors.ini"),
               "[velkors]\r\nBkColor=255,255,255\r\nCloseOnSelect=n\r\nShowTotalAllTimes=1\r\n");
    MainVKWindow& w = start();
    QString reference;
    when_modal<AdjustDialog>([&reference](AdjustDialog* dialog) {
        reference = control<QLabel>(dialog, 101)->text();
        control<QPushButton>(dialog, 2)->click();
    });
    click(0, 0, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(reference, "It is currently  9:46:40 am");
    EXPECT_EQ(current(), "-");

    adjust_with({{102, "15"}});
    click(0, 0, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(current(), "Alpha/Write");
    EXPECT_EQ(w.engine().elapsed_seconds(), 900);
    EXPECT_EQ(w.windowTitle().toStdString().substr(0, 10), "0:15:00 - ") << "shown at once";
    EXPECT_FALSE(w.engine().state().offset_active) << "the offset ends with the click";
}

TEST_F(TimeCorrectionClicks, CtrlRightClickChecksOutAtTheTimeTyped)
{
    start();
    click(0, 0);
    clock.advance(3600);
    QString ok;
    adjust_with({{108, "10:00:05"}}, &ok);
    click(1, 0, Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(ok, "Check out");
    EXPECT_EQ(current(), "-");
    EXPECT_EQ(read_file(dir.file("velkors.log")), "2024/07/03\t09:46:40\t2024/07/03\t10:00:05\tAlpha\tWrite\t0.00\r\n");
}

TEST_F(TimeCorrectionClicks, ACheckOutBeforeTheCheckInIsFixedInTheAdjustDialogAndDatesBothHalvesOfTheClick)
{
    start();
    click(0, 0);
    clock.advance(600);
    // Ctrl+click on another project: out, then in, fifteen minutes ago, five before the check-in.
    QString fixed_with;
    when_modal<AdjustDialog>([&fixed_with](AdjustDialog* first) {
        when_modal<CoBeforeCiDialog>([&fixed_with](CoBeforeCiDialog* question) {
            adjust_with({{102, "3"}}, &fixed_with);
            control<QPushButton>(question, 108)->click();
        });
        control<QLineEdit>(first, 102)->setText("15");
        control<QPushButton>(first, 1)->click();
    });
    click(2, 0, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(fixed_with, "Check out");
    EXPECT_EQ(read_file(dir.file("velkors.log")), "2024/07/03\t09:46:40\t2024/07/03\t09:53:40\tAlpha\tWrite\t0.00\r\n");
    EXPECT_EQ(current(), "Gamma/One");
    EXPECT_EQ(window->engine().elapsed_seconds(), 180);
}

TEST_F(TimeCorrectionClicks, LeftClickWithTheRightButtonHeldRecordsAnOfflineSessionAndLeavesTheOpenOneAlone)
{
    MainVKWindow& w = start();
    click(2, 0);
    const GridRect& r = w.layout().cells.at(0).lines.at(1).clip;
    const QPoint point(r.left + 2, r.top + r.height() / 2);
    QString title;
    when_modal<OfflineCheckinDialog>([&](OfflineCheckinDialog* dialog) {
        title = dialog->windowTitle();
        control<QLineEdit>(dialog, 103)->setText("23:00");
        control<QLineEdit>(dialog, 105)->setText("01:00");
        control<QPushButton>(dialog, 1)->click();
        control<QLineEdit>(dialog, 103)->setText("09:30");
        control<QLineEdit>(dialog, 105)->setText("hh:mm:ss pm");
        control<QLineEdit>(dialog, 108)->setText("1:45");
        control<QPushButton>(dialog, 1)->click();
    });
    // Right down first, then left: the right button's own click must not check out meanwhile.
    QTest::mousePress(&w, Qt::RightButton, {}, point);
    QTest::mousePress(&w, Qt::LeftButton, {}, point);
    QTest::mouseRelease(&w, Qt::RightButton, {}, point);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, point);
    EXPECT_EQ(title, "Offline Checkin/Checkout");
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{{"Checkout cannot be earlier than checkin", "Error", Buttons::Ok,
                                                        Icon::Exclamation}}));
    EXPECT_EQ(read_file(dir.file("velkors.log")), "2024/07/03\t09:30:00\t2024/07/03\t11:15:00\tAlpha\tRead\t0.00\r\n");
    EXPECT_EQ(current(), "Gamma/One");
    EXPECT_TRUE(std::filesystem::exists(dir.file("velkors.clg")));
}
