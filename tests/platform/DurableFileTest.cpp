// Whole-file rewrites: a full disk, symbolic links, modes, special files, and the temporary files
// of rewrites that were cut short.
#include "platform/DurableFile.h"
#include "tests/support/AbandonedRewrite.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velkor;
using namespace velkor::test;
namespace fs = std::filesystem;

namespace {

int g_error = 0;      // what the failing maker reports
int g_held_temp = -1; // a temporary file another rewrite is still writing

int failing_maker(char*)
{
    errno = g_error;
    return -1;
}

// Creates the temporary file and keeps it locked, as a rewrite in another copy of the program does.
int holding_maker(char* name_template)
{
    g_held_temp = ::mkstemp(name_template);
    ::flock(g_held_temp, LOCK_EX);
    errno = ENOSPC;
    return -1;
}

std::set<std::string> names_in(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

unsigned mode_of(const std::string& path)
{
    struct stat info
    {
    };
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

struct ScopedUmask
{
    explicit ScopedUmask(mode_t mask) : my_old(::umask(mask)) {}
    ~ScopedUmask() { ::umask(my_old); }
    mode_t my_old;
};

} // namespace

TEST(DurableFile, OnlyAFolderThatForbidsNewFilesLetsTheRewriteGoInPlace)
{
    TempDir dir;
    const std::string path = dir.file("project.txt");
    write_file(path, "old contents");

    // No free inode, no free block, a broken disk: writing in place would truncate the file and
    // then fail too (no byte may be written here), so the old file must stay as it is.
    for (int error : {ENOSPC, EDQUOT, EIO, EMFILE}) {
        g_error = error;
        ScopedFileSizeLimit no_room(0);
        EXPECT_EQ(write_file_atomically(path, "new contents", Links::Follow, failing_maker), error);
        EXPECT_EQ(read_file(path), "old contents") << error;
    }
    // A folder the program may not add files to: the file itself is written.
    for (int error : {EACCES, EPERM, EROFS}) {
        g_error = error;
        EXPECT_EQ(write_file_atomically(path, "in place " + std::to_string(error), Links::Follow, failing_maker), 0);
        EXPECT_EQ(read_file(path), "in place " + std::to_string(error));
    }
    EXPECT_EQ(names_in(dir.path()), std::set<std::string>{"project.txt"});
}

TEST(DurableFile, SymbolicLinksAreFollowedAndTheirTargetReplacedInItsOwnFolder)
{
    TempDir dir;
    fs::create_directory(dir.path() / "real");
    write_file(dir.file("real/p.txt"), "old");
    fs::create_symlink("real/p.txt", dir.path() / "project.txt");
    fs::create_symlink(dir.file("project.txt"), dir.path() / "second.txt"); // a link to a link

    ASSERT_EQ(write_file_atomically(dir.file("second.txt"), "new"), 0);
    EXPECT_EQ(read_file(dir.file("real/p.txt")), "new");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "project.txt"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "second.txt"));
    EXPECT_EQ(names_in(dir.path()), (std::set<std::string>{"project.txt", "real", "second.txt"}));
    EXPECT_EQ(names_in(dir.path() / "real"), std::set<std::string>{"p.txt"});

    // A link to a file that does not exist yet creates the file, as writing through it would.
    fs::create_symlink("real/later.txt", dir.path() / "later.txt");
    ASSERT_EQ(write_file_atomically(dir.file("later.txt"), "made"), 0);
    EXPECT_EQ(read_file(dir.file("real/later.txt")), "made");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "later.txt"));

    // The program's own files replace a link planted in their place instead.
    write_file(dir.file("other.txt"), "someone's file");
    fs::create_symlink("other.txt", dir.path() / "own.clg");
    g_error = EACCES;
    EXPECT_EQ(write_file_atomically(dir.file("own.clg"), "x", Links::Replace, failing_maker), ELOOP);
    ASSERT_EQ(write_file_atomically(dir.file("own.clg"), "mirror", Links::Replace), 0);
    EXPECT_EQ(read_file(dir.file("other.txt")), "someone's file");
    EXPECT_FALSE(fs::is_symlink(dir.path() / "own.clg"));
    EXPECT_EQ(read_file(dir.file("own.clg")), "mirror");

    fs::create_symlink("loop-b", dir.path() / "loop-a");
    fs::create_symlink("loop-a", dir.path() / "loop-b");
    EXPECT_EQ(write_file_atomically(dir.file("loop-a"), "x"), ELOOP);
}

