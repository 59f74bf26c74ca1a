// Entering and leaving tutorial mode, on real folders and a real workspace, with the program
// around it faked: the folder and its sample files are made once, the switch goes to the
// tutorial's own files, and every refusal leaves the program on its real files.
#include "help/TutorialMode.h"
#include "classlib/SettingsKeys.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace velkor;
using namespace velkor::test;

namespace {

// The main window's side: the workspace switch is the real one; everything else is recorded.
struct FakeHost : TutorialHost
{
    explicit FakeHost(Workspace& w) : workspace(w) {}

    bool checked_in() const override { return is_checked_in; }
    WorkspaceSwitch switch_workspace(const std::string& folder, const WorkspaceDefaults& defaults) override
    {
        calls.push_back("switch " + folder + " " + defaults.project_file + " " + defaults.log_file);
        return log_in_use ? WorkspaceSwitch::LogInUse : workspace.replace_workspace(folder, defaults);
    }
    void stop_closing_on_select() override { calls.push_back("no close"); }
    void show_topic(int topic) override { calls.push_back("topic " + std::to_string(topic)); }
    void place_window(const std::string& size, const std::string& position) override
    {
        calls.push_back("place " + size + " " + position);
    }
    bool query_close() override
    {
        calls.push_back("query");
        return may_close;
    }
    void release_hot_key() override { calls.push_back("hot key"); }
    bool start_program(const std::string& program, const std::string& folder) override
    {
        calls.push_back("start " + program + " in " + folder);
        return start_works;
    }
    void exit_steps() override { calls.push_back("exit"); }

    Workspace& workspace;
    bool is_checked_in = false;
    bool log_in_use = false;
    bool may_close = true;
    bool start_works = true;
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

const std::string kSampleProjects = "[categories]\r\ncLessons\r\n[Lessons]\r\npOne\r\n";
const std::string kSampleLog = "2026/11/02\t09:00:00\t2026/11/02\t10:00:00\tLessons\tOne\t0.00\r\n";

class Tutorial : public ::testing::Test
{
protected:
    static const TempDir& with_folders(const TempDir& dir)
    {
        std::filesystem::create_directories(dir.file("program/Tutorial"));
        std::filesystem::create_directory(dir.file("work"));
        return dir;
    }
    Tutorial()
    {
        write_file(dir.file("program/Tutorial/tutorial.txt"), kSampleProjects);
        write_file(dir.file("program/Tutorial/tutorial.log"), kSampleLog);
        write_file(dir.file("work/velkors.ini"), "[velkors]\r\nCloseOnSelect=y\r\n");
    }
    TutorialMode mode() { return TutorialMode(workspace.settings(), prompt, dir.file("program") + "/", host); }
    std::string folder() const { return std::filesystem::current_path().string(); }

