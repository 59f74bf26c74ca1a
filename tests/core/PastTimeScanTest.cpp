#include "core/PastTimeScan.h"

#include "core/ProjectList.h"
#include "core/TimeValues.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <tuple>
#include <vector>

using namespace velkor;
using namespace velkor::test;

namespace {

struct RecordingProgress : ScanProgress
{
    void begin(std::uint64_t total) override { calls.push_back("begin " + std::to_string(total)); }
    bool update(std::uint64_t position) override
    {
        positions.push_back(position);
        return positions.size() < cancel_at;
    }
    void end() override { calls.push_back("end"); }

    std::vector<std::string> calls;
    std::vector<std::uint64_t> positions;
    std::size_t cancel_at = SIZE_MAX;
};

// A log line checked in on date at 10:00:00 and out on co_date at co_time.
std::string session(std::string date, std::string co_time, std::string project = "Report",
                    std::string category = "Work", std::string co_date = "")
{
    return date + "\t10:00:00\t" + (co_date.empty() ? date : co_date) + '\t' + co_time + '\t' + category + '\t' +
           project + "\t0.00\r\n";
}

class PastTimeScanTest : public ::testing::Test
{
protected:
    PastTimeScanTest()
    {
        list.add_category("Work", kBlack, false);
        list.add_project(0, "Report", false);
        list.add_project(0, "Mail", false);
        settings.flags.read_log_time = true;
    }

    void set_today(int year, int month, int day) // local noon in the fixed zone
    {
        LocalTimeFields f;
        std::tie(f.year, f.month, f.day, f.hour) = std::make_tuple(year - 1900, month - 1, day, 12);
        clock.set(FromLocal(f));
    }

    std::uint32_t scan(const std::string& log, bool reset_first = true)
    {
        write_file(path, log);
        summary = ScanPastTimes(list, settings, path, clock, progress, reset_first, ticks);
        return list.project_seconds(0, 0);
    }

    ScopedTimeZone zone{"Europe/Berlin"};
    TempDir dir;
    std::string path = dir.file("velkors.log");
    ProjectList list;
    PastTimeSettings settings;
    TestClock clock;
    RecordingProgress progress;
    SteppingTicks ticks{std::chrono::milliseconds(0)};
    ScanSummary summary;
};

} // namespace

TEST_F(PastTimeScanTest, WeeklyCountsFromThisWeeksSundayTodayFromItsCheckInDay)
{
    const std::string log = session("2024/03/02", "10:01:40") + session("2024/03/03", "10:03:20") + // Sat, Sun
                            session("2024/03/06", "10:06:40") + session("2024/03/20", "10:13:20");  // Wed, future
    settings.flags.read_weekly_time = settings.flags.read_today_time = true;
    set_today(2024, 3, 6);
    EXPECT_EQ(scan(log), 200u + 400 + 800);
    set_today(2024, 3, 3); // on a Sunday the week starts today
    EXPECT_EQ(scan(log), 200u + 400 + 800);
    set_today(2024, 3, 10);
    EXPECT_EQ(scan(log), 800u);

    settings.flags.read_weekly_time = false;
    set_today(2024, 3, 6);
    EXPECT_EQ(scan(log), 400u);
    settings.flags.read_today_time = false;
    EXPECT_EQ(scan(log), 1500u);

    settings.flags.read_weekly_time = true; // Wednesday 1 May: the week began on Sunday 28 April
    set_today(2024, 5, 1);
    EXPECT_EQ(scan_reference_date(clock, true), "2024/04/28");
    EXPECT_EQ(scan(session("2024/04/27", "11:00:00") + session("2024/04/28", "10:00:09")), 9u);

    // A session over midnight counts on its check-in day.
    const std::string late = "2024/03/07\t23:00:00\t2024/03/08\t01:00:00\tWork\tReport\t0.00\r\n";
    settings.flags.read_weekly_time = false;
    settings.flags.read_today_time = true;
    set_today(2024, 3, 7);
    EXPECT_EQ(scan(late), 7200u);
    set_today(2024, 3, 8);
    EXPECT_EQ(scan(late), 0u);
}

TEST_F(PastTimeScanTest, SkipsUnknownNamesAndBadLinesAndCountsTheRest)
{
    list.add_seconds(0, 0, 5);            // kept: no reset
    list.add_project(0, "Report", false); // namesakes are never found: the first one counts
    list.add_category("Work", kBlack, false);
    list.add_project(1, "Extra", false);
    const std::string log =
        session("2024/03/07", "11:00:00", "Report", "Home") + session("2024/03/07", "11:00:00", "Nothing") +
        session("2024/03/07", "11:00:00", "Extra") + session("2024/03/07", "09:00:00") + // negative
        "garbage\r\n" + session("2024/03/07", "10:00:30") + session("2024/03/07", "10:00:07", "Mail");
    EXPECT_EQ(scan(log, false), 35u);
    EXPECT_EQ(list.project_seconds(0, 1), 7u);
    EXPECT_EQ(list.project_seconds(0, 2) + list.project_seconds(1, 0), 0u);
}

