#include "core/LogWriter.h"

#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProjectList.h"
#include "core/TimeValues.h"
#include "platform/LogAppend.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace velkor;
using velkor::test::read_file;
using velkor::test::write_file;

namespace {

// Fails one chosen step of an append after doing the real work up to that point.
class FailingSink : public LogSink
{
public:
    enum class Step
    {
        None,
        Open,
        Write,
        Flush,
        Close
    };

    Step fail_at = Step::None;
    std::size_t bytes_before_failure = 0; // what a failing write still puts in the file

    bool open(const std::string& path) override { return fail_at != Step::Open && my_file.open(path); }
    bool write(std::string_view bytes) override
    {
        if (fail_at != Step::Write)
            return my_file.write(bytes);
        my_file.write(bytes.substr(0, bytes_before_failure));
        return false;
    }
    bool flush() override { return my_file.flush() && fail_at != Step::Flush; }
    bool close() override { return my_file.close() && fail_at != Step::Close; }
    bool roll_back() override { return my_file.roll_back(); }

private:
    LogAppend my_file;
};

class NoMemoryWriter : public LogWriter
{
public:
    using LogWriter::LogWriter;

protected:
    std::unique_ptr<char[]> allocate(std::size_t) override { throw std::bad_alloc(); }
};

constexpr AppendResult kWritten = AppendResult::Written;
constexpr char kLine[] = "2024/03/07\t09:05:00\t2024/03/07\t17:30:09\tWork\tReport\t0.00\r\n";

class LogWriterTest : public ::testing::Test
{
protected:
    LogWriterTest() : settings(dir.file("velkors.ini"))
    {
        list.add_category("Work", 0, false);
        list.add_project(0, "Report", false);
    }

    template <class Writer = LogWriter>
    std::unique_ptr<Writer> make_writer(LockdownSwitches switches = kLockdownSwitches,
                                        std::unique_ptr<LogSink> sink = nullptr)
    {
        return std::make_unique<Writer>(
            prompt, settings, [this] { return log; }, [this]() -> const ProjectList& { return list; },
            [this] { return environment; }, [this] { ++quit_requests; }, switches, std::move(sink));
    }

    AppendResult append(LogWriter& writer, std::string_view memo = {})
    {
        return writer.AppendLogRecord(date, TimeRec{5, 9, 0, 0}, date, TimeRec{30, 17, 0, 9}, 0, 0, memo);
    }

