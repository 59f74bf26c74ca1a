#include "app/Application.h"
#include "app/ExitControl.h"
#include "app/FrameWindow.h"
#include "app/MainCommands.h"
#include "app/MainVKWindow.h"
#include "app/Startup.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProjectList.h"
#include "core/SessionControl.h"
#include "core/SessionEngine.h"
#include "tests/support/AbandonedRewrite.h"
#include "tests/support/MemoryRecordStore.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <set>

using namespace velkor;
using namespace velkor::test;

namespace {

class FakeSession : public SessionControl
{
public:
    bool checked_in = true;
    bool check_out_succeeds = true;
    int check_outs = 0;

    bool is_checked_in() const override { return checked_in; }
    bool check_out_for_exit() override
    {
        ++check_outs;
        checked_in = !check_out_succeeds;
        return check_out_succeeds;
    }
    void clock_changed() override {}
    void load_clock_flags() override {}
    void save_clock_flags() override {}
    void refuse_records() override {}
};

class ApplicationTest : public ::testing::Test
{
protected:
    std::unique_ptr<Application> make(std::vector<std::string> args = {}, Prompt* shown_by = nullptr)
    {
        CommandLine command_line("/x/velkor", args);
        command_line.apply_variables(VariableLookup(args));
        command_line.apply_options();
        return std::make_unique<Application>(std::move(command_line), shown_by ? *shown_by : prompt);
    }
    std::unique_ptr<Application> start(std::vector<std::string> args = {})
    {
        auto app = make(std::move(args));
        started = app->init_main_window();
        return app;
    }
    // Runs the whole program (the loop included) on app; action runs once the first paint has
    // loaded the list and run the start-up actions. A program still running after a minute fails.
    int run(Application& app, std::function<void()> action)
    {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (app.client() && !app.client()->first_paint_pending()) {
                poll.stop();
                action();
            }
        });
        poll.start(5);
        QTimer hung;
        hung.setSingleShot(true);
        QObject::connect(&hung, &QTimer::timeout, [this] {
            gave_up = true;
            QCoreApplication::exit(99);
        });
        hung.start(60000);
        return run_application(app, nullptr);
    }
    std::string ini() const { return read_file(dir.file("velkors.ini")); }
    bool gave_up = false; ///< run() gave up waiting for the program to end

    TempDir dir;
    ScopedWorkingDir cwd{dir.path()};
    ScriptedPrompt prompt;
    bool started = false;
};

} // namespace

TEST_F(ApplicationTest, FrameTakesTitleAndFittedGeometryFromTheSettings)
{
    {
        auto app = start();
        ASSERT_TRUE(started);
        EXPECT_EQ(app->frame()->windowTitle(), "Velkor");
        EXPECT_EQ(app->frame()->geometry(), QRect(100, 100, 600, 400));
        EXPECT_EQ(app->startup_show_state(), ShowState::Normal);
    }
    // A position off every screen is centred on the first one.
    write_file(dir.file("velkors.ini"), "[velkors]\r\nWindowTitle=Desk\r\nWindowSize=300x200\r\n"
                                        "WindowPosition=20000 20000\r\nWindowMaximized=y\r\n");
    QRect screen = QGuiApplication::screens().front()->geometry();
    {
        auto app = start();
        EXPECT_EQ(app->frame()->windowTitle(), "Desk");
        EXPECT_EQ(app->frame()->geometry(), QRect(screen.left() + (screen.width() - 300) / 2,
                                                  screen.top() + (screen.height() - 200) / 2, 300, 200));
        EXPECT_EQ(app->startup_show_state(), ShowState::Maximized);
    }
    EXPECT_EQ(start({"-t", "Mine", "VKR_TITLE=Other"})->frame()->windowTitle(), "Mine");
    EXPECT_EQ(start({"VKR_TITLE=Other"})->frame()->windowTitle(), "Other");
}

