#include "core/CommandLine.h"
#include "core/WorkingFolder.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace velkor;
using velkor::test::ScriptedPrompt;

namespace {

CommandLine parsed(std::vector<std::string> args)
{
    CommandLine cmd("/opt/velkor/bin/velkor", args);
    cmd.apply_variables(VariableLookup(args));
    cmd.apply_options();
    return cmd;
}

Message error_box(std::string text)
{
    return {std::move(text), "Error", Buttons::Ok, Icon::Stop};
}

} // namespace

TEST(CommandLine, ProgramFolderAndReporterComeFromArgumentZero)
{
    CommandLine unix_path("/opt/velkor/bin/velkor", {});
    EXPECT_EQ(unix_path.program_folder(), "/opt/velkor/bin/");
    EXPECT_EQ(unix_path.reporter_path(), "/opt/velkor/bin/vkrept");
    EXPECT_EQ(CommandLine("c:/tools\\clock\\velkor", {}).program_folder(), "c:/tools\\clock\\");
    EXPECT_EQ(CommandLine("velkor", {}).reporter_path(), "vkrept");
}

TEST(CommandLine, OptionsSelectFilesAndTitle)
{
    CommandLine cmd = parsed({"-l", "x.log", "-p", "y.txt"});
    EXPECT_EQ(cmd.log_file_path("velkors.log"), "x.log");
    EXPECT_EQ(cmd.project_file_path("project.txt"), "y.txt");
    EXPECT_FALSE(cmd.window_title());
    ScriptedPrompt prompt;
    EXPECT_TRUE(cmd.check_arguments(prompt));
    EXPECT_EQ(prompt.count(), 0u);

    // Only two characters count; an unknown option swallows its value here.
    CommandLine longer = parsed({"-log", "a.log", "-x", "-p", "-title", "Clock"});
    EXPECT_EQ(longer.log_file_path("velkors.log"), "a.log");
    EXPECT_EQ(longer.project_file_path("project.txt"), "project.txt");
    EXPECT_EQ(longer.window_title(), "Clock");

    // Without overrides the settings decide; an option without a value counts as absent.
    CommandLine last = parsed({"-t"});
    EXPECT_FALSE(last.window_title());
    EXPECT_EQ(last.log_file_path("mine.log"), "mine.log");
    EXPECT_TRUE(last.check_arguments(prompt));
}

TEST(CommandLine, TitleIsCutTo99BytesWithoutSplittingACharacter)
{
    EXPECT_EQ(parsed({"-t", std::string(150, 'a')}).window_title(), std::string(99, 'a'));
    // 98 ASCII bytes then a two-byte character: taking it whole would need 100 bytes.
    std::string title = std::string(98, 'a') + "\xC3\xA9" + "b";
    EXPECT_EQ(parsed({"-t", title}).window_title(), std::string(98, 'a'));
    EXPECT_EQ(cut_utf8("\xE2\x82\xAC\xE2\x82\xAC", 5), "\xE2\x82\xAC");
    EXPECT_EQ(parsed({"-l", std::string(600, 'L')}).log_file_path("x"), std::string(511, 'L'));
}

TEST(CommandLine, VariablesGiveOverridesThatOptionsBeat)
{
    setenv("VKR_TITLE", "From environment", 1);
    setenv("VKR_LOG_FILE", "env.log", 1);
    CommandLine cmd = parsed({"VKR_TITLE=My clock", "FOO=bar", "vkr_project_file=p.txt"});
    EXPECT_EQ(cmd.window_title(), "My clock");
    EXPECT_EQ(cmd.log_file_path("velkors.log"), "env.log");
    EXPECT_EQ(cmd.project_file_path("project.txt"), "p.txt");
    ScriptedPrompt prompt;
    EXPECT_TRUE(cmd.check_arguments(prompt));

    CommandLine options = parsed({"-l", "opt.log", "VKR_TITLE=Arg", "-t", "Option"});
    EXPECT_EQ(options.log_file_path("velkors.log"), "opt.log");
    EXPECT_EQ(options.window_title(), "Option");

    // An empty value leaves the choice to the setting, also over a variable.
    CommandLine empty = parsed({"VKR_TITLE=", "-l", "", "-p", ""});
    EXPECT_FALSE(empty.window_title());
    EXPECT_EQ(empty.log_file_path("velkors.log"), "velkors.log");
    EXPECT_EQ(empty.project_file_path("project.txt"), "project.txt");
    unsetenv("VKR_TITLE");
    unsetenv("VKR_LOG_FILE");
}

TEST(CommandLine, EveryBadArgumentGetsItsOwnMessage)
{
    ScriptedPrompt prompt;
    EXPECT_FALSE(parsed({"-q", "5"}).check_arguments(prompt));
    ASSERT_EQ(prompt.count(), 2u);
    EXPECT_EQ(prompt.messages()[0], error_box("Unknown command line argument:\n-q"));
    EXPECT_EQ(prompt.messages()[1], error_box("Unknown argument: 5"));

    prompt.clear();
    EXPECT_FALSE(parsed({"stray", "-t", "-z", "k=v", "-"}).check_arguments(prompt));
    ASSERT_EQ(prompt.count(), 2u);
    EXPECT_EQ(prompt.messages()[0].text, "Unknown argument: stray");
    EXPECT_EQ(prompt.messages()[1].text, "Unknown command line argument:\n-");
}

TEST(CommandLine, LockAndMirrorNamesUseTheStemAfterTheLastSeparator)
{
    EXPECT_EQ(lock_file_names("c:\\my.data\\log").lock, "c:\\my.data\\log.lck");
    EXPECT_EQ(lock_file_names("a\\velkors.log").lock, "a\\velkors.lck");
    EXPECT_EQ(lock_file_names("a\\velkors.log").mirror, "a\\velkors.clg");
    EXPECT_EQ(lock_file_names("x/a.b.log").mirror, "x/a.b.clg");
}

TEST(WorkingFolder, SwitchesOnlyOutOfAnInstallationFolderItWasStartedIn)
{
    const std::optional<std::string> docs = "/home/u/Documents";
    EXPECT_EQ(working_folder_target("/opt/velkor", "/opt/velkor/", docs), "/home/u/Documents/Velkor");
    EXPECT_EQ(working_folder_target("/usr/bin", "/usr/bin/", docs), "/home/u/Documents/Velkor");
    EXPECT_EQ(working_folder_target("/usr", "/usr/", docs), "/home/u/Documents/Velkor");
    EXPECT_EQ(
        working_folder_target("C:\\PROGRAM FILES (X86)\\Tools\\Clock", "C:\\Program Files (x86)\\Tools\\Clock\\", docs),
        "/home/u/Documents/Tools/Clock");
    EXPECT_EQ(working_folder_target("C:\\Program Files", "C:\\Program Files\\", docs), "/home/u/Documents/Default");

    EXPECT_FALSE(working_folder_target("/home/u", "/opt/velkor/", docs));               // started elsewhere
    EXPECT_FALSE(working_folder_target("/usrlocal/x", "/usrlocal/x/", docs));           // not under /usr/
    EXPECT_FALSE(working_folder_target("/x/program files", "/x/program files/", docs)); // marker is exact case
    EXPECT_FALSE(working_folder_target("/opt/velkor", "/opt/velkor/", std::nullopt));   // no documents folder
}
