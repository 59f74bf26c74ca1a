#include "reporter/LogEntries.h"

#include "tests/reporter/ReportLogFixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <tuple>
#include <vector>

using namespace velkor;
using namespace velkor::test;

namespace {

class LogEntriesTest : public ReportLogFixture
{
};

} // namespace

TEST_F(LogEntriesTest, FieldsAfterTheNamesSplitIntoRateMemoAndEnvironment)
{
    // Two environment variables configured: TABs beyond the memo and two values are the memo's.
    const LogEntries log = read(
        session("2024/03/07", "09:00:00", "10:00:00", "Work", "Report", "\t25.50") +
            session("2024/03/07", "10:00:00", "11:00:00", "Work", "Report", "\t0.00\tfirst\\/second\tdesk\tbuild 7") +
            session("2024/03/07", "11:00:00", "12:00:00", "Work", "Report", "\t0.00\ttab\tin memo\tdesk\tbuild 7") +
            session("2024/03/07", "12:00:00", "13:00:00", "Work", "Report", "\t0.00\t\t\t") +
            session("2024/03/07", "13:00:00", "14:00:00", "Work", "Report", ""),
        2);
    ASSERT_EQ(log.entries().size(), 5u);
    std::vector<std::tuple<std::int32_t, std::string, std::string>> fields;
    for (const LogEntry& entry : log.entries())
        fields.emplace_back(entry.rate, log.memo(entry), log.environment(entry));
    EXPECT_EQ(fields,
              (std::vector<std::tuple<std::int32_t, std::string, std::string>>{{2550, "", ""},
                                                                               {0, "first\\/second", "desk\tbuild 7"},
                                                                               {0, "tab\tin memo", "desk\tbuild 7"},
                                                                               {0, "", "\t"},
                                                                               {kNoRate, "", ""}}));
    EXPECT_EQ(memo_text(log.memo(log.entries()[1])), "first\nsecond");

    // Without environment variables every field after the rate is memo.
    const LogEntries plain = read(session("2024/03/07", "09:00:00", "10:00:00", "W", "R", "\t1.00\ta\tb"));
    EXPECT_EQ(plain.memo(plain.entries()[0]), "a\tb");
    EXPECT_EQ(plain.environment(plain.entries()[0]), "");
}

TEST_F(LogEntriesTest, RatesReadAsWrittenAndNothingElse)
{
    const std::vector<std::pair<std::string, std::int32_t>> cases = {{"0.00", 0},
                                                                     {"25.50", 2550},
                                                                     {"25.5", 2550},
                                                                     {"7", 700},
                                                                     {" 3.10 ", 310},
                                                                     {"21474836.47", INT32_MAX},
                                                                     {"21474836.48", kNoRate},
                                                                     {"-1.00", kNoRate},
                                                                     {"1.234", kNoRate},
                                                                     {"1,50", kNoRate},
                                                                     {"abc", kNoRate},
                                                                     {"", kNoRate}};
    for (const auto& [text, rate] : cases)
        EXPECT_EQ(parse_logged_rate(text), rate) << '"' << text << '"';
}

TEST_F(LogEntriesTest, UnreadableLinesAreCountedAndBlankLinesAreNot)
{
    std::string log = session("2024/03/07", "09:00:00", "10:00:00", "Work", "Report") + "not a record\r\n" +
                      session("2024/03/07", "10:00:00", "09:00:00", "Work", "Report") + // ends before it starts
                      "\r\n \t \r\n" + "2024/xx/07\t09:00:00\t2024/03/07\t10:00:00\tWork\tReport\t0.00\r\n";
    for (int i = 0; i < 10; ++i)
        log += "damaged\r\n";
    const LogEntries entries = read(log);
    EXPECT_EQ(entries.entries().size(), 1u);
    EXPECT_EQ(entries.unreadable_lines(), 13u);
    EXPECT_EQ(entries.first_unreadable(), (std::vector<std::uint64_t>{2, 3, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(entries.entries()[0].line, 1u);
}

TEST_F(LogEntriesTest, OnlyARegularFileIsReadAsTheLog)
{
    LogEntries entries;
    ASSERT_EQ(mkfifo(dir.file("fifo.log").c_str(), 0600), 0);
    EXPECT_EQ(read_log_entries(dir.file("fifo.log"), entries), EINVAL); // and does not wait for a writer
    EXPECT_EQ(read_log_entries(dir.path().string(), entries), EISDIR);
    EXPECT_EQ(read_log_entries(dir.file("missing.log"), entries), ENOENT);
}

TEST_F(LogEntriesTest, CheckInDayIsTheDayTheSessionStarted)
{
    const LogEntries log = read(log_line("2024/03/07", "23:00:00", "2024/03/08", "01:00:00", "Work", "Report") +
                                // day 32 of January is carried into February, as the scan reads it
                                log_line("2024/01/32", "09:00:00", "2024/02/01", "10:00:00", "Work", "Report") + " " +
                                log_line("2024/03/09", "23:30:00", "2024/03/10", "00:30:00", "Work", "Report"));
    ASSERT_EQ(log.entries().size(), 3u);
    EXPECT_EQ(iso_day(log.entries()[0].day), "2024-03-07");
    EXPECT_EQ(log.entries()[0].seconds, 7200);
    EXPECT_EQ(iso_day(log.entries()[1].day), "2024-02-01");
    EXPECT_EQ(iso_day(log.entries()[2].day), "2024-03-09");
}
