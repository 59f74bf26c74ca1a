// Whole-file rewrites: a full disk, symbolic links, special files, modes, and what rewrites that
// were cut short leave behind.
#include "platform/DurableFile.h"
#include "tests/support/AbandonedRewrite.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>

using namespace velkor;
using namespace velkor::test;
namespace fs = std::filesystem;

namespace {

int g_error = 0; // what the failing maker reports

int failing_maker(char*)
{
    errno = g_error;
    return -1;
}

std::set<std::string> names_in(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

TEST(DurableFile, OnlyAFolderThatForbidsNewFilesLetsTheRewriteGoInPlace)
{
    TempDir dir;
    const std::string path = dir.file("project.txt");
    write_file(path, "old contents");
    // No free inode or block, a broken disk: writing in place would truncate the file and then
    // fail too (no byte may be written here), so the old file must stay as it is.
    for (int error : {ENOSPC, EIO}) {
        g_error = error;
        ScopedFileSizeLimit no_room(0);
        EXPECT_EQ(write_file_atomically(path, "new contents", Links::Follow, failing_maker), error);
        EXPECT_EQ(read_file(path), "old contents");
    }
    for (int error : {EACCES, EPERM, EROFS}) {
        g_error = error;
        EXPECT_EQ(write_file_atomically(path, "in place " + std::to_string(error), Links::Follow, failing_maker), 0);
        EXPECT_EQ(read_file(path), "in place " + std::to_string(error));
    }
}

TEST(DurableFile, LinksAreFollowedToTheirTargetButNeverReplaceAFolderOrSpecialFile)
{
    TempDir dir;
    fs::create_directories(dir.path() / "real" / "folder");
    write_file(dir.file("real/p.txt"), "old");
    fs::create_symlink("real/p.txt", dir.path() / "project.txt");
    ASSERT_EQ(write_file_atomically(dir.file("project.txt"), "new"), 0);
    EXPECT_EQ(read_file(dir.file("real/p.txt")), "new");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "project.txt"));
    EXPECT_EQ(names_in(dir.path() / "real"), (std::set<std::string>{"folder", "p.txt"}));

    // The program's own files replace a link planted in their place, even writing in place.
    fs::create_symlink("real/p.txt", dir.path() / "own.clg");
    g_error = EACCES;
    EXPECT_EQ(write_file_atomically(dir.file("own.clg"), "x", Links::Replace, failing_maker), ELOOP);
    ASSERT_EQ(write_file_atomically(dir.file("own.clg"), "mirror", Links::Replace), 0);
    EXPECT_EQ(read_file(dir.file("real/p.txt")), "new");
    EXPECT_FALSE(fs::is_symlink(dir.path() / "own.clg"));

    ASSERT_EQ(::mkfifo(dir.file("real/fifo").c_str(), 0600), 0);
    fs::create_symlink("real/fifo", dir.path() / "fifo.txt");
    EXPECT_EQ(write_file_atomically(dir.file("fifo.txt"), "x"), EINVAL);
    EXPECT_EQ(write_file_atomically(dir.file("real/folder"), "x"), EISDIR);
    EXPECT_TRUE(fs::is_fifo(dir.path() / "real" / "fifo"));
}

TEST(DurableFile, NewFilesTakeTheModeTheUmaskGivesReplacedFilesKeepTheirs)
{
    TempDir dir;
    mode_t old_mask = ::umask(027);
    ASSERT_EQ(write_file_atomically(dir.file("new.txt"), "a"), 0);
    write_file(dir.file("old.txt"), "old");
    fs::permissions(dir.file("old.txt"), static_cast<fs::perms>(0604));
    ASSERT_EQ(write_file_atomically(dir.file("old.txt"), "new"), 0);
    ::umask(old_mask);
    EXPECT_EQ(fs::status(dir.file("new.txt")).permissions(), static_cast<fs::perms>(0640));
    EXPECT_EQ(fs::status(dir.file("old.txt")).permissions(), static_cast<fs::perms>(0604));
}

TEST(DurableFile, LeftoversOfRewritesCutShortAreRemovedButNotOnesStillBeingWritten)
{
    TempDir dir;
    fs::create_directory(dir.path() / "real");
    fs::create_symlink("real/p.txt", dir.path() / "project.txt");
    const std::set<std::string> kept{"p.txt", "p.txt.backup", "p.txt.velkor-notes.txt", "q.txt.velkor-abc123"};
    for (const std::string& name : kept)
        write_file(dir.file("real/" + name), "user's");
    abandon_rewrite(dir.file("project.txt"));
    abandon_rewrite(dir.file("project.txt"));
    std::set<std::string> leftovers = names_in(dir.path() / "real");
    std::erase_if(leftovers, [&](const std::string& name) { return kept.count(name) != 0; });
    ASSERT_EQ(leftovers.size(), 2u);

    // Another copy of the program is writing one of them right now: it holds its lock.
    const std::string busy = *leftovers.begin();
    int busy_fd = ::open(dir.file("real/" + busy).c_str(), O_RDONLY);
    ::flock(busy_fd, LOCK_EX);
    remove_interrupted_rewrites(dir.file("project.txt"));
    std::set<std::string> expected = kept;
    expected.insert(busy);
    EXPECT_EQ(names_in(dir.path() / "real"), expected);

    ::close(busy_fd); // that copy was killed: its leftover goes at the next start
    remove_interrupted_rewrites(dir.file("project.txt"));
    EXPECT_EQ(names_in(dir.path() / "real"), kept);
}

TEST(DurableFile, AFileReplacedPieceByPieceChangesOnlyAtTheCommit)
{
    TempDir dir;
    const std::string path = dir.file("velkors.log");
    write_file(path, "old");
    {
        ReplacingFile file(path);
        ASSERT_EQ(file.open(), 0);
        ASSERT_EQ(file.write("new "), 0);
        ASSERT_EQ(file.write("log"), 0);
        EXPECT_EQ(read_file(path), "old");
    } // dropped without a commit
    EXPECT_EQ(names_in(dir.path()), (std::set<std::string>{"velkors.log"}));

    ReplacingFile file(path);
    ASSERT_EQ(file.open(), 0);
    ASSERT_EQ(file.write("new log"), 0);
    ASSERT_EQ(file.commit(), 0);
    EXPECT_EQ(read_file(path), "new log");
    EXPECT_EQ(names_in(dir.path()), (std::set<std::string>{"velkors.log"}));

    // A folder that forbids new files is a failure, never a reason to write in place.
    g_error = EACCES;
    ReplacingFile refused(path, Links::Follow, failing_maker);
    EXPECT_EQ(refused.open(), EACCES);
    EXPECT_EQ(refused.write("x"), EBADF);
    EXPECT_EQ(read_file(path), "new log");
}
