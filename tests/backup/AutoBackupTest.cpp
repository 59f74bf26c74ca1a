// AutoBackup on real folders: when a copy is due, how the copies rotate with and without Smart
// Backup, what every failure tells, and how it follows the workspace's log and settings.
#include "backup/AutoBackup.h"
#include "backup/BackupRotation.h"
#include "classlib/SettingsKeys.h"
#include "core/Workspace.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/stat.h>

using namespace velkor;
using namespace velkor::test;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

constexpr TimeStamp kDay = 86400;
constexpr TimeStamp kJuly3 = 1720000000; // 2024-07-03 09:46:40 UTC

Message warning(const std::string& text)
{
    return {text, "Velkor AutoBackup", Buttons::Ok, Icon::Exclamation};
}

Message failure(const std::string& text)
{
    return {"AutoBackup failed!\n\n" + text, "Velkor AutoBackup", Buttons::Ok, Icon::Stop};
}

Message mismatch(const std::string& older, const std::string& newer)
{
    return warning("WARNING!\n\nThe older backup log file\n\"" + older +
                   "\"\ndoes not match the beginning of the newer file\n\"" + newer +
                   "\".\n\nYour current log file may be missing some of the data\nin \"" + older + "\".");
}

const Message kNoMatch = warning(
    "WARNING!\n\nEach of your backup log files contains information\nthat is not in the next newer backup log file, "
    "so\nnone can be deleted without the risk of losing data.\nTherefore, an additional backup log will be "
    "created.\n\nIt is highly recommend that you examine the backup logs\nto resolve this situation.  See the online "
    "help for tips.");

void set_modified(const std::string& path, TimeStamp t)
{
    const timespec times[2] = {{t, 0}, {t, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

std::set<std::string> names_in(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class AutoBackupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        write_file("velkors.ini", "[velkors]\r\nAutoBackup=1\r\nBackupReport=0\r\n");
        fs::create_directory("Backup");
        ASSERT_TRUE(workspace.replace_log("velkors.log"));
    }
    // A new program start: the settings are read, nothing is known about the copies yet.
    AutoBackup& start()
    {
        backup = std::make_unique<AutoBackup>(workspace, prompt, clock);
        backup->load_settings();
        return *backup;
    }
    // Copies made on earlier days; copy 1 yesterday, so that the next is due today.
    void copies(std::initializer_list<const char*> contents, const std::string& stem = "velkors",
                const std::string& extension = ".log")
    {
        int i = 1;
        for (const char* text : contents) {
            const std::string name = "Backup/" + stem + std::to_string(i++) + extension;
            if (text)
                write_file(name, text);
        }
        set_modified("Backup/" + stem + "1" + extension, kJuly3 - kDay);
    }
    static std::string copy(int i) { return "Backup/velkors" + std::to_string(i) + ".log"; }
    void settings(const std::string& lines) { write_file("velkors.ini", "[velkors]\r\nAutoBackup=1\r\n" + lines); }

    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    ScopedWorkingDir cwd{dir.path()};
    ScriptedPrompt prompt;
    TestClock clock{kJuly3};
    Workspace workspace{prompt};
    std::unique_ptr<AutoBackup> backup;
};

} // namespace

TEST_F(AutoBackupTest, FirstCopyThenNothingTheSameDayThenAShiftTheNextDay)
{
    const std::string log = "2024/07/02\t09:00:00\t2024/07/02\t10:00:00\tWork\tRead\t0.00\r\n\0binary\r"s;
    write_file("velkors.log", log);
    AutoBackup& b = start();
    b.run();
    EXPECT_EQ(read_file(copy(1)), log);
    EXPECT_EQ(names_in("Backup"), (std::set<std::string>{"velkors1.log"}));

    write_file("velkors.log", log + "more\r\n");
    clock.set(kJuly3 + 14 * 3600); // 23:46:40, the same day
    b.run();
    EXPECT_EQ(read_file(copy(1)), log);

    clock.advance(15 * 60); // 00:01:40, the next day
    b.run();
    EXPECT_EQ(read_file(copy(2)), log);
    EXPECT_EQ(read_file(copy(1)), log + "more\r\n");
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(AutoBackupTest, DueDaysAfterCopyOnesLocalModificationDate)
{
    ScopedTimeZone new_york("America/New_York");
    settings("BackupNDays=3\r\nBackupReport=1\r\n");
    write_file("velkors.log", "log");
    copies({"old"});
    set_modified(copy(1), 1719799200); // 2024-07-01 02:00 UTC, June 30 in New York: due July 3
    clock.set(kJuly3 - 11 * 3600);     // July 2, 18:46 in New York
    start().run();
    EXPECT_EQ(read_file(copy(1)), "old");
    EXPECT_EQ(prompt.count(), 0u);

    clock.set(kJuly3); // July 3, 05:46 in New York
    backup->run();
    EXPECT_EQ(read_file(copy(1)), "log");
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{{"AutoBackup completed successfully.", "Velkor AutoBackup",
                                                        Buttons::Ok, Icon::Information}}));

    // After a copy the next one is due the next day, not days later.
    write_file("velkors.log", "log 2");
    clock.advance(kDay);
    backup->run();
    EXPECT_EQ(read_file(copy(1)), "log 2");
}

