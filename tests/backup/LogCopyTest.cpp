// The File menu's Backup and Restore of the log on real files: exact copies, every message, and
// what a failure leaves behind.
#include "backup/LogCopy.h"
#include "backup/BackupNames.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace velkor;
using namespace velkor::test;
namespace fs = std::filesystem;

namespace {

Message backup_status(const std::string& text, Icon icon = Icon::Stop)
{
    return {text, "Backup status:", Buttons::Ok, icon};
}

Message restore_status(const std::string& text, Icon icon = Icon::Stop)
{
    return {text, "Restore status:", Buttons::Ok, icon};
}

std::set<std::string> names_in(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class LogCopyTest : public ::testing::Test
{
protected:
    // Two blocks and a bit, with the bytes a text-mode copy could spoil.
    const std::string log = std::string(4096 * 2 + 7, 'x') + "\r\n\n\r\x1a" + std::string(1, '\0');
    TempDir dir;
    const std::string log_file = dir.file("velkors.log");
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(LogCopyTest, BackupCopiesTheLogExactly)
{
    write_file(log_file, log);
    write_file(dir.file("x.log"), "an older backup, longer than nothing");
    EXPECT_TRUE(BackupLogFile(log_file, dir.file("x.log"), prompt));
    EXPECT_EQ(read_file(dir.file("x.log")), log);
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{backup_status("Completed", Icon::Information)}));
}

TEST_F(LogCopyTest, AFailedBackupLeavesNoCopyBehind)
{
    // A target that cannot be made creates nothing.
    const std::string nowhere = dir.file("no folder/x.log");
    write_file(log_file, log);
    EXPECT_FALSE(BackupLogFile(log_file, nowhere, prompt));
    EXPECT_EQ(prompt.last(), backup_status("Error on " + nowhere + "\nNo such file or directory"));

    // A log that cannot be read: the new target goes again, an existing one keeps its bytes.
    const std::string missing = dir.file("missing.log");
    EXPECT_FALSE(BackupLogFile(missing, dir.file("new.log"), prompt));
    EXPECT_EQ(prompt.last(), backup_status("Error on " + missing + "\nNo such file or directory"));
    write_file(dir.file("old.log"), "old backup");
    EXPECT_FALSE(BackupLogFile(missing, dir.file("old.log"), prompt));
    EXPECT_EQ(read_file(dir.file("old.log")), "old backup");

    // A disk that fills up: the partial copy is deleted.
    {
        ScopedFileSizeLimit full_disk(5000);
        EXPECT_FALSE(BackupLogFile(log_file, dir.file("big.log"), prompt));
    }
    EXPECT_EQ(prompt.last(), backup_status("Error on " + dir.file("big.log") + "\nFile too large"));
    EXPECT_EQ(names_in(dir.path()), (std::set<std::string>{"velkors.log", "old.log"}));
}

TEST_F(LogCopyTest, BackupOntoTheLogItselfIsRefusedAndKeepsTheLog)
{
    write_file(log_file, log);
    fs::create_symlink("velkors.log", dir.path() / "link.log");
    for (const std::string& target : {log_file, dir.file("link.log")}) {
        EXPECT_FALSE(BackupLogFile(log_file, target, prompt));
        EXPECT_EQ(prompt.last(),
                  backup_status("Error on " + target + "\nThe log file cannot be backed up onto itself."));
        EXPECT_EQ(read_file(log_file), log);
    }
}

TEST_F(LogCopyTest, RestoreAsksBeforeReplacingAnExistingLog)
{
    write_file(dir.file("backup.log"), log);
    write_file(log_file, "current");
    const Message question{"The log file " + log_file + "\nalready exists.  Is it ok to replace it with\n" +
                               dir.file("backup.log") + "?",
                           "Log file already exists", Buttons::YesNo, Icon::Question};

    prompt.answer(Answer::No);
    EXPECT_FALSE(RestoreLogFile(log_file, dir.file("backup.log"), prompt));
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{question}));
    EXPECT_EQ(read_file(log_file), "current");

    prompt.clear();
    prompt.answer(Answer::Yes);
    EXPECT_TRUE(RestoreLogFile(log_file, dir.file("backup.log"), prompt));
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{question, restore_status("Completed", Icon::Information)}));
    EXPECT_EQ(read_file(log_file), log);
    EXPECT_EQ(read_file(dir.file("backup.log")), log);
}

