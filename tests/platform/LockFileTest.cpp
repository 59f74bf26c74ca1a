#include "platform/LockFile.h"
#include "core/LogLock.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

using namespace velkor;
using namespace velkor::test;

namespace {

bool exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

// Whether some other open could take the lock right now.
bool lockable(const std::string& path)
{
    LockFile probe;
    return probe.open(path) == 0;
}

} // namespace

TEST(LockFile, SecondLockOnTheSameLogFailsWithTheSystemMessageWhileTheFirstStaysHeld)
{
    TempDir dir;
    ScriptedPrompt prompt;
    LogLock first;
    ASSERT_TRUE(first.take(dir.file("velkors.log"), prompt));
    EXPECT_EQ(first.mirror_path(), dir.file("velkors.clg"));
    EXPECT_TRUE(exists(dir.file("velkors.lck")));

    LogLock second;
    EXPECT_FALSE(second.take(dir.file("velkors.log"), prompt));
    EXPECT_FALSE(second.is_held());
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last(), (Message{std::to_string(EWOULDBLOCK) + ": " + system_error_text(EWOULDBLOCK),
                                      "Lock file error", Buttons::Ok, Icon::Information}));
    EXPECT_TRUE(first.is_held());
    EXPECT_FALSE(lockable(dir.file("velkors.lck")));

    // A folder that does not exist: the open itself fails.
    EXPECT_FALSE(second.take(dir.file("missing/velkors.log"), prompt));
    EXPECT_EQ(prompt.last().text, std::to_string(ENOENT) + ": " + system_error_text(ENOENT));
}

TEST(LockFile, ContentIsKeptAcrossOpensAndReadBackAtAnOffset)
{
    TempDir dir;
    const std::string path = dir.file("a.lck");
    {
        LockFile file;
        ASSERT_EQ(file.open(path), 0);
        ASSERT_TRUE(file.write_at_start("0123456789"));
        ASSERT_TRUE(file.write_at_start("ab")); // overwrites the start, keeps the rest
    }
    LockFile file;
    ASSERT_EQ(file.open(path), 0);
    char buffer[16] = {};
    EXPECT_EQ(file.read_at(1, buffer, sizeof buffer), 9);
    EXPECT_EQ(std::string(buffer, 9), "b23456789");
    EXPECT_EQ(file.read_at(10, buffer, sizeof buffer), 0);
    EXPECT_EQ(read_file(path), "ab23456789");

    LockFile closed;
    EXPECT_FALSE(closed.write_at_start("x"));
    EXPECT_EQ(closed.read_at(0, buffer, 1), -1);
}

TEST(LockFile, TakingAnotherLogReleasesTheOldLockAndItsMirror)
{
    TempDir dir;
    ScriptedPrompt prompt;
    write_file(dir.file("a.clg"), "stale");
    LogLock lock;
    ASSERT_TRUE(lock.take(dir.file("a.log"), prompt));
    EXPECT_FALSE(exists(dir.file("a.clg"))); // the new mirror is deleted on taking

    write_file(dir.file("a.clg"), "session");
    write_file(dir.file("b.clg"), "stale");
    ASSERT_TRUE(lock.take(dir.file("b.log"), prompt));
    EXPECT_FALSE(exists(dir.file("a.clg")));
    EXPECT_FALSE(exists(dir.file("b.clg")));
    EXPECT_TRUE(exists(dir.file("a.lck"))); // lock files are never deleted
    EXPECT_TRUE(lockable(dir.file("a.lck")));
    EXPECT_FALSE(lockable(dir.file("b.lck")));

    // Another copy holds c: the attempt fails and b stays locked, its mirror untouched.
    LogLock other;
    ASSERT_TRUE(other.take(dir.file("c.log"), prompt));
    write_file(dir.file("b.clg"), "session");
    EXPECT_FALSE(lock.take(dir.file("c.log"), prompt));
    EXPECT_EQ(lock.mirror_path(), dir.file("b.clg"));
    EXPECT_FALSE(lockable(dir.file("b.lck")));
    EXPECT_TRUE(exists(dir.file("b.clg")));

    // The same log under another spelling is the lock already held, not a conflict.
    EXPECT_TRUE(lock.take(dir.path().string() + "/./b.log", prompt));
    EXPECT_TRUE(exists(dir.file("b.clg")));
    EXPECT_EQ(prompt.count(), 1u);
}

TEST(LockFile, APlantedLinkIsNeverFollowed)
{
    TempDir dir;
    ScriptedPrompt prompt;
    write_file(dir.file("other.txt"), "someone's file");
    std::filesystem::create_symlink("other.txt", dir.path() / "velkors.lck");
    LogLock lock;
    EXPECT_FALSE(lock.take(dir.file("velkors.log"), prompt));
    EXPECT_EQ(prompt.last().text, std::to_string(ELOOP) + ": " + system_error_text(ELOOP));
    EXPECT_EQ(read_file(dir.file("other.txt")), "someone's file");
}
