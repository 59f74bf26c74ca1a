#include "classlib/IniFile.h"
#include "classlib/ProfileFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

#include <filesystem>

using namespace velkor;
using velkor::test::read_file;
using velkor::test::TempDir;
using velkor::test::write_file;

namespace {

const std::string kOriginal = "; Velkor settings\r\n\r\n[Other]\nThing = 1\n# a hash comment\r\n"
                              "[velkors]\r\nLogFile = old.log\r\nUnknown=keep me\nno equals sign here\r\n"
                              "; comment after the last key\r\n\r\n[Reporter]\nDateFormat=1";

class PrivateIniFileTest : public ::testing::Test
{
protected:
    TempDir dir;
    std::string path = dir.file("velkors.ini");
};

} // namespace

TEST_F(PrivateIniFileTest, ChangingAndAddingKeysKeepsEveryOtherByte)
{
    write_file(path, kOriginal);
    {
        PrivateIniFile ini(path);
        EXPECT_EQ(ini.get_text("OTHER", "thing", ""), "1");
        EXPECT_EQ(ini.get_text("velkors", "LogFile", ""), "old.log");
        EXPECT_EQ(ini.get_int("Reporter", "DateFormat", 0), 1);
        EXPECT_EQ(ini.get_text("velkors", "a hash comment", "none"), "none");
        ini.put_text("velkors", "logfile", "new.log");
        ini.put_text("velkors", "Margin", "7");
        ini.flush();
        EXPECT_EQ(ini.last_flush_error(), 0);
    }
    EXPECT_EQ(read_file(path), "; Velkor settings\r\n\r\n[Other]\nThing = 1\n# a hash comment\r\n"
                               "[velkors]\r\nLogFile = new.log\r\nUnknown=keep me\nMargin=7\r\nno equals sign here\r\n"
                               "; comment after the last key\r\n\r\n[Reporter]\nDateFormat=1");

    // The store's destructor flushes what is left.
    {
        PrivateIniFile ini(path);
        ini.put_text("Reporter", "ProgressScanningMinSize", "5");
        ini.put_text("New", "Key", "v");
    }
    std::string after = read_file(path);
    EXPECT_EQ(after.substr(after.find("[Reporter]")),
              "[Reporter]\nDateFormat=1\r\nProgressScanningMinSize=5\r\n\r\n[New]\r\nKey=v\r\n");

    // Nothing dirty: the file is not touched, not even re-created.
    PrivateIniFile ini(path);
    ini.put_text("velkors", "LogFile", ini.get_text("velkors", "LogFile", ""));
    std::filesystem::remove(path);
    ini.flush();
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(PrivateIniFileTest, MissingFileReadsAsEmptyAndTwoStoresMergeKeyByKey)
{
    PrivateIniFile first(path);
    PrivateIniFile second(path);
    EXPECT_EQ(first.get_text("velkors", "LogFile", "velkors.log"), "velkors.log");
    first.put_text("velkors", "A", "1");
    second.put_text("velkors", "B", "2");
    first.flush();
    second.flush(); // loads the file afresh, so A survives
    EXPECT_EQ(read_file(path), "[velkors]\r\nA=1\r\nB=2\r\n");
}

TEST_F(PrivateIniFileTest, LineBreaksInValuesCannotInjectLines)
{
    {
        PrivateIniFile ini(path);
        ini.put_text("velkors", "WindowTitle", "a\r\n[Reporter]\nDateFormat=2");
    }
    EXPECT_EQ(read_file(path), "[velkors]\r\nWindowTitle=a  [Reporter] DateFormat=2\r\n");
    PrivateIniFile ini(path);
    EXPECT_EQ(ini.get_int("Reporter", "DateFormat", -1), -1);
}

TEST_F(PrivateIniFileTest, FailedWriteKeepsTheOldFileAndTheValuesDirty)
{
    std::string big = kOriginal + "\r\n[Filler]\r\nData=" + std::string(4000, 'x') + "\r\n";
    write_file(path, big);

    int error = 0;
    PrivateIniFile ini(path);
    {
        velkor::test::ScopedFileSizeLimit small(100);
        ini.put_text("velkors", "LogFile", "new.log");
        ini.flush();
        error = ini.last_flush_error();
    }
    EXPECT_NE(error, 0);
    EXPECT_EQ(read_file(path), big);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "velkors.ini"); // no temporary file left behind

    ini.flush(); // the value stayed dirty and goes out once writing works again
    EXPECT_EQ(ini.last_flush_error(), 0);
    EXPECT_NE(read_file(path).find("LogFile = new.log\r\n"), std::string::npos);
}

TEST_F(PrivateIniFileTest, SettingsFileThatIsAFifoReadsAsDefaultsAndIsNeverReplaced)
{
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    PrivateIniFile ini(path);
    EXPECT_EQ(ini.get_int("velkors", "Rate", 7), 7);
    ini.put_text("velkors", "LogFile", "new.log");
    ini.flush();
    EXPECT_EQ(ini.last_flush_error(), EINVAL);
    EXPECT_TRUE(std::filesystem::is_fifo(path));
}

TEST(ProfileFile, SurvivesGarbageAndSerialisesUntouchedBytesExactly)
{
    const char bytes[] = "\0\xFF[\r\r\n=\n[a\n\xFE=\x80\r\nkey==v=\r\n\0";
    std::string garbage(bytes, sizeof bytes - 1);
    garbage += std::string(100000, 'z') + "\n";
    ProfileFile file = ProfileFile::parse(garbage);
    EXPECT_EQ(file.serialise(), garbage);
    EXPECT_EQ(file.get("a", "\xFE"), std::optional<std::string>("\x80"));
    EXPECT_EQ(file.get("a", "key"), std::optional<std::string>("=v="));
}