TEST_F(AutoBackupTest, WithoutSmartBackupTheOldestCopyMakesRoom)
{
    settings("SmartBackup=0\r\nBackupReport=0\r\n");
    write_file("velkors.log", "log");
    copies({"one", "two", "three"});
    start().run();
    EXPECT_EQ(read_file(copy(1)), "log");
    EXPECT_EQ(read_file(copy(2)), "one");
    EXPECT_EQ(read_file(copy(3)), "two");
    EXPECT_EQ(names_in("Backup").size(), 3u);
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(AutoBackupTest, SmartBackupDeletesTheOldestCopyContainedInTheNextWithoutLookingFurther)
{
    // The log was shortened by hand, so copy 1 is no longer its beginning; copy 3 is the
    // beginning of copy 2, and that pair is compared first.
    const std::string long_head(5000, 'x');
    write_file("velkors.log", "AB");
    copies({"ABCD", (long_head + "tail").c_str(), long_head.c_str()});
    start().run();
    EXPECT_EQ(prompt.count(), 0u);
    EXPECT_EQ(read_file(copy(1)), "AB");
    EXPECT_EQ(read_file(copy(2)), "ABCD");
    EXPECT_EQ(read_file(copy(3)), long_head + "tail");
    EXPECT_EQ(names_in("Backup").size(), 3u);
}

TEST_F(AutoBackupTest, SmartBackupWithNoMatchingPairWarnsAndKeepsOneCopyMore)
{
    write_file("velkors.log", "L");
    copies({"1", "2", "3", "stale"});
    start().run();
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{mismatch("Backup/velkors3.log", "Backup/velkors2.log"),
                                                       mismatch("Backup/velkors2.log", "Backup/velkors1.log"),
                                                       mismatch("Backup/velkors1.log", "velkors.log"), kNoMatch}));
    EXPECT_EQ(read_file(copy(1)), "L");
    EXPECT_EQ(read_file(copy(2)), "1");
    EXPECT_EQ(read_file(copy(3)), "2");
    EXPECT_EQ(read_file(copy(4)), "3");
    EXPECT_EQ(names_in("Backup").size(), 4u);
    workspace.settings().flush();
    EXPECT_EQ(read_file("velkors.ini"), "[velkors]\r\nAutoBackup=1\r\nBackupReport=0\r\nBackupNCopies=4\r\n");
    EXPECT_EQ(backup->settings().copies, 4);
}

