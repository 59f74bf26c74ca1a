// Hidden and temporary items and notes as a new user meets them on the main window: the hide/show
// dialog, a category header's chooser, temporary and saved names, and notes by F4.
#include "dialogs/HideNameDialog.h"
#include "dialogs/MemoEdit.h"
#include "dialogs/NoteDialog.h"
#include "dialogs/TempDialog.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DialogControls.h"

#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

using namespace velkor;
using namespace velkor::test;

namespace {

const std::string kHiddenHeader = "#\r\n# This file created by Velkor.\r\n# DO NOT EDIT!\r\n"
                                  "# Use the Hide/show projects dialog on the Projects menu of VKR instead.\r\n#\r\n";

class HiddenItemsFlow : public MainVKWindowTest
{
protected:
    QPoint header_point(std::size_t c) const
    {
        const GridCell& cell = window->layout().cells.at(c);
        return QPoint(cell.left + cell.width / 2, cell.header_y + 2);
    }
    std::size_t lines_shown(std::size_t c)
    {
        window->draw_grid_now();
        return window->layout().cells.at(c).lines.size();
    }
    // Runs F4 with the mouse at point of the window.
    void press_f4(QPoint point)
    {
        QCursor::setPos(window->mapToGlobal(point));
        window->commands().run(kCmdNote);
    }
    std::string log() const { return read_file(dir.file("velkors.log")); }
};

} // namespace

TEST_F(HiddenItemsFlow, HidingAProjectTakesItOffTheGridAndHiddenIniListsIt)
{
    start();
    ASSERT_EQ(lines_shown(0), 2u);
    when_modal<HideNameDialog>([](HideNameDialog* d) {
        control<QListWidget>(d, 101)->item(0)->setSelected(true);
        control<QListWidget>(d, 102)->item(1)->setSelected(true);
        control<QRadioButton>(d, 108)->click();
        control<QPushButton>(d, 1)->click();
    });
    window->commands().run(kCmdHideShow);
    EXPECT_EQ(lines_shown(0), 1u);
    EXPECT_EQ(read_file(dir.file("hidden.ini")), kHiddenHeader + "CAlpha\t0\r\nPRead\r\nCBeta\t0\r\nCGamma\t0\r\n");
    EXPECT_EQ(read_file(dir.file("project.txt")), project_file(3));
}

TEST_F(HiddenItemsFlow, AHiddenProjectPickedAtTheHeaderShowsUntilTheHideShowDialogCleansUp)
{
    write_file(dir.file("hidden.ini"), "CAlpha\t0\r\nPRead\r\n");
    start();
    ASSERT_EQ(lines_shown(0), 1u);
    when_modal<TempDialog>([](TempDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Check into temporary or hidden category/project");
        control<QListWidget>(d, 104)->setCurrentRow(0);
        control<QPushButton>(d, 1)->click();
    });
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, header_point(0));
    EXPECT_EQ(current(), "Alpha/Read");
    EXPECT_EQ(lines_shown(0), 2u);
    EXPECT_EQ(read_file(dir.file("hidden.ini")), "CAlpha\t0\r\nPRead\r\n") << "picking writes nothing";

    // While checked into it the clean-up would take it away, so the dialog is refused.
    window->commands().run(kCmdHideShow);
    EXPECT_EQ(prompt.last(), (Message{"You are checked into a temporary or temporarily shown\ncategory or project. "
                                      "Please check out of it before you\nhide or show categories and projects.",
                                      "Velkor", Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(lines_shown(0), 2u);

    click(0, 0, Qt::RightButton);
    EXPECT_EQ(records(), 1);
    prompt.answer(Answer::Ok); // the clean-up question
    when_modal<HideNameDialog>([](HideNameDialog* d) { control<QPushButton>(d, 1)->click(); });
    window->commands().run(kCmdHideShow);
    EXPECT_EQ(prompt.last().caption, "Hide/show Categories and Projects");
    EXPECT_EQ(lines_shown(0), 1u);
    EXPECT_EQ(read_file(dir.file("hidden.ini")), kHiddenHeader + "CAlpha\t0\r\nPRead\r\nCBeta\t0\r\nCGamma\t0\r\n");
}

TEST_F(HiddenItemsFlow, ATemporaryProjectWorksForOneSessionAndNeverReachesTheProjectFile)
{
    start();
    when_modal<TempDialog>([](TempDialog* d) {
        QTest::keyClicks(control<QLineEdit>(d, 110), "Scratch");
        control<QPushButton>(d, 1)->click();
    });
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, header_point(2));
    EXPECT_EQ(current(), "Gamma/Scratch");
    clock.advance(90);
    click(0, 0, Qt::RightButton);
    EXPECT_EQ(log(), "2024/07/03\t09:46:40\t2024/07/03\t09:48:10\tGamma\tScratch\t0.00\r\n");
    EXPECT_EQ(read_file(dir.file("project.txt")), project_file(3));
    EXPECT_FALSE(std::filesystem::exists(dir.file("hidden.ini")));

    // A name saved there goes to the file at once, and the temporary one still does not.
    when_modal<TempDialog>([](TempDialog* d) {
        control<QCheckBox>(d, 112)->click();
        QTest::keyClicks(control<QLineEdit>(d, 110), "Kept");
        control<QPushButton>(d, 1)->click();
    });
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, header_point(2));
    EXPECT_EQ(current(), "Gamma/Kept");
    const std::string file = read_file(dir.file("project.txt"));
    EXPECT_EQ(file.substr(file.find("[Gamma]")), "[Gamma]\r\npOne\tD;-1\r\npKept\tD;-1\r\n");
    EXPECT_EQ(lines_shown(2), 3u);

    window->commands().run(kCmdReloadProjects);
    EXPECT_EQ(lines_shown(2), 2u) << "read again from the file: the temporary project is gone";
    EXPECT_EQ(current(), "Gamma/Kept");
}

