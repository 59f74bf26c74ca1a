// The Options command on a real main window: what OK changes at once, the files it replaces, the
// environment variables it adds, and Cancel undoing the live preview.
#include "dialogs/EnvVarDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/VKGDialog.h"
#include "platform/qt/HotKey.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DialogControls.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdlib>

using namespace velkor;
using namespace velkor::test;

using OptionsCommandTest = MainVKWindowTest;

namespace {

const std::string::size_type kAbsent = std::string::npos;

Message error(std::string text)
{
    return {std::move(text), "Error", Buttons::Ok, Icon::Exclamation};
}

void press(QWidget* dialog, int id)
{
    control<QPushButton>(dialog, id)->click();
}

} // namespace

TEST_F(OptionsCommandTest, MilitaryTimeShowsAtOnceAfterAHotKeyThatCannotBeHadKeptTheDialogOpen)
{
    clock.set(1720014635); // 13:50:35 UTC
    MainVKWindow& w = start();
    ReminderTimer& reminder = w.chrome().reminder_timer();
    EXPECT_EQ(reminder.texts().time_line, "It is now  1:50:35 pm");
    when_modal<OptionsDialog>([this](OptionsDialog* d) {
        // Without an X11 display no key can be had: the message, and the dialog stays.
        QTest::keyClick(control(d, 130), Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        press(d, 1);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(prompt.last().text.substr(0, 29), "The hot key \"Alt + Ctrl + K\" ");
        QTest::keyClick(control(d, 130), Qt::Key_Backspace);
        control<QRadioButton>(d, 135)->click();
        press(d, 1);
    });
    w.commands().run(kCmdOptions);
    EXPECT_EQ(reminder.texts().time_line, "It is now 13:50:35");
    EXPECT_NE(read_file(dir.file("velkors.ini")).find("TimeFormat=0\r\n"), kAbsent) << "flushed";
}

TEST_F(OptionsCommandTest, TheHotKeyBringsTheWindowBackFromTheTray)
{
    SystemTray::set_tray_available([] { return true; });
    write_file(dir.file("velkors.ini"), "[velkors]\r\nBkColor=255,255,255\r\nUseSystemTray=1\r\n");
    MainVKWindow& w = start();
    click(0, 0); // CloseOnSelect hides the window to the tray
    SystemTray::set_tray_available([] { return false; });
    ASSERT_FALSE(w.isVisible());
    emit w.chrome().hot_key().pressed();
    EXPECT_TRUE(w.isVisible());
}

TEST_F(OptionsCommandTest, ChangingTheLogWhileCheckedInIsRefusedWhileTheOtherChangesOfTheSameOkApply)
{
    MainVKWindow& w = start();
    ASSERT_TRUE(w.engine().CheckIn(0, 0, false));
    prompt.clear();
    when_modal<OptionsDialog>([](OptionsDialog* d) {
        control<QLineEdit>(d, 101)->setText("other.log");
        control<QRadioButton>(d, 135)->click();
        press(d, 1);
    });
    w.commands().run(kCmdOptions);
    EXPECT_EQ(prompt.messages(), std::vector<Message>{error("You must check out of the current project\nbefore "
                                                            "changing to a different log file.")});
    EXPECT_EQ(app->workspace().log_file(), "velkors.log");
    EXPECT_FALSE(std::filesystem::exists(dir.file("other.lck")));
    EXPECT_EQ(w.display().time_format, 0);
    EXPECT_TRUE(w.engine().is_checked_in());
}

TEST_F(OptionsCommandTest, ANewLogIsLockedCountedFromZeroAndItsOpenSessionOfferedBack)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nBkColor=255,255,255\r\nCloseOnSelect=n\r\nReadLogTime=1\r\n");
    write_file(dir.file("velkors.log"), log_line("Alpha", "Read", 9, 3));
    write_file(dir.file("other.log"), log_line("Alpha", "Write", 9, 2));
    write_file(dir.file("other.lck"), EncodeLckRecord({{0, 8, 0, 0}, {2024, 3, 7}, "Beta", "B1", "memo", ""}));
    MainVKWindow& w = start();
    EXPECT_EQ(list().project_seconds(0, 1), 3u * 3600);
    when_modal<OptionsDialog>([](OptionsDialog* d) {
        when_modal<VKGDialog>([](VKGDialog* guard) { press(guard, 202); }); // Continue
        control<QLineEdit>(d, 101)->setText("other.log");
        press(d, 1);
    });
    w.commands().run(kCmdOptions);
    EXPECT_EQ(app->workspace().log_file(), "other.log");
    EXPECT_NE(read_file(dir.file("velkors.ini")).find("LogFile=other.log\r\n"), kAbsent);
    EXPECT_EQ(list().project_seconds(0, 0), 2u * 3600);
    EXPECT_EQ(list().project_seconds(0, 1), 0u);
    EXPECT_EQ(current(), "Beta/B1");
    ASSERT_TRUE(w.engine().CheckOut(false));
    EXPECT_NE(read_file(dir.file("other.log")).find("Beta\tB1"), kAbsent);
}