TEST_F(LogCopyTest, RestoreWithoutALogAsksNothing)
{
    write_file(dir.file("backup.log"), log);
    EXPECT_TRUE(RestoreLogFile(log_file, dir.file("backup.log"), prompt));
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{restore_status("Completed", Icon::Information)}));
    EXPECT_EQ(read_file(log_file), log);
}

TEST_F(LogCopyTest, AFailedRestoreLeavesTheLogByteForByte)
{
    const std::string current = "2024/07/03\t09:00:00\t2024/07/03\t10:00:00\tWork\tRead\t0.00\r\n";
    write_file(log_file, current);
    write_file(dir.file("backup.log"), log);

    prompt.answer(Answer::Yes);
    EXPECT_FALSE(RestoreLogFile(log_file, dir.file("missing.log"), prompt));
    EXPECT_EQ(prompt.last(), restore_status("Error on " + dir.file("missing.log") + "\nNo such file or directory"));

    prompt.answer(Answer::Yes);
    {
        ScopedFileSizeLimit full_disk(5000);
        EXPECT_FALSE(RestoreLogFile(log_file, dir.file("backup.log"), prompt));
    }
    EXPECT_EQ(prompt.last(), restore_status("Error on " + log_file + "\nFile too large"));
    EXPECT_EQ(read_file(log_file), current);
    EXPECT_EQ(names_in(dir.path()), (std::set<std::string>{"velkors.log", "backup.log"}));
}

TEST_F(LogCopyTest, RestoreReplacesWhatALinkedLogPointsTo)
{
    fs::create_directory(dir.path() / "real");
    write_file(dir.file("real/velkors.log"), "current");
    fs::permissions(dir.file("real/velkors.log"), static_cast<fs::perms>(0640));
    fs::create_symlink("real/velkors.log", log_file);
    write_file(dir.file("backup.log"), log);
    prompt.answer(Answer::Yes);
    EXPECT_TRUE(RestoreLogFile(log_file, dir.file("backup.log"), prompt));
    EXPECT_TRUE(fs::is_symlink(log_file));
    EXPECT_EQ(read_file(dir.file("real/velkors.log")), log);
    EXPECT_EQ(fs::status(dir.file("real/velkors.log")).permissions(), static_cast<fs::perms>(0640));
}

TEST(BackupNames, ProposalsAndCopyNamesSplitAtTheLastSeparatorOfEitherKind)
{
    EXPECT_EQ(propose_backup_file(".\\backup.log"), (FileProposal{".", "backup.log"}));
    EXPECT_EQ(propose_backup_file("/home/me/save/x.log"), (FileProposal{"/home/me/save", "x.log"}));
    EXPECT_EQ(propose_backup_file("d:\\save/dir\\x.log"), (FileProposal{"d:\\save/dir", "x.log"}));
    EXPECT_EQ(propose_backup_file("save"), (FileProposal{"save", ""}));
    EXPECT_EQ(propose_backup_file("/x.log"), (FileProposal{"/", "x.log"}));

    EXPECT_EQ(BackupCopyNames("logs\\my.day.log", "Backup").name(2), "Backup/my.day2.log");
    EXPECT_EQ(BackupCopyNames("/a.b/velkors", "/mnt/b").name(12), "/mnt/b/velkors12");
    EXPECT_EQ(BackupCopyNames("velkors.log", "").name(1), "./velkors1.log");
}
