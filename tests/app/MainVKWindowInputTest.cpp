// The main window's input side: clicks, the menu commands, the tray and the project editor's guards.
#include "tests/app/MainWindowFixture.h"
#include "tests/support/MemoryRecordStore.h"

using namespace velkor;
using namespace velkor::test;

TEST_F(MainVKWindowInput, ClicksSwitchProjectsWithOneRecordAndTheTrayFollowsClicksAndSettings)
{
    SystemTray::set_tray_available([] { return true; });
    write_file(dir.file("velkors.ini"), "[velkors]\r\nCloseOnSelect=n\r\nUseSystemTray=1\r\nAskAboutTutorial=0\r\n");
    MainVKWindow& w = start();
    w.chrome().update_icon();
    ASSERT_TRUE(w.chrome().system_tray()->is_shown());

    click(0, 0);
    EXPECT_EQ(current(), "Alpha/Write");
    EXPECT_EQ(records(), 0);
    EXPECT_EQ(w.chrome().system_tray()->tip(), "Write");
    clock.advance(600);
    click(2, 0);
    EXPECT_EQ(current(), "Gamma/One");
    EXPECT_EQ(records(), 1);
    EXPECT_NE(read_file(dir.file("velkors.log")).find("\tAlpha\tWrite\t"), std::string::npos);

    // The right button checks out; while idle it does nothing at all.
    click(0, 0, Qt::RightButton);
    EXPECT_EQ(current(), "-");
    EXPECT_EQ(records(), 2);
    EXPECT_EQ(w.chrome().system_tray()->tip(), "(idle)");
    click(0, 0, Qt::RightButton);
    EXPECT_EQ(records(), 2);
    EXPECT_EQ(prompt.count(), 0u);

    // Reading the display settings again takes the new reminders and tray choice.
    put(app->settings(), kReminderDurationIdle, "7");
    put_flag(app->settings(), kUseSystemTray, false);
    w.read_display_settings();
    EXPECT_EQ(w.chrome().reminder_timer().idle_interval(), 7);
    EXPECT_FALSE(w.chrome().system_tray()->is_shown());
    put_flag(app->settings(), kUseSystemTray, true);
    w.read_display_settings();
    EXPECT_TRUE(w.chrome().system_tray()->is_shown());
    SystemTray::set_tray_available([] { return false; });
}

TEST_F(MainVKWindowInput, ShiftClickOnTheCurrentProjectWarnsUntilAltSuppressesIt)
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