    TempDir dir;
    ScopedWorkingDir cwd{with_folders(dir).file("work")};
    ScriptedPrompt prompt;
    Workspace workspace{prompt};
    FakeHost host{workspace};
};

} // namespace

TEST_F(Tutorial, TheStartUpQuestionFollowsItsThreeAnswers)
{
    const Message question{
        "We recommend that you view the Velkor Tutorial.\nIn less than 15 minutes you will see whether Velkor\nis the "
        "tool you have been looking for.\n\nClick \"Yes\" to view the Tutorial now.\nClick \"No\" to skip the "
        "Tutorial; I'll ask you again next time.\nClick \"Cancel\" if you don't want to see this message again.\n\n"
        "(You can view the Tutorial at any time by selecting\n\"Enter tutorial mode\" from the Help menu.)",
        "Velkor", Buttons::YesNoCancel, Icon::Question};
    prompt.answer(Answer::No);
    mode().offer();
    EXPECT_EQ(prompt.last(), question);
    EXPECT_TRUE(host.calls.empty());
    prompt.answer(Answer::Cancel);
    mode().offer();
    EXPECT_EQ(prompt.count(), 2u) << "No asks again";
    mode().offer();
    EXPECT_EQ(prompt.count(), 2u) << "Cancel turned the question off";
    workspace.settings().flush();
    EXPECT_EQ(read_file(dir.file("work/velkors.ini")), "[velkors]\r\nCloseOnSelect=y\r\nAskAboutTutorial=0\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("work/Tutorial")));

    put_flag(workspace.settings(), kAskAboutTutorial, true);
    prompt.answer(Answer::Yes);
    mode().offer();
    EXPECT_EQ(folder(), dir.file("work/Tutorial")) << "Yes enters the tutorial";
}

TEST_F(Tutorial, EnteringMovesToTheTutorialFolderWithItsSampleFiles)
{
    mode().enter();
    EXPECT_EQ(host.calls,
              (Calls{"switch Tutorial tutorial.txt tutorial.log", "no close", "topic 3000", "place 480x240 500 100"}));
    EXPECT_EQ(folder(), dir.file("work/Tutorial"));
    EXPECT_EQ(read_file("tutorial.txt"), kSampleProjects);
    EXPECT_EQ(read_file("tutorial.log"), kSampleLog);
    EXPECT_EQ(workspace.project_file(), "tutorial.txt");
    EXPECT_EQ(workspace.log_file(), "tutorial.log");
    // The flag is in the tutorial's own settings, written at once; the real ones are untouched.
    EXPECT_EQ(read_file("velkors.ini"), "[velkors]\r\nTutorialMode=1\r\n");
    EXPECT_EQ(read_file(dir.file("work/velkors.ini")), "[velkors]\r\nCloseOnSelect=y\r\n");
    EXPECT_EQ(prompt.count(), 0u);

    host.calls.clear();
    mode().enter();
    EXPECT_TRUE(host.calls.empty()) << "already in tutorial mode";
}

TEST_F(Tutorial, ASecondEntryFetchesNothingAndKeepsWhatWasRecorded)
{
    std::filesystem::create_directory(dir.file("work/Tutorial"));
    write_file(dir.file("work/Tutorial/tutorial.log"), kSampleLog + kSampleLog);
    std::filesystem::remove_all(dir.file("program/Tutorial"));
    mode().enter();
    EXPECT_EQ(read_file(dir.file("work/Tutorial/tutorial.log")), kSampleLog + kSampleLog);
    EXPECT_FALSE(std::filesystem::exists(dir.file("work/Tutorial/tutorial.txt")));
    EXPECT_EQ(workspace.log_file(), "tutorial.log");
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(Tutorial, RefusalsLeaveTheProgramOnItsRealFiles)
{
    const std::string work = dir.file("work");
    host.is_checked_in = true;
    mode().enter();
    EXPECT_EQ(prompt.last(), (Message{"Please check out of the current project\nbefore entering the tutorial mode.",
                                      "Velkor", Buttons::Ok, Icon::None}));
    host.is_checked_in = false;

    // One sample file missing: neither it nor the folder is left behind, so a later try fetches again.
    std::filesystem::remove(dir.file("program/Tutorial/tutorial.log"));
    mode().enter();
    EXPECT_EQ(prompt.last(), (Message{"Cannot enter tutorial mode--the\ntutorial data files are missing.\nYou may need "
                                      "to reinstall Velkor.",
                                      "Error", Buttons::Ok, Icon::None}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("work/Tutorial")));

    // A file in the folder's place.
    write_file(dir.file("work/Tutorial"), "x");
    mode().enter();
    EXPECT_EQ(prompt.last(), (Message{"Could not create " + work + "/Tutorial\n\nReason: File exists", "Error",
                                      Buttons::Ok, Icon::Stop}));

    EXPECT_EQ(prompt.count(), 3u);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(folder(), work);
    EXPECT_FALSE(get_flag(workspace.settings(), kTutorialMode));
}

TEST_F(Tutorial, ATutorialLogInUseEndsTheProgram)
{
    host.log_in_use = true;
    mode().enter();
    EXPECT_EQ(prompt.last(), (Message{"Sorry, someone else seems to be using the\ntutorial mode already.  Close all "
                                      "copies of\nVelkor and try again.",
                                      "Error", Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(host.calls, (Calls{"switch Tutorial tutorial.txt tutorial.log", "exit"}));
}

TEST_F(Tutorial, LeavingStartsTheProgramAgainInTheParentFolderAndEndsThisCopy)
{
    mode().enter();
    host.calls.clear();
    host.may_close = false;
    mode().leave();
    EXPECT_EQ(host.calls, Calls{"query"}) << "a refused close leaves the tutorial running";
    EXPECT_TRUE(get_flag(workspace.settings(), kTutorialMode));

    host.calls.clear();
    host.may_close = true;
    mode().leave();
    EXPECT_EQ(host.calls,
              (Calls{"query", "hot key", "start " + dir.file("program") + "/velkor in " + dir.file("work"), "exit"}));
    EXPECT_EQ(read_file(dir.file("work/Tutorial/velkors.ini")), "[velkors]\r\nTutorialMode=0\r\n");

    host.calls.clear();
    mode().leave();
    EXPECT_TRUE(host.calls.empty()) << "not in tutorial mode any more";
}

TEST_F(Tutorial, AProgramThatCannotBeStartedIsNamedAndThisCopyEndsAllTheSame)
{
    mode().enter();
    host.calls.clear();
    host.start_works = false;
    mode().leave();
    EXPECT_EQ(prompt.last(),
              (Message{"Cannot execute Velkor, which should have been in:\n" + dir.file("program") + "/velkor", "Error",
                       Buttons::Ok, Icon::Stop}));
    EXPECT_EQ(host.calls.back(), "exit");
}