TEST_F(AutoBackupTest, ACopyThatCannotBeReadCountsAsDifferentWithItsOwnWarning)
{
    write_file("velkors.log", "ABC");
    copies({"AB", nullptr, "3"});
    fs::create_directory(copy(2));
    start().run();
    EXPECT_EQ(prompt.messages(),
              (std::vector<Message>{
                  warning("Could not read \"Backup/velkors2.log\nto compare it with \"Backup/velkors3.log\"\nI must "
                          "assume that they are different."),
                  mismatch("Backup/velkors3.log", "Backup/velkors2.log"),
                  warning("Could not read \"Backup/velkors2.log\"\nto compare it with \"Backup/velkors1.log\"\n\nI "
                          "must assume that they are different."),
                  mismatch("Backup/velkors2.log", "Backup/velkors1.log")}));
    // The pair (1, log file) matched: copy 1 made room for the new copy 1.
    EXPECT_EQ(read_file(copy(1)), "ABC");
    EXPECT_TRUE(fs::is_directory(copy(2)));
    EXPECT_EQ(read_file(copy(3)), "3");
}

TEST_F(AutoBackupTest, AMissingMiddleCopyIsTheRoomAndALogWithoutPointGivesCopiesWithoutExtension)
{
    ASSERT_TRUE(workspace.replace_log("velkors"));
    write_file("velkors", "log");
    copies({"one", nullptr, "three"}, "velkors", "");
    start().run();
    EXPECT_EQ(read_file("Backup/velkors1"), "log");
    EXPECT_EQ(read_file("Backup/velkors2"), "one");
    EXPECT_EQ(read_file("Backup/velkors3"), "three");
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(AutoBackupTest, AFailedRunTellsWhyAndTheNextRunTriesAgain)
{
    settings("SmartBackup=0\r\nBackupReport=0\r\nBackupNCopies=2\r\n");
    write_file("velkors.log", "log");
    copies({"one", nullptr});
    fs::create_directories(copy(2) + "/x"); // a folder that will not go
    start().run();
    EXPECT_EQ(prompt.messages(),
              (std::vector<Message>{failure("The backup file \"Backup/velkors2.log\"\ncannot be removed.")}));
    EXPECT_EQ(read_file(copy(1)), "one");

    fs::remove_all("Backup");
    prompt.clear();
    backup->run(); // the same day
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{failure(
                                     "Could not open backup log file for writing:\n\"Backup/velkors1.log\"\nNo such "
                                     "file or directory")}));

    fs::create_directory("Backup");
    fs::remove("velkors.log");
    fs::create_directory("velkors.log");
    prompt.clear();
    backup->run();
    EXPECT_EQ(prompt.messages(),
              (std::vector<Message>{failure("Could not open log file for reading:\n\"velkors.log\"\nIs a directory")}));

    fs::remove("velkors.log");
    write_file("velkors.log", "log");
    prompt.clear();
    backup->run();
    EXPECT_EQ(read_file(copy(1)), "log");
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(AutoBackupTest, ACopyCutShortNeverBecomesCopyOne)
{
    const std::string log(10000, 'L');
    write_file("velkors.log", log);
    copies({"one"});
    {
        ScopedFileSizeLimit full_disk(6000);
        start().run();
    }
    EXPECT_EQ(
        prompt.messages(),
        (std::vector<Message>{failure("Could not write backup log file:\n\"Backup/velkors1.log\"\nFile too large")}));
    // The old copy 1 was shifted before the copy failed; nothing took its place.
    EXPECT_EQ(names_in("Backup"), (std::set<std::string>{"velkors2.log"}));

    prompt.clear();
    backup->run();
    EXPECT_EQ(read_file(copy(1)), log);
    EXPECT_EQ(read_file(copy(2)), "one");
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(AutoBackupTest, ARenameThatFailsStopsTheRun)
{
    // Copy 10's name is one byte longer than copy 9's, too long for the file system.
    const std::string stem(250, 's');
    ASSERT_TRUE(workspace.replace_log(stem + ".log"));
    settings("BackupNCopies=10\r\nSmartBackup=0\r\n");
    write_file(stem + ".log", "log");
    copies({"1", "2", "3", "4", "5", "6", "7", "8", "9"}, stem);
    start().run();
    EXPECT_EQ(prompt.messages(),
              (std::vector<Message>{failure("The backup file \"Backup/" + stem + "9.log\"\ncould not be renamed to \"" +
                                            "Backup/" + stem + "10.log")}));
    EXPECT_EQ(read_file("Backup/" + stem + "1.log"), "1");
}

TEST_F(AutoBackupTest, NothingIsDoneWhileDisabledOrBeforeAnythingWasRecorded)
{
    copies({"one", "two", "three"});
    start().run();
    EXPECT_EQ(read_file(copy(1)), "one") << "no log yet: no copy is shifted or deleted";
    EXPECT_EQ(names_in("Backup").size(), 3u);

    write_file("velkors.log", "log");
    put_flag(workspace.settings(), kAutoBackup, false);
    start().run();
    EXPECT_EQ(read_file(copy(1)), "one");
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(AutoBackupTest, ACountBelowOneNeverTakesTheLogForACopy)
{
    settings("SmartBackup=0\r\nBackupReport=0\r\nBackupNCopies=0\r\n");
    write_file("velkors.log", "log");
    copies({"one"});
    start().run();
    EXPECT_EQ(read_file("velkors.log"), "log");
    EXPECT_EQ(read_file(copy(1)), "log");
    EXPECT_EQ(names_in("Backup"), (std::set<std::string>{"velkors1.log"}));
}

TEST_F(AutoBackupTest, FollowsTheLogAndTheSettingsOfTheWorkspace)
{
    write_file("velkors.log", "log");
    AutoBackup& b = start();
    b.run();
    ASSERT_TRUE(fs::exists(copy(1)));

    // Options gave another log: its copies are due at once, under its own name.
    write_file("work.log", "work");
    ASSERT_TRUE(workspace.replace_log("work.log"));
    b.run();
    EXPECT_EQ(read_file("Backup/work1.log"), "work");

    // The tutorial's folder has settings of its own.
    fs::create_directories("Tutorial/Saved");
    write_file("Tutorial/velkors.ini", "[velkors]\r\nAutoBackup=1\r\nBackupFolder=Saved\r\nBackupReport=0\r\n");
    write_file("Tutorial/tutorial.log", "lesson");
    ASSERT_EQ(workspace.replace_workspace("Tutorial", {"tutorial.txt", "tutorial.log"}), WorkspaceSwitch::Switched);
    EXPECT_EQ(b.settings().folder, "Saved");
    b.run();
    EXPECT_EQ(read_file(dir.file("Tutorial/Saved/tutorial1.log")), "lesson");
}

TEST(PrefixComparison, OlderMustBeTheBeginningOfNewerByteForByte)
{
    TempDir dir;
    const std::string head(4096 + 100, 'a');
    write_file(dir.file("newer"), head + "tail");
    const std::pair<std::string, PrefixMatch> cases[] = {
        {"", PrefixMatch::Match},
        {head, PrefixMatch::Match},
        {head + "tail", PrefixMatch::Match},
        {head + "tail!", PrefixMatch::Differs},
        {head + "taila", PrefixMatch::Differs}, // longer, ending as the newer one began
        {head.substr(0, 4150) + "b", PrefixMatch::Differs}, // in the second block
        {"\r\n", PrefixMatch::Differs},
    };
    for (const auto& [older, expected] : cases) {
        write_file(dir.file("older"), older);
        EXPECT_EQ(starts_with_file(dir.file("older"), dir.file("newer")), expected) << older.size();
    }
    EXPECT_EQ(starts_with_file(dir.file("missing"), dir.file("newer")), PrefixMatch::OlderUnreadable);
    EXPECT_EQ(starts_with_file(dir.file("older"), dir.file("missing")), PrefixMatch::NewerUnreadable);
}