TEST_F(MainVKWindowInput, ReloadThatLosesTheCurrentProjectDropsTheSessionWithoutARecord)
{
    MainVKWindow& w = start();
    click(2, 0);
    ASSERT_EQ(current(), "Gamma/One");
    ASSERT_TRUE(std::filesystem::exists(dir.file("velkors.clg")));

    // Same names in the new list: the session goes on.
    w.commands().run(kCmdReloadProjects);
    EXPECT_EQ(current(), "Gamma/One");
    EXPECT_EQ(prompt.count(), 0u);

    write_file(dir.file("project.txt"), "[categories]\r\ncAlpha\tD200,0,0;-1\r\n\r\n[Alpha]\r\npWrite\tD;-1\r\n");
    w.commands().run(kCmdReloadProjects);
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last(), (Message{"The project you were checked into is not in\nthe new project list.", "Velkor",
                                      Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(current(), "-");
    EXPECT_EQ(records(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("velkors.clg")));
}

TEST_F(MainVKWindowInput, MemoModeCommandsSetTheModeAndTheSetting)
{
    MainVKWindow& w = start();
    w.commands().run(kCmdMemoModeCheckOut);
    EXPECT_EQ(get(app->settings(), kAskMemo), "o");
    EXPECT_EQ(w.engine().memo().ask_memo_mode(), AskMemoMode::EveryCheckOut);
    w.commands().run(kCmdMemoModeCheckIn);
    EXPECT_EQ(get(app->settings(), kAskMemo), "i");
    w.commands().run(kCmdMemoModeShift);
    EXPECT_EQ(get(app->settings(), kAskMemo), "n");
    EXPECT_EQ(w.engine().memo().ask_memo_mode(), AskMemoMode::ShiftOnly);
}

TEST_F(MainVKWindowInput, ClearTotalsZeroesTheTimesOnScreenOnly)
{
    MainVKWindow& w = start();
    app->project_list()->add_seconds(0, 0, 500);
    app->project_list()->add_seconds(2, 0, 70);
    w.commands().run(kCmdClearTotals);
    EXPECT_EQ(app->project_list()->project_seconds(0, 0), 0u);
    EXPECT_EQ(app->project_list()->project_seconds(2, 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("velkors.log")));
}

TEST_F(MainVKWindowInput, AReadOnlyProjectFileKeepsTheEditorClosedEvenByItsAccelerator)
{
    MainVKWindow& w = start();
    EXPECT_TRUE(w.commands().can_change_projects());
    EXPECT_TRUE(is_absent_or_writable(dir.file("not-yet.txt")));
    std::filesystem::permissions(dir.file("project.txt"), std::filesystem::perms::owner_read);
    EXPECT_FALSE(w.commands().can_change_projects());
    ModalCloser closer;
    w.commands().run(kCmdEditProjects); // greyed: F2 must not open the editor either
    EXPECT_EQ(closer.other_dialogs, 0);
}

TEST_F(MainVKWindowInput, CloseOnSelectMinimizesTheWindowAfterACheckInByClick)
{
    MainVKWindow& w = start();
    put_yes_no(app->settings(), kCloseOnSelect, true);
    click(0, 0);
    EXPECT_EQ(current(), "Alpha/Write");
    EXPECT_TRUE(w.isMinimized());
    EXPECT_FALSE(w.refresh_timer_running());
}

TEST_F(MainVKWindowInput, TheProjectEditorWaitsForTheScanThatAddsToTheList)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nCloseOnSelect=n\r\nReadLogTime=1\r\nAskAboutTutorial=0\r\n");
    write_file(dir.file("velkors.log"), "not a record\r\n");
    MainVKWindow& w = start();
    const SteppingTicks slow(std::chrono::seconds(1)); // the scan runs long enough for its window
    w.set_scan_ticks(&slow);
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
        w.commands().run(kCmdEditProjects);
    });
    w.ScanPastTimes(false);
    EXPECT_EQ(tried, 1);
    EXPECT_EQ(editors, 0);

    w.commands().run(kCmdEditProjects);
    EXPECT_EQ(editors, 1);
}

TEST_F(MainVKWindowInput, AReloadAskedForWhileTheEditorIsOpenWaitsUntilItCloses)
{
    MainVKWindow& w = start();
    write_file(dir.file("project.txt"), "[categories]\r\ncAlpha\r\ncDelta\r\n");
    w.request_reload_list(); // its load is queued; F2 comes first
    int seen_categories = -1;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen_categories = static_cast<int>(list().n_categories()); // the editor's copy stays in place
            editor->reject();
        }
    });
    closer.start(20);
    w.commands().run(kCmdEditProjects);
    EXPECT_EQ(seen_categories, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->project_list() && list().n_categories() == 2; }));
    EXPECT_EQ(list().category_name(1), "Delta");
}

TEST_F(MainVKWindowInput, ACrashRecordThatCannotBeWrittenIsToldOnceAndTheSessionIsStillTimed)
{
    start();
    MemoryRecordStore refusing;
    refusing.fail_writes = true;
    app->workspace().crash_record().attach(&refusing, "");
    click(0, 0);
    EXPECT_EQ(current(), "Alpha/Write");
    clock.advance(60);
    click(0, 0, Qt::RightButton);
    EXPECT_EQ(records(), 1);
    EXPECT_EQ(prompt.messages(),
              (std::vector<Message>{{"Cannot write the session to velkors.lck\nInput/output error\n\nThe session is "
                                     "being timed, but it cannot be recovered\nafter a crash.",
                                     "Warning", Buttons::Ok, Icon::Exclamation}}));
}
