#include "platform/FileAccess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkor;
using namespace velkor::test;

TEST(FileAccess, AbsentOrWritableFilesMayBeRewrittenReadOnlyOnesNot)
{
    TempDir dir;
    const std::string path = dir.file("project.txt");
    EXPECT_TRUE(is_absent_or_writable(path));
    write_file(path, "A\r\n");
    EXPECT_TRUE(is_absent_or_writable(path));
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(is_absent_or_writable(path));
}