TEST(DurableFile, FoldersAndSpecialFilesAreNeverReplaced)
{
    TempDir dir;
    fs::create_directory(dir.path() / "folder.txt");
    ASSERT_EQ(::mkfifo(dir.file("fifo.txt").c_str(), 0600), 0);
    fs::create_symlink("fifo.txt", dir.path() / "link.txt");

    EXPECT_EQ(write_file_atomically(dir.file("folder.txt"), "x"), EISDIR);
    EXPECT_EQ(write_file_atomically(dir.file("fifo.txt"), "x"), EINVAL);
    EXPECT_EQ(write_file_atomically(dir.file("link.txt"), "x"), EINVAL);
    EXPECT_TRUE(fs::is_directory(dir.path() / "folder.txt"));
    EXPECT_TRUE(fs::is_fifo(dir.path() / "fifo.txt"));
    // Even where the folder forbids new files, a FIFO is not opened for writing (which would
    // wait for a reader for ever).
    g_error = EACCES;
    EXPECT_EQ(write_file_atomically(dir.file("fifo.txt"), "x", Links::Follow, failing_maker), EINVAL);
    EXPECT_EQ(names_in(dir.path()), (std::set<std::string>{"fifo.txt", "folder.txt", "link.txt"}));
}

TEST(DurableFile, NewFilesTakeTheModeTheUmaskGivesReplacedFilesKeepTheirs)
{
    TempDir dir;
    ScopedUmask mask(027);
    ASSERT_EQ(write_file_atomically(dir.file("new.txt"), "a"), 0);
    EXPECT_EQ(mode_of(dir.file("new.txt")), 0640u);

    write_file(dir.file("private.txt"), "old");
    fs::permissions(dir.path() / "private.txt", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(write_file_atomically(dir.file("private.txt"), "new"), 0);
    EXPECT_EQ(mode_of(dir.file("private.txt")), 0600u);

    write_file(dir.file("shared.txt"), "old");
    fs::permissions(dir.path() / "shared.txt", fs::perms::all);
    ASSERT_EQ(write_file_atomically(dir.file("shared.txt"), "new"), 0);
    EXPECT_EQ(mode_of(dir.file("shared.txt")), 0777u);
}

TEST(DurableFile, LeftoversOfRewritesCutShortAreRemovedButNotOnesStillBeingWritten)
{
    TempDir dir;
    fs::create_directory(dir.path() / "real");
    write_file(dir.file("real/p.txt"), "kept");
    fs::create_symlink("real/p.txt", dir.path() / "project.txt");
    const std::set<std::string> user_files{"p.txt.backup", "p.txt.velkor-notes.txt", "q.txt.velkor-abc123"};
    for (const std::string& name : user_files)
        write_file(dir.file("real/" + name), "user's");

    abandon_rewrite(dir.file("project.txt"));
    abandon_rewrite(dir.file("project.txt"));
    EXPECT_EQ(write_file_atomically(dir.file("project.txt"), "new", Links::Follow, holding_maker), ENOSPC);
    ASSERT_EQ(names_in(dir.path() / "real").size(), user_files.size() + 4);

    remove_interrupted_rewrites(dir.file("project.txt"));
    std::set<std::string> left = names_in(dir.path() / "real");
    EXPECT_EQ(left.erase("p.txt"), 1u);
    for (const std::string& name : user_files)
        EXPECT_EQ(left.erase(name), 1u) << name;
    ASSERT_EQ(left.size(), 1u); // the one another rewrite still holds
    EXPECT_EQ(left.begin()->rfind("p.txt.", 0), 0u);
    EXPECT_EQ(read_file(dir.file("real/p.txt")), "kept");

    ::close(g_held_temp); // that rewrite was killed: its leftover goes at the next start
    remove_interrupted_rewrites(dir.file("project.txt"));
    left = names_in(dir.path() / "real");
    EXPECT_EQ(left.erase("p.txt"), 1u);
    EXPECT_EQ(left, user_files);
}
