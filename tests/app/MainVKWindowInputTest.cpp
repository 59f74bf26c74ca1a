#include "app/Application.h"
#include "app/MainMenu.h"
#include "app/MainVKWindow.h"
#include "app/ReminderTimer.h"
#include "app/SystemTray.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/SessionEngine.h"
#include "platform/FileAccess.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace velkor;
using namespace velkor::test;

namespace {

const char kProjects[] = "[categories]\r\ncAlpha\tD200,0,0;-1\r\ncGamma\tD0,128,0;-1\r\n\r\n"
                         "[Alpha]\r\npWrite\tD;-1\r\npRead\tD;-1\r\n\r\n[Gamma]\r\npOne\tD;-1\r\n";

// A scripted prompt whose user presses Alt while answering (and lets go later).
class AltPrompt : public ScriptedPrompt
{
public:
    using Prompt::message;
    QWidget* target = nullptr;
    bool press_alt = false;
    Answer message(const Message& m) override
    {
        if (press_alt)
            QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
        return ScriptedPrompt::message(m);
    }
};

// Closes every modal dialog that comes up (memo dialogs with "No Memo"), counting them.
struct ModalCloser
{
    int memo_dialogs = 0;
    int other_dialogs = 0;
    QTimer timer;
    ModalCloser()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto* no_memo = modal->findChild<QPushButton*>("id101")) {
                ++memo_dialogs;
                no_memo->click();
            } else {
                ++other_dialogs;
                modal->close();
            }
        });
        timer.start(10);
    }
};

class InputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        write_file(dir.file("velkors.ini"), "[velkors]\r\nCloseOnSelect=n\r\n");
        write_file(dir.file("project.txt"), kProjects);
    }
    MainVKWindow& start()
    {
        app = std::make_unique<Application>(CommandLine("/x/velkor", {}), prompt);
        EXPECT_TRUE(app->init_main_window());
        window = std::make_unique<MainVKWindow>(*app, nullptr, &clock);
        window->SetupWindow();
        window->resize(500, 300);
        window->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->first_paint_pending(); }));
        prompt.target = window.get();
        return *window;
    }
    // Clicks project line p of visible category c.
    void click(int c, int p, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
    {
        const GridRect& r = window->layout().cells.at(c).lines.at(p).clip;
        QTest::mouseClick(window.get(), button, mods, QPoint(r.left + 2, r.top + r.height() / 2));
    }
    int records() const
    {
        std::string log = read_file(dir.file("velkors.log"));
        return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
    }
    std::string current() const
    {
        const ProjectList& list = *app->project_list();
        return list.is_current_project() ? list.current_category_name() + "/" + list.current_project_name() : "-";
    }

    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    ScopedWorkingDir cwd{dir.path()};
    AltPrompt prompt;
    TestClock clock{1720000000};
    std::unique_ptr<Application> app;
    std::unique_ptr<MainVKWindow> window;
};

} // namespace

TEST_F(InputTest, ClicksSwitchProjectsWithOneRecordAndTheTrayFollowsClicksAndSettings)
{
    SystemTray::set_tray_available([] { return true; });
    write_file(dir.file("velkors.ini"), "[velkors]\r\nCloseOnSelect=n\r\nUseSystemTray=1\r\n");
    MainVKWindow& w = start();
    w.update_icon();
    ASSERT_TRUE(w.system_tray()->is_shown());

    click(0, 0);
    EXPECT_EQ(current(), "Alpha/Write");
    EXPECT_EQ(records(), 0);
    EXPECT_EQ(w.system_tray()->tip(), "Write");
    clock.advance(600);
    click(1, 0);
    EXPECT_EQ(current(), "Gamma/One");
    EXPECT_EQ(records(), 1);
    EXPECT_NE(read_file(dir.file("velkors.log")).find("\tAlpha\tWrite\t"), std::string::npos);

    // The right button checks out; while idle it does nothing at all.
    click(0, 0, Qt::RightButton);
    EXPECT_EQ(current(), "-");
    EXPECT_EQ(records(), 2);
    EXPECT_EQ(w.system_tray()->tip(), "(idle)");
    click(0, 0, Qt::RightButton);
    EXPECT_EQ(records(), 2);
    EXPECT_EQ(prompt.count(), 0u);

    // Reading the display settings again takes the new reminders and tray choice.
    put(app->settings(), kReminderDurationIdle, "7");
    put_flag(app->settings(), kUseSystemTray, false);
    w.read_display_settings();
    EXPECT_EQ(w.reminder_timer().idle_interval(), 7);
    EXPECT_FALSE(w.system_tray()->is_shown());
    put_flag(app->settings(), kUseSystemTray, true);
    w.read_display_settings();
    EXPECT_TRUE(w.system_tray()->is_shown());
    SystemTray::set_tray_available([] { return false; });
}