TEST_F(HiddenItemsFlow, F4OverAProjectRecordsANoteWhoseTwoMomentsAreEqual)
{
    start();
    click(2, 0);
    clock.advance(5);
    when_modal<NoteDialog>([](NoteDialog* d) {
        EXPECT_EQ(control<QLabel>(d, 104)->text(), "Alpha");
        EXPECT_EQ(control<QLabel>(d, 105)->text(), "Write");
        control<MemoEdit>(d, 9302)->set_memo(" called\r\nback ");
        control<QPushButton>(d, 1)->click();
    });
    const GridRect& line = window->layout().cells.at(0).lines.at(0).clip;
    press_f4(QPoint(line.left + 2, line.top + line.height() / 2));
    EXPECT_EQ(log(), "2024/07/03\t09:46:45\t2024/07/03\t09:46:45\tAlpha\tWrite\t0.00\tcalled\\/back\r\n");
    EXPECT_EQ(current(), "Gamma/One") << "the running session goes on";
    EXPECT_FALSE(window->isMinimized());

    press_f4(QPoint(window->width() - 1, window->height() - 1));
    EXPECT_EQ(prompt.last(), (Message{"To enter a note, first point to the project\nand then press F4", "Error",
                                      Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(prompt.count(), 1u);

    // Over a header the chooser picks the project; a temporary one is noted and the window minimized.
    put_flag(app->settings(), kMinimizeAfterNote, true);
    when_modal<TempDialog>([](TempDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Enter note for temporary or hidden category/project");
        QTest::keyClicks(control<QLineEdit>(d, 110), "Call");
        control<QPushButton>(d, 1)->click();
        when_modal<NoteDialog>([](NoteDialog* note) {
            control<MemoEdit>(note, 9302)->set_memo("x");
            control<QPushButton>(note, 1)->click();
        });
    });
    press_f4(header_point(1));
    EXPECT_EQ(log().substr(log().rfind("2024")), "2024/07/03\t09:46:45\tBeta\tCall\t0.00\tx\r\n");
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(HiddenItemsFlow, ANoteTheLogRefusesIsRetriedOnRequestAndThenDropped)
{
    start();
    std::filesystem::create_directory(dir.file("velkors.log")); // no file can be opened there
    when_modal<NoteDialog>([](NoteDialog* d) {
        control<MemoEdit>(d, 9302)->set_memo("lost");
        control<QPushButton>(d, 1)->click();
    });
    put_flag(app->settings(), kMinimizeAfterNote, true);
    prompt.answer(Answer::Retry); // then Cancel
    const GridRect& line = window->layout().cells.at(2).lines.at(0).clip;
    press_f4(QPoint(line.left + 2, line.top + 2));
    ASSERT_EQ(prompt.count(), 2u);
    EXPECT_EQ(prompt.last().buttons, Buttons::RetryCancel);
    EXPECT_EQ(prompt.last().text.substr(0, 27), "Cannot open the log file! I");
    EXPECT_FALSE(window->isMinimized()) << "only a recorded note minimizes";
}