TEST_F(ApplicationTest, BadArgumentsAndAHeldLockEndTheStartWithTheirMessages)
{
    auto bad = start({"-q", "5"});
    EXPECT_FALSE(started);
    EXPECT_TRUE(bad->quit_requested());
    EXPECT_EQ(prompt.count(), 2u);
    bad.reset(); // releases its lock

    prompt.clear();
    auto first = start({"-l", "shared.log"});
    ASSERT_TRUE(started);
    EXPECT_EQ(first->workspace().log_file(), "shared.log");
    EXPECT_EQ(first->workspace().mirror_file(), "shared.clg");
    auto second = start({"-l", "shared.log"});
    EXPECT_FALSE(started);
    ASSERT_EQ(prompt.count(), 2u);
    EXPECT_EQ(prompt.messages()[0].caption, "Lock file error");
    EXPECT_EQ(prompt.messages()[1],
              (Message{"Cannot start Velkor: the log file\n\"shared.log\"\nis currently in use by "
                       "another Velkor.",
                       "Error", Buttons::Ok, Icon::Stop}));
    EXPECT_TRUE(first->workspace().holds_log_lock());
}

TEST_F(ApplicationTest, QueryCloseWithoutAProjectListAppliesConfirmExit)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nAskAboutTutorial=0\r\n");
    auto app = start();
    MainVKWindow* client = app->client();
    EXPECT_TRUE(client->exit_control().QueryClose());
    EXPECT_EQ(prompt.count(), 0u);

    put(app->settings(), kConfirmExit, "1");
    prompt.answer(Answer::No);
    EXPECT_FALSE(client->exit_control().QueryClose());
    EXPECT_EQ(prompt.last(), (Message{"Do you really want to exit?", "Velkor", Buttons::YesNo, Icon::Question}));
    EXPECT_NE(ini().find("ConfirmExit=1"), std::string::npos); // the query flushes first
    prompt.answer(Answer::Yes);
    EXPECT_TRUE(client->exit_control().QueryClose());

    // The frame's close box asks the same question and stays open on No.
    app->show_main_window();
    prompt.answer(Answer::No);
    EXPECT_FALSE(app->frame()->close());
    EXPECT_TRUE(app->frame()->isVisible());
    prompt.answer(Answer::Yes);
    EXPECT_TRUE(app->frame()->close());
    EXPECT_EQ(prompt.count(), 4u);
    EXPECT_FALSE(app->quit_requested()); // closing is not the exit steps
}

// A main window whose session is checked in (a fake), for the close query's cases.
class CheckedInClose : public ApplicationTest
{
protected:
    CheckedInClose()
    {
        app = start();
        app->lists().adopt(std::make_unique<ProjectList>());
        app->set_session_control(&session);
    }
    ~CheckedInClose() override { app->set_session_control(nullptr); }
    bool query_close() { return app->client()->exit_control().QueryClose(); }

    std::unique_ptr<Application> app;
    FakeSession session;
};

TEST_F(CheckedInClose, ExitWhileCheckedInMissingOr3RefusesWithItsMessage)
{
    const Message must_check_out{"You must check out of the current project\nbefore Velkor can exit.",
                                 "You are still checked in!", Buttons::Ok, Icon::Exclamation};
    EXPECT_FALSE(query_close());
    EXPECT_EQ(prompt.last(), must_check_out);
    put(app->settings(), kExitWhileCheckedIn, "3");
    EXPECT_FALSE(query_close());
    EXPECT_EQ(prompt.count(), 2u);
    EXPECT_EQ(session.check_outs, 0);
}