TEST_F(OptionsCommandTest, ANewProjectFileIsReadAtOnce)
{
    write_file(dir.file("other.txt"), "[categories]\r\ncOne\tD0,0,0;-1\r\n\r\n[One]\r\npX\tD;-1\r\n");
    start();
    when_modal<OptionsDialog>([](OptionsDialog* d) {
        control<QLineEdit>(d, 103)->setText("other.txt");
        press(d, 1);
    });
    window->commands().run(kCmdOptions);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list().n_categories() == 1 && list().category_name(0) == "One"; }));
    EXPECT_EQ(app->workspace().project_file(), "other.txt");
}

TEST_F(OptionsCommandTest, ARequiredVariableAddedInOptionsRefusesTheNextCheckIn)
{
    unsetenv("VELKOR_TEST_UNSET");
    MainVKWindow& w = start();
    when_modal<OptionsDialog>([](OptionsDialog* d) {
        when_modal<EnvVarDialog>([](EnvVarDialog* e) {
            when_modal<EnvNameDialog>([](EnvNameDialog* input) {
                input->findChild<QLineEdit*>("variableName")->setText("velkor_test_unset");
                input->findChild<QPushButton*>("ok")->click();
            });
            e->findChild<QPushButton*>("new")->click();
            e->findChild<QCheckBox*>("required")->click();
            e->findChild<QPushButton*>("ok")->click();
        });
        press(d, 102);
        press(d, 1);
    });
    w.commands().run(kCmdOptions);
    prompt.clear();
    click(0, 0);
    EXPECT_EQ(prompt.messages(),
              std::vector<Message>{error("The required environment variable \"VELKOR_TEST_UNSET\" has no value.")});
    EXPECT_FALSE(w.engine().is_checked_in());
    const std::string ini = read_file(dir.file("velkors.ini"));
    EXPECT_NE(ini.find("EnvVar0=VELKOR_TEST_UNSET\r\n"), kAbsent);
    EXPECT_NE(ini.find("EnvVar0Required=1\r\n"), kAbsent);
}

TEST_F(OptionsCommandTest, CancelAfterANewBackgroundColourLeavesTheOldColour)
{
    MainVKWindow& w = start();
    const Color dark_blue = make_rgb(0, 0, 100);
    when_modal<OptionsDialog>([&](OptionsDialog* d) {
        when_modal<QColorDialog>([](QColorDialog* chooser) {
            chooser->setCurrentColor(QColor(0, 0, 100));
            chooser->accept();
        });
        prompt.answer(Answer::Yes);
        press(d, 104);
        EXPECT_EQ(w.display().background, dark_blue);
        EXPECT_EQ(from_qcolor(render().pixelColor(w.width() / 2, w.height() - 3)), dark_blue) << "shown at once";
        press(d, 2);
    });
    w.commands().run(kCmdOptions);
    EXPECT_EQ(w.display().background, kBackground);
    EXPECT_EQ(from_qcolor(render().pixelColor(w.width() / 2, w.height() - 3)), kBackground);
    EXPECT_NE(read_file(dir.file("velkors.ini")).find("BkColor=255,255,255\r\n"), kAbsent);
}
