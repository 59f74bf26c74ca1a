// The Help and File menu commands of a running main window, tried as a new user would: F1, the
// reporter, the About box with Shift, and a first start that takes the tutorial and leaves it.
#include "app/HelpCommands.h"
#include "app/FrameWindow.h"
#include "help/qt/AboutDlg.h"
#include "help/qt/Help.h"
#include "help/qt/HelpViewer.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DialogControls.h"

#include <QLabel>
#include <QRegularExpression>

using namespace velkor;
using namespace velkor::test;

namespace {

const std::string kProgramFiles = VELKOR_PROGRAM_FILES;

class HelpCommandsTest : public MainVKWindowTest
{
protected:
    void TearDown() override
    {
        // The application keeps a pointer to the help, which goes first.
        window.reset();
        app.reset();
    }
    // The real frame of the application, with its menu bar and accelerators.
    FrameWindow& start_frame()
    {
        app = std::make_unique<Application>(CommandLine(program + "velkor", {}), prompt);
        app->set_help(&help);
        EXPECT_TRUE(app->init_main_window());
        app->show_main_window();
        return *app->frame();
    }

    std::string program = dir.file("program") + "/";
    Help help{kProgramFiles, prompt};
};

} // namespace

TEST_F(HelpCommandsTest, F1OpensTheContentsAndWithoutAHelpFileTheHelpItemsAreGreyed)
{
    FrameWindow& frame = start_frame();
    ASSERT_TRUE(help.help_file());
    frame.menu()->accelerator(1)->trigger();
    ASSERT_NE(help.viewer(), nullptr);
    EXPECT_TRUE(help.viewer()->isVisible());
    EXPECT_EQ(help.viewer()->side(), 0);
    EXPECT_EQ(help.viewer()->page().fileName(), "index.html");

    frame.menu()->refresh(); // as opening the Help menu does
    frame.menu()->action(kCmdHelpIndex)->trigger();
    EXPECT_EQ(help.viewer()->side(), 1);
    EXPECT_TRUE(frame.menu()->action(kCmdHelpContents)->isEnabled());

    help.set_help_path(dir.path().string());
    frame.menu()->refresh();
    EXPECT_FALSE(frame.menu()->action(kCmdHelpContents)->isEnabled());
    EXPECT_FALSE(frame.menu()->action(kCmdHelpIndex)->isEnabled());
    // The exit steps close the help.
    help.set_help_path("!0");
    help.show_contents();
    frame.client()->commands().run(kCmdExit);
    EXPECT_FALSE(help.viewer()->isVisible());
}

TEST_F(HelpCommandsTest, TheReporterIsStartedFromTheProgramFolderOrItsFullPathIsNamed)
{
    FrameWindow& frame = start_frame();
    prompt.clear();
    frame.menu()->action(kCmdReporter)->trigger();
    EXPECT_EQ(prompt.last(),
              (Message{"Cannot execute Velkor Reporter, which should have been in:\n" + program + "vkrept", "Error",
                       Buttons::Ok, Icon::Stop}));

    // A reporter there runs in the current folder, where the log is.
    std::filesystem::create_directory(dir.file("program"));
    write_file(program + "vkrept", "#!/bin/sh\necho ran > reporter-ran\n");
    std::filesystem::permissions(program + "vkrept", std::filesystem::perms::owner_all);
    frame.menu()->action(kCmdReporter)->trigger();
    EXPECT_EQ(prompt.count(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(dir.file("reporter-ran")); }, 10000));
}

TEST_F(HelpCommandsTest, ShiftWhileOpeningAboutShowsTheBuildDate)
{
    FrameWindow& frame = start_frame();
    QString version;
    QString second;
    auto read_box = [&](AboutDlg* box) {
        version = control<QLabel>(box, 108)->text();
        second = control<QLabel>(box, 109)->text();
        box->accept();
    };
    when_modal<AboutDlg>(read_box);
    frame.menu()->action(kCmdAbout)->trigger();
    EXPECT_TRUE(version.startsWith("Version ")) << version.toStdString();
    EXPECT_FALSE(version.contains("Maint"));
    EXPECT_TRUE(second.startsWith("Copyright")) << second.toStdString();

    QTest::keyPress(&frame, Qt::Key_Shift, Qt::ShiftModifier);
    when_modal<AboutDlg>(read_box);
    frame.menu()->action(kCmdAbout)->trigger();
    QTest::keyRelease(&frame, Qt::Key_Shift);
    EXPECT_TRUE(QRegularExpression("^Version \\d+\\.\\d+ \\(Maint \\d+, Build \\d+\\)$").match(version).hasMatch())
        << version.toStdString();
    EXPECT_TRUE(QRegularExpression("^Built \\d{4}-\\d\\d-\\d\\d$").match(second).hasMatch()) << second.toStdString();
}