TEST_F(CheckedInClose, ExitWhileCheckedIn0ClosesOnlyAfterACheckOutThatHappened)
{
    put(app->settings(), kExitWhileCheckedIn, "0");
    session.check_out_succeeds = false;
    EXPECT_FALSE(query_close()); // a check-out that did not happen keeps the program running
    session.check_out_succeeds = true;
    EXPECT_TRUE(query_close());
    EXPECT_EQ(session.check_outs, 2);
    EXPECT_TRUE(query_close()); // no longer checked in
    EXPECT_EQ(session.check_outs, 2);
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(CheckedInClose, ExitWhileCheckedIn1OrAnUnknownValueClosesWithoutAWord)
{
    put(app->settings(), kExitWhileCheckedIn, "1");
    EXPECT_TRUE(query_close());
    put(app->settings(), kExitWhileCheckedIn, "9");
    EXPECT_TRUE(query_close());
    EXPECT_EQ(prompt.count(), 0u);
    EXPECT_EQ(session.check_outs, 0);
}

TEST_F(CheckedInClose, ExitWhileCheckedIn2AsksAndFollowsTheAnswer)
{
    put(app->settings(), kExitWhileCheckedIn, "2");
    prompt.answer(Answer::Cancel);
    EXPECT_FALSE(query_close());
    EXPECT_EQ(prompt.last(), (Message{"Velkor is about to exit.\nDo you want to check out of your current project?",
                                      "You are still checked in!", Buttons::YesNoCancel, Icon::Question}));
    prompt.answer(Answer::No);
    EXPECT_TRUE(query_close());
    EXPECT_EQ(session.check_outs, 0);
    prompt.answer(Answer::Yes);
    EXPECT_TRUE(query_close());
    EXPECT_EQ(session.check_outs, 1);
}

TEST_F(ApplicationTest, ExitCommandsFromTheMenuRunTheExitStepsAndSaveTheClockFlags)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nTci=1\r\nAskAboutTutorial=0\r\n");
    auto app = start();
    app->client()->SetupWindow();
    app->clock_changed(); // nobody checked in: changed while idle
    int hot_key_released = 0;
    app->set_hot_key_release([&] { ++hot_key_released; });

    FakeSession session;
    app->lists().adopt(std::make_unique<ProjectList>());
    app->set_session_control(&session);
    QAction* exit_without = app->frame()->findChild<QAction*>("cmd9070");
    ASSERT_NE(exit_without, nullptr);
    prompt.answer(Answer::No);
    exit_without->trigger();
    EXPECT_EQ(prompt.last(), (Message{"Are you sure?", "Exit without checking out", Buttons::YesNo, Icon::Question}));
    EXPECT_FALSE(app->quit_requested());
    prompt.answer(Answer::Yes);
    exit_without->trigger();
    EXPECT_TRUE(app->quit_requested());
    EXPECT_EQ(prompt.count(), 2u); // no close query: ExitWhileCheckedIn 3 would have refused
    EXPECT_EQ(session.check_outs, 0);
    EXPECT_EQ(hot_key_released, 1);

    // Not checked in, it is plain Exit; the idle flags were saved by the first exit.
    app->set_session_control(&app->client()->engine());
    app->lists().adopt(nullptr);
    put(app->settings(), kConfirmExit, "1");
    prompt.answer(Answer::No);
    app->frame()->findChild<QAction*>("cmd9070")->trigger();
    EXPECT_EQ(prompt.last().text, "Do you really want to exit?");
    EXPECT_EQ(hot_key_released, 1);
    app->frame()->findChild<QAction*>("cmd102")->trigger();
    prompt.answer(Answer::Yes);
    app->frame()->findChild<QAction*>("cmd102")->trigger();
    EXPECT_EQ(hot_key_released, 2);
    app.reset();
    EXPECT_EQ(ini(), "[velkors]\r\nTci=1\r\nAskAboutTutorial=0\r\nConfirmExit=1\r\nTco=1\r\n");
}

TEST_F(ApplicationTest, GeometryIsWrittenInPlaceOnMoveAndResizeAndKeepsTheRestOfTheFile)
{
    const std::string before = "; my settings\r\n[velkors]\r\nWindowPosition=100 100\r\nFavourite=blue\r\n"
                               "WindowSize=600x400\r\nWindowMaximized=n\r\nAskAboutTutorial=0\r\n\r\n[Reporter]\r\n"
                               "DateFormat=1\r\n";
    write_file(dir.file("velkors.ini"), before);
    auto app = start();
    app->show_main_window();
    FrameWindow* frame = app->frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    app->settings().flush();
    EXPECT_EQ(ini(), before); // showing at the stored place changes nothing

    frame->move(120, 130);
    frame->resize(500, 300);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->pos() == QPoint(120, 130) && frame->width() == 500; }));
    // The stored size is the outer one, frame included.
    QSize outer = frame->frameGeometry().size();
    app->client()->commands().run(kCmdExit);
    EXPECT_TRUE(app->quit_requested());
    app.reset();
    EXPECT_EQ(ini(), "; my settings\r\n[velkors]\r\nWindowPosition=120 130\r\nFavourite=blue\r\nWindowSize=" +
                         std::to_string(outer.width()) + "x" + std::to_string(outer.height()) +
                         "\r\nWindowMaximized=n\r\nAskAboutTutorial=0\r\nTco=0\r\nTci=0\r\n\r\n[Reporter]\r\n"
                         "DateFormat=1\r\n");
}

TEST_F(ApplicationTest, MaximizingStoresOnlyTheMaximizedFlag)
{
    auto app = start();
    app->show_main_window();
    FrameWindow* frame = app->frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    frame->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->isMaximized(); }));
    app->settings().flush();
    EXPECT_NE(ini().find("WindowMaximized=y"), std::string::npos);
    EXPECT_NE(ini().find("WindowSize=600x400"), std::string::npos);
}