TEST_F(PastTimeScanTest, SwitchedOffOrUnreadableLog)
{
    list.add_seconds(0, 0, 60);
    settings.flags.read_log_time = false;
    EXPECT_EQ(scan(session("2024/03/07", "11:00:00")), 60u);

    settings.flags.read_log_time = true;
    EXPECT_FALSE(ScanPastTimes(list, settings, dir.file("missing.log"), clock, progress, true).opened);
    EXPECT_EQ(list.project_seconds(0, 0), 0u);
    EXPECT_TRUE(progress.calls.empty());
    // A folder, a FIFO without a writer and endless devices: nothing to read, and no waiting.
    ASSERT_EQ(::mkfifo(dir.file("fifo.log").c_str(), 0600), 0);
    for (const std::string& special :
         {dir.path().string(), std::string("/dev/null"), dir.file("fifo.log"), std::string("/dev/zero")})
        ASSERT_FALSE(ScanPastTimes(list, settings, special, clock, progress, false).opened) << special;
    EXPECT_EQ(list.project_seconds(0, 0), 0u);
}

TEST_F(PastTimeScanTest, ProgressWindowOnlyForAScanStillRunningAfterADelayAndCancelKeepsTheCount)
{
    ProgressPacer pacer(std::chrono::milliseconds(1000));
    using Step = ProgressPacer::Step;
    std::vector<Step> steps;
    for (const int ms : {1000, 1399, 1400, 1420, 1450, 1499, 1500, 9000})
        steps.push_back(pacer.step(std::chrono::milliseconds(ms)));
    EXPECT_EQ(steps, (std::vector<Step>{Step::none, Step::none, Step::show, Step::none, Step::update, Step::none,
                                        Step::update, Step::update}));

    std::string log;
    for (int i = 0; i < 3000; ++i)
        log += session("2024/03/07", "10:00:01");
    EXPECT_EQ(scan(log), 3000u); // over before the delay: no window, even above the minimum size
    EXPECT_TRUE(progress.calls.empty());
    ticks.set_step(std::chrono::milliseconds(1000));
    settings.progress_min_size = static_cast<std::int64_t>(log.size());
    EXPECT_EQ(scan(log), 3000u);
    EXPECT_TRUE(progress.calls.empty());

    settings.progress_min_size = 0;
    ticks.set_step(std::chrono::milliseconds(300)); // the window appears with the scan under way
    progress.cancel_at = 2;
    const std::uint32_t counted = scan(log);
    EXPECT_GT(counted, 0u);
    EXPECT_LT(counted, 3000u);
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"begin " + std::to_string(log.size()), "end"}));
    ASSERT_EQ(progress.positions.size(), 2u);
    EXPECT_GT(progress.positions[0], 0u);
    EXPECT_GT(progress.positions[1], progress.positions[0]);
}

TEST_F(PastTimeScanTest, TwoHalvesReadAtOnceCountEveryLineOnceWhereverTheMiddleFalls)
{
    // Sessions of 1, 2, 4, ... seconds: any line counted twice or lost changes the sum. A long
    // line whose tail looks like a record must come back whole, as one line, in either half.
    std::string head;
    std::string tail;
    std::uint32_t expected = 0;
    for (int i = 0; i < 16; ++i) {
        char co[16];
        std::snprintf(co, sizeof co, "%02d:%02d:%02d", 10 + (1 << i) / 3600, (1 << i) / 60 % 60, (1 << i) % 60);
        (i < 8 ? head : tail) += session("2024/03/07", co, i % 3 == 0 ? "Report" : "Mail");
        expected += i % 3 == 0 ? 1u << i : 0;
    }
    const std::string long_line = std::string(100000, 'z') + '	' + session("2024/03/07", "10:00:00");
    settings.split_min_size = 1;
    for (const std::string& middle : {std::string(), long_line}) {
        for (int shift = 0; shift < 120; shift += 3) {
            const std::string log = std::string(static_cast<std::size_t>(shift), '#') + "\r\n" + head + middle + tail;
            settings.parts = 1;
            ASSERT_EQ(scan(log), expected);
            const ScanSummary one = summary;
            settings.parts = 2;
            ASSERT_EQ(scan(log), expected) << shift;
            EXPECT_EQ(summary.lines, one.lines);
            EXPECT_EQ(summary.counted, one.counted);
            EXPECT_EQ(summary.lines, middle.empty() ? 17u : 18u);
            EXPECT_EQ(list.project_seconds(0, 1) + expected, (1u << 16) - 1);
        }
    }

    // Cancel at the first look stops the other half too; what was counted stays.
    ticks.set_step(std::chrono::milliseconds(1000));
    progress.cancel_at = 1;
    std::string log;
    for (int i = 0; i < 20000; ++i)
        log += session("2024/03/07", "10:00:01");
    EXPECT_LT(scan(log), 20000u);
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(progress.calls.back(), "end");
}

TEST(PastTimeScan, ProgressPercentOnlyMovesForward)
{
    EXPECT_EQ(progress_percent(50, 200, 0), 25);
    EXPECT_EQ(progress_percent(50, 200, 30), 30);
    EXPECT_EQ(progress_percent(4'000'000'000, 4'000'000'000, 0), 100);
    EXPECT_EQ(progress_percent(30'000'000, 60'000'000, 0), 50);
    EXPECT_EQ(progress_percent(900, 200, 0), 100); // the log grew meanwhile
    EXPECT_EQ(progress_percent(0, 0, 7), 7);
}