    test::TempDir dir;
    std::string log = dir.file("velkors.log");
    PrivateIniFile settings;
    ProjectList list;
    test::ScriptedPrompt prompt;
    std::string environment;
    int quit_requests = 0;
    DateRec date{2024, 7, 3};
};

TEST_F(LogWriterTest, RecordsAreWrittenByteForByte)
{
    auto writer = make_writer();
    EXPECT_EQ(append(*writer), kWritten);

    list.set_category_rate(0, 2550);
    EXPECT_EQ(append(*writer), kWritten); // category rate, project unset
    list.set_project_rate(0, 0, 0);
    EXPECT_EQ(append(*writer), kWritten); // a project rate of 0 wins
    list.set_category_rate(0, -1);
    list.set_project_rate(0, 0, -1);
    put_int(settings, kRate, 1234);
    EXPECT_EQ(append(*writer), kWritten); // falls back to the setting

    put_int(settings, kRate, 0);
    environment = "x";
    EXPECT_EQ(append(*writer), kWritten); // empty memo field kept before the environment
    environment = "\t";
    EXPECT_EQ(append(*writer), kWritten); // two empty values
    environment.clear();
    EXPECT_EQ(append(*writer, "a\r\nb"), kWritten);
    EXPECT_EQ(append(*writer, "a\nb\rc\td"), kWritten);
    EXPECT_EQ(writer->AppendLogRecord(date, TimeRec{0, 14, 0, 0}, date, TimeRec{0, 14, 0, 0}, 0, 0, "note"), kWritten);

    const std::string head = "2024/03/07\t09:05:00\t2024/03/07\t17:30:09\tWork\tReport\t";
    EXPECT_EQ(read_file(log), std::string(kLine) + head + "25.50\r\n" + head + "0.00\r\n" + head + "12.34\r\n" + head +
                                  "0.00\t\tx\r\n" + head + "0.00\t\t\t\r\n" + head + "0.00\ta\\/b\r\n" + head +
                                  "0.00\ta b c\td\r\n" +
                                  "2024/03/07\t14:00:00\t2024/03/07\t14:00:00\tWork\tReport\t0.00\tnote\r\n");
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(LogWriterTest, BufferGrowsToNeededPlus512AndIsReused)
{
    auto writer = make_writer();
    EXPECT_EQ(writer->buffer_capacity(), 0u);
    ASSERT_EQ(append(*writer), kWritten);
    EXPECT_EQ(writer->buffer_capacity(), 4u + 6u + 50u + 512u);
    ASSERT_EQ(append(*writer, std::string(500, 'm')), kWritten);
    EXPECT_EQ(writer->buffer_capacity(), 572u); // still fits
    ASSERT_EQ(append(*writer, std::string(1000, 'm')), kWritten);
    EXPECT_EQ(writer->buffer_capacity(), 1000u + 4u + 6u + 50u + 512u);
}

TEST_F(LogWriterTest, FailedAppendLeavesTheLogAsItWasAndRetryWritesOnce)
{
    const std::string before = "2024/03/06\t08:00:00\t2024/03/06\t09:00:00\tWork\tReport\t0.00\r\n";
    write_file(log, before);
    auto owned = std::make_unique<FailingSink>();
    FailingSink& sink = *owned;
    auto writer = make_writer(kLockdownSwitches, std::move(owned));

    const std::string write_failure = "Cannot write to the log file! This may be due to\nthe disk being full. You "
                                      "may wish to delete some\nother files and then Retry, or Cancel now to abort.";
    const std::pair<FailingSink::Step, std::string> cases[] = {
        {FailingSink::Step::Open,
         "Cannot open the log file! If another application is\nusing the file, please exit it.  Or there might be\n"
         "too many files open--you may wish to exit some other\napplications.  Click Retry to try again, or Cancel "
         "to\nabort the check-in or check-out."},
        {FailingSink::Step::Write, write_failure},
        {FailingSink::Step::Flush, write_failure},
        {FailingSink::Step::Close, "Cannot close to the log file!" + write_failure.substr(29)},
    };
    for (const auto& [step, text] : cases) {
        SCOPED_TRACE(text);
        sink.fail_at = step;
        sink.bytes_before_failure = 20;
        prompt.clear();
        prompt.answer(Answer::Retry);
        EXPECT_EQ(append(*writer), AppendResult::Retry);
        prompt.answer(Answer::Cancel);
        EXPECT_EQ(append(*writer), AppendResult::Cancel);
        ASSERT_EQ(prompt.count(), 2u);
        EXPECT_EQ(prompt.last(), (Message{text, log, Buttons::RetryCancel, Icon::Exclamation}));
        EXPECT_EQ(read_file(log), before);
    }

    sink.fail_at = FailingSink::Step::None;
    EXPECT_EQ(append(*writer), kWritten);
    EXPECT_EQ(read_file(log), before + kLine);
}

TEST_F(LogWriterTest, AFailedFirstRecordLeavesNoFile)
{
    auto owned = std::make_unique<FailingSink>();
    owned->fail_at = FailingSink::Step::Write;
    owned->bytes_before_failure = 20;
    auto writer = make_writer(kLockdownSwitches, std::move(owned));
    EXPECT_EQ(append(*writer), AppendResult::Cancel);
    EXPECT_FALSE(std::filesystem::exists(log));
}

TEST_F(LogWriterTest, AFolderInThePlaceOfTheLogIsLeftAlone)
{
    std::filesystem::create_directory(log);
    EXPECT_EQ(append(*make_writer()), AppendResult::Cancel);
    EXPECT_EQ(prompt.last().caption, log);
    EXPECT_TRUE(std::filesystem::is_directory(log));
}

TEST_F(LogWriterTest, AFifoIsNoLogAndIsNeitherWaitedOnNorWrittenTo)
{
    log = dir.file("fifo.log");
    ASSERT_EQ(::mkfifo(log.c_str(), 0600), 0);
    EXPECT_EQ(append(*make_writer()), AppendResult::Cancel);
    int reader = ::open(log.c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_EQ(append(*make_writer()), AppendResult::Cancel);
    char byte;
    EXPECT_EQ(::read(reader, &byte, 1), 0); // nothing was written into it
    ::close(reader);
}

TEST_F(LogWriterTest, ARecordIsSyncedToDiskBeforeItIsReportedWritten)
{
    // The sync sees the descriptor of the log with the whole record already in it.
    std::vector<std::int64_t> sizes_at_sync;
    auto watching = [&](int fd) {
        struct stat st
        {
        };
        ::fstat(fd, &st);
        sizes_at_sync.push_back(st.st_size);
        return ::fsync(fd);
    };
    write_file(log, "old\r\n");
    auto writer = make_writer(kLockdownSwitches, std::make_unique<LogAppend>(watching));
    ASSERT_EQ(append(*writer), kWritten);
    EXPECT_EQ(sizes_at_sync, std::vector<std::int64_t>{static_cast<std::int64_t>(5 + std::string(kLine).size())});
}

TEST_F(LogWriterTest, AFailedSyncIsAWriteFailureAndTheRecordIsTakenBackOut)
{
    int syncs = 0;
    auto failing_once = [&](int fd) {
        if (++syncs > 1)
            return ::fsync(fd);
        errno = EIO;
        return -1;
    };
    write_file(log, "old\r\n");
    auto writer = make_writer(kLockdownSwitches, std::make_unique<LogAppend>(failing_once));
    EXPECT_EQ(append(*writer), AppendResult::Cancel);
    EXPECT_EQ(prompt.last().text.substr(0, 29), "Cannot write to the log file!");
    EXPECT_EQ(read_file(log), "old\r\n");
}

TEST_F(LogWriterTest, AllocationFailureWarnsAndAsksToQuit)
{
    write_file(log, "old\r\n");
    EXPECT_EQ(append(*make_writer<NoMemoryWriter>()), AppendResult::Cancel);
    EXPECT_EQ(prompt.last(), (Message{"Impossible memory allocation failure!", "Error", Buttons::Ok, Icon::None}));
    EXPECT_EQ(quit_requests, 1);
    EXPECT_EQ(read_file(log), "old\r\n");
}

TEST(LockdownSwitches, AllOffAsDeliveredAndAFeatureCountsOnlyWithTheMasterSwitch)
{
    for (std::size_t f = 0; f < 8; ++f) // the eight feature switches
        EXPECT_FALSE(lockdown_on(static_cast<LockdownFeature>(f)));
    const auto scrambled = LockdownSwitches().with(LockdownFeature::ScrambledRecords, 1);
    EXPECT_FALSE(scrambled.is_on(LockdownFeature::ScrambledRecords)); // the master switch is off
    EXPECT_TRUE(scrambled.with_master(true).is_on(LockdownFeature::ScrambledRecords));
}

TEST_F(LogWriterTest, ScrambledRecordsStartWithTheirKeyByte)
{
    const auto scrambled = LockdownSwitches().with(LockdownFeature::ScrambledRecords, 1);
    // Second 9: key = (9 + 65) | 0x80 = 0xCA; r runs 0xCA, 0xC1, 0xD8, 0xCF (step 202 % 30 + 1 = 23, & 0xDF).
    auto writer = make_writer(scrambled.with_master(true));
    EXPECT_EQ(append(*writer), kWritten);
    const std::string bytes = read_file(log);
    ASSERT_EQ(bytes.size(), 1 + std::string(kLine).size());
    EXPECT_EQ(bytes.substr(0, 5), "\xCA\xF8\xF1\xEA\xFB"); // key, then "2024" scrambled
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    // Second 45: key 0xD0 with bit 5 already clear, so r starts at 0xD0; '2' ^ 0xD0 = 0xE2.
    char record[] = "2";
    EXPECT_EQ(scramble_log_record(record, 1, 45), 0xD0);
    EXPECT_EQ(record[0], '\xE2');
}

} // namespace