TEST_F(ApplicationTest, StartRemovesWhatRewritesCutShortLeftBehind)
{
    for (const char* file : {"velkors.ini", "plan.txt", "hidden.ini", "plan.mmo", "velkors.clg"})
        abandon_rewrite(file);
    auto app = start({"-p", "plan.txt"});
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, std::set<std::string>{"velkors.lck"});
}

TEST_F(ApplicationTest, ExitWithAMemoFileThatCannotBeWrittenSaysSoOnceAndEndsNormally)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nAskAboutTutorial=0\r\n");
    write_file(dir.file("project.txt"), "[categories]\r\ncWork\r\n[Work]\r\npReport\r\n");
    std::filesystem::create_directory(dir.file("project.mmo"));
    auto app = make();
    EXPECT_EQ(run(*app, [&] { app->client()->commands().run(kCmdExit); }), 0);
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{{"Cannot write remembered memos to project.mmo\nIs a directory",
                                                        "Error", Buttons::Ok, Icon::Stop}}));
    app.reset(); // the window goes first; nothing may report through it afterwards
    EXPECT_EQ(prompt.count(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("project.mmo")));
}

namespace {

// Each message waits in an event loop of its own, as a message box does; from the message
// numbered signal_at on, the program is asked to end while it waits.
struct BoxWithSignal : Prompt
{
    using Prompt::message;
    Answer message(const Message& message) override
    {
        texts.push_back(message.text);
        QEventLoop box;
        if (texts.size() < signal_at)
            QTimer::singleShot(0, &box, &QEventLoop::quit);
        else
            QTimer::singleShot(0, [] { ::raise(SIGTERM); });
        box.exec();
        return Answer::Ok;
    }
    std::vector<std::string> texts;
    std::size_t signal_at = 1;
};

} // namespace

TEST_F(ApplicationTest, ASignalClosesAMessageShownOnTheWayOutAfterExit)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nAskAboutTutorial=0\r\n");
    write_file(dir.file("project.txt"), "[categories]\r\ncWork\r\n[Work]\r\npReport\r\n");
    std::filesystem::create_directory(dir.file("project.mmo"));
    BoxWithSignal boxes;
    boxes.signal_at = 2;
    auto app = make({}, &boxes);
    // A memo remembered after Exit wrote the memos is written (and refused) once more at the end.
    EXPECT_EQ(run(*app,
                  [&] {
                      app->client()->commands().run(kCmdExit);
                      app->project_list()->remember_memo(0, 0, "later");
                  }),
              0);
    EXPECT_FALSE(gave_up);
    EXPECT_EQ(boxes.texts, std::vector<std::string>(2, "Cannot write remembered memos to project.mmo\nIs a directory"));
}

TEST_F(ApplicationTest, ASignalEndsTheProgramWithoutQuestionsOrRecordsAndKeepsTheOpenSession)
{
    // Exit while checked in would refuse (ExitWhileCheckedIn 3); the end of a session does not ask.
    write_file(dir.file("velkors.ini"), "[velkors]\r\nAskAboutTutorial=0\r\n");
    write_file(dir.file("project.txt"), "[categories]\r\ncWork\r\n[Work]\r\npReport\r\n");
    auto app = make();
    bool later_check_out = true;
    const int code = run(*app, [&] {
        SessionEngine& engine = app->client()->engine();
        ASSERT_TRUE(engine.CheckIn(0, 0, false));
        app->project_list()->remember_memo(0, 0, "kept");
        ::raise(SIGTERM);
        ASSERT_TRUE(QTest::qWaitFor([&] { return app->end_requested(); }));
        later_check_out = engine.CheckOut(false); // whatever still runs records nothing now
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(later_check_out);
    app.reset();
    EXPECT_EQ(prompt.count(), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("velkors.log")));
    EXPECT_NE(read_file(dir.file("project.mmo")).find("[Work\tReport]\r\nmkept\r\n"), std::string::npos);
    EXPECT_NE(ini().find("Tci=0\r\n"), std::string::npos); // the exit steps ran and the settings were written
    MemoryRecordStore lock(read_file(dir.file("velkors.lck")));
    DazezUrureData open;
    ASSERT_TRUE(DecodeLckRecord(lock, open));
    EXPECT_EQ(open.category + "/" + open.project, "Work/Report");
}