// A first start in a folder with real files: the question, Yes, work in the tutorial, leave.
class FirstStart : public HelpCommandsTest
{
protected:
    void SetUp() override
    {
        MainVKWindowTest::SetUp();
        write_file(dir.file("velkors.ini"), "[velkors]\r\nBkColor=255,255,255\r\nCloseOnSelect=y\r\n");
        write_file(dir.file("velkors.log"), log_line("Alpha", "Write", 9, 1));
        std::filesystem::create_directories(program + "Tutorial");
        for (const char* name : {"tutorial.txt", "tutorial.log"})
            std::filesystem::copy_file(kProgramFiles + "Tutorial/" + name, program + "Tutorial/" + name);
    }
    // The client on its own, on the test clock, as MainVKWindowTest::start makes it.
    MainVKWindow& start_client()
    {
        app = std::make_unique<Application>(CommandLine(program + "velkor", {}), prompt);
        app->set_help(&help);
        EXPECT_TRUE(app->init_main_window());
        window = std::make_unique<MainVKWindow>(*app, nullptr, &clock);
        window->commands().help().set_launcher([this](const std::string& program_path, const std::string& folder) {
            started.push_back(program_path + " in " + folder);
            return true;
        });
        window->SetupWindow();
        window->resize(600, 300);
        window->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->first_paint_pending(); }));
        prompt.target = window.get();
        return *window;
    }
    std::vector<std::string> started;
};

TEST_F(FirstStart, YesSwitchesToTheTutorialsOwnFilesAndLeaveComesBackToTheRealOnes)
{
    const std::string real_log = read_file(dir.file("velkors.log"));
    const std::string real_projects = read_file(dir.file("project.txt"));
    prompt.answer(Answer::Yes);
    MainVKWindow& w = start_client();
    ASSERT_GE(prompt.count(), 1u);
    EXPECT_EQ(prompt.messages()[0].text.substr(0, 47), "We recommend that you view the Velkor Tutorial.");
    EXPECT_EQ(std::filesystem::current_path(), dir.path() / "Tutorial");
    EXPECT_EQ(app->workspace().log_file(), "tutorial.log");
    EXPECT_EQ(list().category_name(0), "Client work");
    ASSERT_NE(help.viewer(), nullptr);
    EXPECT_EQ(help.viewer()->page().fileName(), "tutorial.html");

    // Work in the tutorial: a session goes to the tutorial's log, and the window stays open.
    const std::string sample_log = read_file(dir.file("Tutorial/tutorial.log"));
    click(0, 0);
    clock.advance(600);
    click(1, 0);
    EXPECT_TRUE(w.isVisible() && !w.isMinimized());
    EXPECT_EQ(read_file(dir.file("Tutorial/tutorial.log")),
              sample_log +
                  "2024/07/03\t09:46:40\t2024/07/03\t09:56:40\tClient work\tHarbour Bakery website\t65.00\r\n");
    EXPECT_EQ(read_file(dir.file("velkors.log")), real_log);
    EXPECT_EQ(read_file(dir.file("project.txt")), real_projects);

    // Leaving asks what Exit asks: still checked in, it stays.
    prompt.clear();
    w.commands().run(kCmdLeaveTutorial);
    EXPECT_EQ(prompt.last().text, "You must check out of the current project\nbefore Velkor can exit.");
    EXPECT_TRUE(started.empty());
    click(1, 0, Qt::RightButton);
    w.commands().run(kCmdLeaveTutorial);
    EXPECT_EQ(started, std::vector<std::string>{program + "velkor in " + dir.path().string()});
    EXPECT_TRUE(app->quit_requested());
    window.reset();
    app.reset();
    EXPECT_NE(read_file(dir.file("Tutorial/velkors.ini")).find("TutorialMode=0"), std::string::npos);

    // The program started again in the parent folder works on the real files.
    ScopedWorkingDir parent(dir.path());
    prompt.clear();
    MainVKWindow& again = start_client();
    EXPECT_EQ(prompt.count(), 1u) << "Yes does not turn the question off";
    EXPECT_EQ(app->workspace().log_file(), "velkors.log");
    EXPECT_EQ(list().category_name(0), "Alpha");
    EXPECT_FALSE(again.commands().menu_state().tutorial_mode);
    EXPECT_EQ(read_file(dir.file("velkors.log")), real_log);
}
