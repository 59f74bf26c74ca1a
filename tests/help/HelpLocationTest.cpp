// Where the help file is looked for, and the folder check of "Configure Online Help" that fetches
// it from the program folder.
#include "help/HelpLocation.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace velkor;
using namespace velkor::test;

namespace {

class HelpFolders : public ::testing::Test
{
protected:
    HelpFolders()
    {
        for (const char* folder : {"program", "here", "docs"})
            std::filesystem::create_directory(dir.file(folder));
        write_file(dir.file("program/velkors.qch"), std::string("help\0file\r\n", 11));
    }
    bool check(const std::string& folder)
    {
        return check_help_folder(folder, program, prompt, [this](int topic) { topics.push_back(topic); });
    }

    TempDir dir;
    std::string program = dir.file("program") + "/";
    std::string here = dir.file("here");
    ScriptedPrompt prompt;
    std::vector<int> topics;
};

} // namespace

TEST_F(HelpFolders, TheSettingNamesTheProgramFolderTheCurrentFolderOrAFolderOfItsOwn)
{
    HelpLocation in_program = locate_help("!0", program, here);
    EXPECT_EQ(in_program.file, dir.file("program/velkors.qch"));

    EXPECT_EQ(locate_help("!1", program, here).folder, here);
    EXPECT_EQ(locate_help("!1", program, here).file, std::nullopt);
    write_file(dir.file("here/velkors.qch"), "x");
    EXPECT_EQ(locate_help("!1", program, here).file, dir.file("here/velkors.qch"));

    // A folder of its own, relative ones taken in the current folder of the moment.
    write_file(dir.file("docs/velkors.qch"), "x");
    EXPECT_EQ(locate_help("../docs", program, here).file, dir.file("docs/velkors.qch"));
    EXPECT_EQ(locate_help(dir.file("docs") + "/", program, here).folder, dir.file("docs"));
    EXPECT_EQ(locate_help("nowhere", program, here).file, std::nullopt);
}

TEST_F(HelpFolders, SameFolderComparesNamesWithLetterCase)
{
    EXPECT_TRUE(same_folder("/opt/velkor/", "/opt/velkor"));
    EXPECT_FALSE(same_folder("/opt/Velkor", "/opt/velkor"));
}

TEST_F(HelpFolders, AFolderWithoutTheHelpFileGetsACopyFromTheProgramFolder)
{
    EXPECT_TRUE(check(dir.file("docs")));
    EXPECT_EQ(read_file(dir.file("docs/velkors.qch")), std::string("help\0file\r\n", 11));
    EXPECT_EQ(prompt.count(), 0u);

    // One that has it is accepted as it is.
    write_file(dir.file("docs/velkors.qch"), "own");
    EXPECT_TRUE(check(dir.file("docs")));
    EXPECT_EQ(read_file(dir.file("docs/velkors.qch")), "own");
}

TEST_F(HelpFolders, AMissingFolderIsRefused)
{
    const std::string missing = dir.file("gone");
    EXPECT_FALSE(check(missing));
    EXPECT_EQ(prompt.last(), (Message{"Folder does not exist:\n\n" + missing + "\n\nPlease create it and try again.",
                                      "Error", Buttons::Ok, Icon::Stop}));
    // A file in the folder's place is no folder either.
    write_file(dir.file("plain"), "x");
    EXPECT_FALSE(check(dir.file("plain")));
    EXPECT_EQ(prompt.count(), 2u);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(HelpFolders, WithoutAHelpFileInTheProgramFolderItsTopicAndAMessageAreShown)
{
    std::filesystem::remove(dir.file("program/velkors.qch"));
    EXPECT_FALSE(check(dir.file("docs")));
    EXPECT_EQ(topics, std::vector<int>{1110});
    EXPECT_EQ(prompt.last(), (Message{"The help file was not found.\nYou may need to reinstall Velkor.", "Error",
                                      Buttons::Ok, Icon::Information}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("docs/velkors.qch")));
}

TEST_F(HelpFolders, ACopyThatCannotBeWrittenIsReportedWithItsReason)
{
    // A folder where the help file should go: the copy cannot replace it.
    std::filesystem::create_directory(dir.file("docs/velkors.qch"));
    EXPECT_FALSE(check(dir.file("docs")));
    EXPECT_EQ(prompt.last(), (Message{"Could not create " + dir.file("docs") + "/velkors.qch\n\nReason: Is a directory",
                                      "Error", Buttons::Ok, Icon::Stop}));
}
