#include "core/LogReader.h"

#include "classlib/IniFile.h"
#include "core/LogWriter.h"
#include "core/ProjectList.h"
#include "core/TimeValues.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>
#include <vector>

using namespace velkor;

namespace {

constexpr char kBerlin[] = "CET-1CEST,M3.5.0,M10.5.0/3";

// Each line with the reader's position after it.
std::vector<std::pair<std::string, std::uint64_t>> lines_of(LogLineReader& reader)
{
    std::vector<std::pair<std::string, std::uint64_t>> lines;
    std::string_view line;
    while (reader.next(line))
        lines.emplace_back(line, reader.position());
    return lines;
}

TEST(LogReaderTest, WrittenRecordsReadBackWithTheirDatesNamesAndDurations)
{
    test::ScopedTimeZone zone(kBerlin);
    test::TempDir dir;
    PrivateIniFile settings(dir.file("velkors.ini"));
    test::ScriptedPrompt prompt;
    ProjectList list;
    list.add_category("Work", 0, false);
    list.add_project(0, "Report 2", false);
    list.add_category("Home\x01", 0, false); // names pass through byte for byte
    list.add_project(1, "Garden", false);
    const std::string log = dir.file("velkors.log");
    LogWriter writer(
        prompt, settings, [&] { return log; }, [&]() -> const ProjectList& { return list; },
        [] { return std::string("a\tb"); }, [] {});

    struct Session
    {
        DateRec ci_date;
        TimeRec ci_time;
        DateRec co_date;
        TimeRec co_time;
        std::size_t c;
        TimeStamp duration;
    };
    const Session sessions[] = {
        {{2024, 7, 3}, {5, 9, 0, 0}, {2024, 7, 3}, {30, 17, 0, 9}, 0, 30309},
        {{2024, 31, 3}, {30, 1, 0, 0}, {2024, 31, 3}, {30, 3, 0, 0}, 1, 3600},     // clocks go forward at 02:00
        {{2024, 27, 10}, {0, 0, 0, 0}, {2024, 27, 10}, {59, 23, 0, 59}, 0, 89999}, // and back at 03:00
        {{2024, 31, 12}, {0, 23, 0, 0}, {2025, 1, 1}, {0, 1, 0, 0}, 1, 7200},      // over midnight
        {{2024, 7, 3}, {0, 14, 0, 0}, {2024, 7, 3}, {0, 14, 0, 0}, 0, 0},          // a note
    };
    for (const Session& s : sessions)
        ASSERT_EQ(writer.AppendLogRecord(s.ci_date, s.ci_time, s.co_date, s.co_time, s.c, 0, "memo\r\nmore"),
                  AppendResult::Written);

    std::FILE* file = std::fopen(log.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    LogLineReader reader(file);
    LogRecordParser parser;
    std::string_view line;
    LogRecord record;
    for (const Session& s : sessions) {
        ASSERT_TRUE(reader.next(line));
        ASSERT_TRUE(parser.parse(line, record)) << line;
        LocalTimeFields ci{s.ci_time.second, s.ci_time.minute,    s.ci_time.hour,
                           s.ci_date.day,    s.ci_date.month - 1, s.ci_date.year - 1900};
        EXPECT_EQ(record.ci, FromLocal(ci)) << line;
        EXPECT_EQ(record.duration, s.duration) << line;
        EXPECT_EQ(record.co - record.ci, record.duration);
        EXPECT_EQ(record.category, list.category_name(s.c));
        EXPECT_EQ(record.project, list.project_name(s.c, 0));
    }
    EXPECT_FALSE(reader.next(line));
    std::fclose(file);
}

// The check-in moment of a record whose first two fields are text, or -1 when it is skipped.
TimeStamp check_in_of(LogRecordParser& parser, const std::string& text)
{
    LogRecord r;
    return parser.parse(text + "\t2999/01/01\t00:00:00\tW\tP", r) ? r.ci : -1;
}

TimeStamp from_local(int year, int month, int day, int hour, int minute, int second)
{
    LocalTimeFields f{second, minute, hour, day, month - 1, year - 1900};
    return FromLocal(f);
}

TEST(LogReaderTest, ParseRulesFieldShapesAndSkippedLines)
{
    test::ScopedTimeZone zone(kBerlin);
    LogRecordParser parser;
    LogRecord r;
    // Any separator character, white space before numbers and separators, names up to TABs.
    ASSERT_TRUE(parser.parse(" 2024-3-7  9.5.0\t2024 / 03 / 07\t10:05:00\t Work A\tProj\t1.00", r));
    EXPECT_EQ(r.ci, from_local(2024, 3, 7, 9, 5, 0));
    EXPECT_EQ(r.duration, 3600);
    EXPECT_EQ(r.category, "Work A");
    EXPECT_EQ(r.project, "Proj");
    ASSERT_TRUE(parser.parse("2024/03/07\t09:05:00\t2024/03/07\t09:05:00\tW\tP", r)); // project up to the end
    EXPECT_EQ(r.project, "P");

    struct Case
    {
        const char* text;
        int year, month, day, hour, minute, second;
    };
    const Case cases[] = {
        {"2024 12/07\t09:05:00", 2024, 2, 7, 9, 5, 0}, // the blank is skipped, "1" separates
        {"02024/003/07\t009:05:00", 2024, 3, 7, 9, 5, 0}, {"+2024/+3/07\t09:05:00", 2024, 3, 7, 9, 5, 0},
        {"2024/03/071\t09:05:00", 2024, 3, 71, 9, 5, 0},  // a third digit carries into May
        {"2024/13/01\t09:05:00", 2024, 13, 1, 9, 5, 0},   // out-of-range fields are carried, as the
        {"2023/02/29\t24:00:60", 2023, 2, 29, 24, 0, 60}, // system's conversion does
        {"2024/03/07\t-1:05:00", 2024, 3, 7, -1, 5, 0},   {"1899/12/31\t23:59:59", 1899, 12, 31, 23, 59, 59},
        {"2100/08/11\t09:05:00", 2100, 8, 11, 9, 5, 0}, // decades from the others
        {"2024/03/07\t09:05:00", 2024, 3, 7, 9, 5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(check_in_of(parser, c.text), from_local(c.year, c.month, c.day, c.hour, c.minute, c.second))
            << c.text;
    for (const char* bad : {"2024/03/07\t09:05", "2024103/07\t09:05:00", "2024/03107\t09:05:00", "2024/03/07 09:05:0x",
                            "2024//03/07\t09:05:00", "2024/03/\t09:05:00", "99999999999/03/07\t09:05:00"})
        EXPECT_EQ(check_in_of(parser, bad), -1) << bad;

    const char* skipped[] = {
        "",
        "2024/03/07\t17:30:09\t2024/03/07\t09:05:00\tWork\tReport\t0.00", // check-out before check-in
        "2024/03/07\t09:05:00\t2024/03/07\t17:30:09\tWork",               // no project
        "2024/03/07\t09:05:00\t2024/03/07\t17:30:09\tWork\t",
        "2024/03/07\t09:05:00\t2024/03/07",
        "\xCA\xF8\xF1\xEA\xFB\x10\x22", // a scrambled record
    };
    for (const char* line : skipped)
        EXPECT_FALSE(parser.parse(line, r)) << line;
    EXPECT_EQ(log_date_key("2024/03/07\t09:05:00"), "2024/03/07");
    EXPECT_EQ(log_date_key("2024"), "2024");
}

TEST(LogReaderTest, MomentsAsWrittenReadAsTheGeneralRulesReadThem)
{
    // Moments in the form the program writes are read by a shortcut; a leading blank sends the
    // same line through the general reads. With any byte of them changed, both must agree.
    test::ScopedTimeZone zone(kBerlin);
    LogRecordParser parser;
    const std::string written = "2024/03/07\t09:05:00\t2024/03/07\t17:30:09\tWork\tReport\t0.00";
    int read = 0;
    for (std::size_t i = 0; i < 41; ++i)
        for (const char ch : {'x', '/', ':', ';', '\t', ' ', '0', '9', '\xB9', '\0'}) {
            std::string line = written;
            line[i] = ch;
            LogRecordView shortcut;
            LogRecordView general;
            const std::string padded = " " + line;
            const bool ok = parser.parse(line, shortcut);
            ASSERT_EQ(parser.parse(padded, general), ok) << line;
            read += ok ? 1 : 0;
            if (ok) {
                EXPECT_EQ(shortcut.ci, general.ci) << line;
                EXPECT_EQ(shortcut.co, general.co) << line;
                EXPECT_EQ(shortcut.names(), general.names()) << line;
            }
        }
    EXPECT_GT(read, 100); // digits for digits, other separators, blanks before numbers
    LogRecordView record;
    ASSERT_TRUE(parser.parse(written, record));
    EXPECT_EQ(record.names(), "Work\tReport");
}

TEST(LogReaderTest, CachedDaysAgreeWithFromLocalAroundDaylightChanges)
{
    // Lord Howe Island moves its clocks by half an hour, so hours are cut in two there.
    for (const char* name : {"Europe/Berlin", "America/New_York", "Australia/Lord_Howe"}) {
        test::ScopedTimeZone zone(name);
        LogRecordParser parser;
        // Change days and their neighbours of the zones, visited out of order so the cache is
        // filled from either side; FromLocal is called between the parses.
        const int days[][3] = {{2024, 10, 28}, {2024, 3, 31}, {2024, 11, 3}, {2024, 10, 27}, {2024, 3, 10},
                               {2024, 11, 4},  {2024, 3, 30}, {2024, 4, 7},  {2024, 10, 26}, {2024, 3, 11},
                               {2024, 10, 6},  {2024, 11, 2}, {2024, 4, 8},  {2024, 10, 5}};
        for (int pass = 0; pass < 2; ++pass)
            for (const auto& d : days)
                for (int s = pass * 3600; s < 86400; s += 7 * 60 + 13) {
                    char text[40];
                    std::snprintf(text, sizeof text, "%d/%02d/%02d\t%02d:%02d:%02d", d[0], d[1], d[2], s / 3600,
                                  s / 60 % 60, s % 60);
                    ASSERT_EQ(check_in_of(parser, text), from_local(d[0], d[1], d[2], s / 3600, s / 60 % 60, s % 60))
                        << name << " " << text;
                }
    }
}

TEST(LogReaderTest, LineEndsAndOverlongLines)
{
    const std::string record = "2024/03/07\t09:05:00\t2024/03/07\t17:30:09\tWork\tReport\t0.00";
    // The tail of a long line would parse as a record of its own if it came back as a line.
    const std::string long_line = "x" + std::string(1770, 'y') + record; // lines are cut after 1771 characters
    const std::string huge_line = std::string(200000, 'z') + record;
    const std::string text = "a\r\nb\n\r\n" + long_line + "\r\n" + huge_line + "\nlast\r";

    LogLineReader from_memory(text);
    test::TempDir dir;
    test::write_file(dir.file("log"), text);
    std::FILE* file = std::fopen(dir.file("log").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    LogLineReader from_file(file);

    const std::size_t long_end = 7 + long_line.size() + 2;
    const std::vector<std::pair<std::string, std::uint64_t>> expected = {
        {"a", 3},
        {"b", 5},
        {"", 7},
        {long_line.substr(0, 1771), long_end},
        {huge_line.substr(0, 1771), long_end + huge_line.size() + 1},
        {"last", text.size()}};
    EXPECT_EQ(lines_of(from_memory), expected);
    EXPECT_EQ(lines_of(from_file), expected);
    std::fclose(file);
}

} // namespace