TEST_F(InputTest, ShiftClickOnTheCurrentProjectWarnsUntilAltSuppressesIt)
{
    start();
    click(0, 1);
    ASSERT_EQ(current(), "Alpha/Read");

    prompt.answer(Answer::No);
    click(0, 1, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last().caption, "PLEASE NOTE:");
    EXPECT_EQ(prompt.last().buttons, Buttons::YesNo);
    EXPECT_EQ(prompt.last().icon, Icon::None);
    EXPECT_EQ(prompt.last().text.substr(0, 67), "Left-clicking the current project while holding down the Shift key\n");
    EXPECT_EQ(records(), 0);

    // Yes with Alt held: suppressed for good, then out and back in with a memo request.
    ModalCloser closer;
    prompt.press_alt = true;
    prompt.answer(Answer::Yes);
    click(0, 1, Qt::LeftButton, Qt::ShiftModifier);
    prompt.press_alt = false;
    QTest::keyRelease(window.get(), Qt::Key_Alt, Qt::NoModifier);
    EXPECT_TRUE(get_flag(app->settings(), kSupressLCCPWarning));
    EXPECT_EQ(records(), 1);
    EXPECT_EQ(current(), "Alpha/Read");
    EXPECT_EQ(closer.memo_dialogs, 1);

    click(0, 1, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(prompt.count(), 2u);
    EXPECT_EQ(records(), 2);

    // With LeftClickCheckOut a click on the current project only checks out.
    put_flag(app->settings(), kLeftClickCheckOut, true);
    click(0, 1);
    EXPECT_EQ(current(), "-");
    EXPECT_EQ(records(), 3);
}

TEST_F(InputTest, ReloadThatLosesTheCurrentProjectDropsTheSessionWithoutARecord)
{
    MainVKWindow& w = start();
    click(1, 0);
    ASSERT_EQ(current(), "Gamma/One");
    ASSERT_TRUE(std::filesystem::exists(dir.file("velkors.clg")));

    // Same names in the new list: the session goes on.
    w.input_command(kCmdReloadProjects);
    EXPECT_EQ(current(), "Gamma/One");
    EXPECT_EQ(prompt.count(), 0u);

    write_file(dir.file("project.txt"), "[categories]\r\ncAlpha\tD200,0,0;-1\r\n\r\n[Alpha]\r\npWrite\tD;-1\r\n");
    w.input_command(kCmdReloadProjects);
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last(), (Message{"The project you were checked into is not in\nthe new project list.", "Velkor",
                                      Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(current(), "-");
    EXPECT_EQ(records(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("velkors.clg")));
}

TEST_F(InputTest, MemoModeClearTotalsEditorGuardAndCloseOnSelect)
{
    MainVKWindow& w = start();
    w.input_command(kCmdMemoModeCheckOut);
    EXPECT_EQ(get(app->settings(), kAskMemo), "o");
    EXPECT_EQ(w.engine().memo().ask_memo_mode(), 2);
    w.input_command(kCmdMemoModeShift);
    EXPECT_EQ(get(app->settings(), kAskMemo), "n");

    app->project_list()->add_seconds(0, 0, 500);
    w.input_command(kCmdClearTotals);
    EXPECT_EQ(app->project_list()->project_seconds(0, 0), 0u);

    EXPECT_TRUE(w.can_change_projects());
    EXPECT_TRUE(is_absent_or_writable(dir.file("not-yet.txt")));
    std::filesystem::permissions(dir.file("project.txt"), std::filesystem::perms::owner_read);
    EXPECT_FALSE(w.can_change_projects());
    ModalCloser closer;
    w.input_command(kCmdEditProjects); // greyed: F2 must not open the editor either
    EXPECT_EQ(closer.other_dialogs, 0);

    // CloseOnSelect: a check-in by click minimizes the window and stops the line refresh.
    put_yes_no(app->settings(), kCloseOnSelect, true);
    click(0, 0);
    EXPECT_EQ(current(), "Alpha/Write");
    EXPECT_TRUE(w.isMinimized());
    EXPECT_FALSE(w.refresh_timer_running());
}

TEST_F(InputTest, TheProjectEditorWaitsForTheScanThatAddsToTheList)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nCloseOnSelect=n\r\nReadLogTime=1\r\n");
    write_file(dir.file("velkors.log"), "not a record\r\n"); // any size shows the progress window
    MainVKWindow& w = start();
    int editors = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++editors;
            modal->reject();
        }
    });
    closer.start(10);
    int tried = 0;
    QTimer::singleShot(0, &w, [&] {
        ++tried; // F2 while the progress window handles events
        w.input_command(kCmdEditProjects);
    });
    w.ScanPastTimes(false);
    EXPECT_EQ(tried, 1);
    EXPECT_EQ(editors, 0);

    w.input_command(kCmdEditProjects);
    EXPECT_EQ(editors, 1);
}
