#include "reporter/Report.h"

#include "core/PastTimeScan.h"
#include "tests/reporter/ReportLogFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace velkor;
using namespace velkor::test;

namespace {

class ReportTest : public ReportLogFixture
{
protected:
    // Each group's label, sessions and seconds.
    std::vector<std::tuple<std::string, std::size_t, std::int64_t>> rows(const Report& report, const LogEntries& log)
    {
        std::vector<std::tuple<std::string, std::size_t, std::int64_t>> out;
        for (const ReportGroup& group : report.groups)
            out.emplace_back(group_label(report, group, log, 2), group.sessions, group.seconds);
        return out;
    }

    using Rows = std::vector<std::tuple<std::string, std::size_t, std::int64_t>>;
};

struct NoProgress : ScanProgress
{
    void begin(std::uint64_t) override {}
    bool update(std::uint64_t) override { return true; }
    void end() override {}
};

} // namespace

TEST_F(ReportTest, ProjectsComeInProjectFileOrderThenTheOthersByName)
{
    load_projects();
    const LogEntries log = read(session("2024/03/07", "09:00:00", "10:00:00", "Other", "Zeta") +
                                session("2024/03/07", "10:00:00", "10:30:00", "Work", "Mail") +
                                session("2024/03/07", "11:00:00", "11:00:10", "Home", "Garden") +
                                session("2024/03/07", "12:00:00", "13:00:00", "Work", "Report") +
                                session("2024/03/07", "13:00:00", "13:00:01", "Aaa", "x") +
                                session("2024/03/08", "09:00:00", "09:15:00", "Work", "Mail"));
    const ReportContext context{&projects, 0};
    EXPECT_EQ(rows(build_report(log, {}, GroupBy::Project, context), log), (Rows{{"Work / Report", 1, 3600},
                                                                                 {"Work / Mail", 2, 2700},
                                                                                 {"Home / Garden", 1, 10},
                                                                                 {"Aaa / x", 1, 1},
                                                                                 {"Other / Zeta", 1, 3600}}));
    EXPECT_EQ(rows(build_report(log, {}, GroupBy::Category, context), log),
              (Rows{{"Work", 3, 6300}, {"Home", 1, 10}, {"Aaa", 1, 1}, {"Other", 1, 3600}}));
    const Report report = build_report(log, {}, GroupBy::Project, context);
    EXPECT_EQ(report.totals.sessions, 6u);
    EXPECT_EQ(report.totals.seconds, 9911);
}

TEST_F(ReportTest, WeeksStartOnSundayAndMonthsOnTheirFirstDay)
{
    const LogEntries log = read(session("2023/12/31", "09:00:00", "10:00:00", "W", "R") + // Sunday
                                session("2024/01/01", "09:00:00", "10:00:00", "W", "R") +
                                session("2024/02/29", "09:00:00", "10:00:00", "W", "R") +
                                session("2024/03/02", "09:00:00", "10:00:00", "W", "R") + // Saturday
                                session("2024/03/03", "09:00:00", "10:00:00", "W", "R") + // Sunday
                                session("2024/03/09", "09:00:00", "10:00:00", "W", "R") + // Saturday
                                session("2024/03/10", "09:00:00", "10:00:00", "W", "R"));
    EXPECT_EQ(
        rows(build_report(log, {}, GroupBy::Week), log),
        (Rows{{"2023/12/31", 2, 7200}, {"2024/02/25", 2, 7200}, {"2024/03/03", 2, 7200}, {"2024/03/10", 1, 3600}}));
    EXPECT_EQ(rows(build_report(log, {}, GroupBy::Month), log),
              (Rows{{"2023/12", 1, 3600}, {"2024/01", 1, 3600}, {"2024/02", 1, 3600}, {"2024/03", 4, 14400}}));
    const DayRange february{day_number({2024, 2, 1}), day_number({2024, 2, 29})};
    EXPECT_EQ(rows(build_report(log, february, GroupBy::Day), log), (Rows{{"2024/02/29", 1, 3600}}));
}

TEST_F(ReportTest, PresetPeriodsAroundToday)
{
    const auto range = [&](PeriodPreset preset) {
        const DayRange days = preset_range(preset, clock);
        return iso_day(days.first) + " " + iso_day(days.last);
    };
    set_today(2024, 3, 6); // a Wednesday
    EXPECT_EQ(range(PeriodPreset::Today), "2024-03-06 2024-03-06");
    EXPECT_EQ(range(PeriodPreset::ThisWeek), "2024-03-03 2024-03-09");
    EXPECT_EQ(range(PeriodPreset::ThisMonth), "2024-03-01 2024-03-31");
    EXPECT_EQ(range(PeriodPreset::LastMonth), "2024-02-01 2024-02-29");
    set_today(2024, 3, 10); // a Sunday starts its own week
    EXPECT_EQ(range(PeriodPreset::ThisWeek), "2024-03-10 2024-03-16");
    set_today(2024, 1, 15);
    EXPECT_EQ(range(PeriodPreset::LastMonth), "2023-12-01 2023-12-31");
    EXPECT_FALSE(preset_range(PeriodPreset::All, clock).has_first());
}

TEST_F(ReportTest, SessionsCountRealTimeOnTheirCheckInDayAcrossMidnightAndClockChanges)
{
    const LogEntries log =
        read(log_line("2024/03/07", "23:00:00", "2024/03/08", "01:00:00", "W", "R") +
             log_line("2024/03/31", "01:30:00", "2024/03/31", "03:30:00", "W", "R") + // the clocks skip 02:00 to 03:00
             log_line("2024/10/27", "00:00:00", "2024/10/28", "00:00:00", "W", "R") + // a day of 25 hours
             log_line("2024/10/27", "01:30:00", "2024/10/27", "02:30:00", "W", "R")); // 02:30 read as its first time
    EXPECT_EQ(rows(build_report(log, {}, GroupBy::Day), log),
              (Rows{{"2024/03/07", 1, 7200}, {"2024/03/31", 1, 3600}, {"2024/10/27", 2, 90000 + 3600}}));
    const DayRange march_8{day_number({2024, 3, 8}), day_number({2024, 3, 8})};
    EXPECT_TRUE(build_report(log, march_8, GroupBy::Day).groups.empty());
}

TEST_F(ReportTest, AmountsAreTimeTimesEachRecordsOwnRateAndAddUpInEveryGrouping)
{
    load_projects();
    const LogEntries log = read(session("2024/03/07", "09:00:00", "10:00:00", "Work", "Report", "\t45.00") +
                                session("2024/03/07", "10:00:00", "10:30:00", "Work", "Report", "\t50.00") +
                                // 20 s at 45.00 is 0.25, 10 s 0.125: each session is rounded on its own
                                session("2024/03/07", "11:00:00", "11:00:20", "Work", "Mail", "\t45.00") +
                                session("2024/03/08", "12:00:00", "12:00:10", "Work", "Mail", "\t45.00") +
                                session("2024/03/08", "13:00:00", "13:00:10", "Home", "Garden", "\t45.00") +
                                session("2024/03/09", "14:00:00", "14:00:10", "Home", "Garden", "\t45.00"));
    const Report report = build_report(log, {}, GroupBy::Project, {&projects, 0});
    ASSERT_EQ(report.groups.size(), 3u);
    EXPECT_EQ(report.groups[0].amount, 7000);
    EXPECT_EQ(report.groups[0].rate, kNoRate); // two rates in one row
    EXPECT_EQ(report.groups[1].amount, 38);
    EXPECT_EQ(report.groups[1].rate, 4500);
    EXPECT_EQ(report.groups[2].amount, 26);
    EXPECT_EQ(report.totals.amount, 7064);
    for (GroupBy by : {GroupBy::Category, GroupBy::Day, GroupBy::Week, GroupBy::Month})
        EXPECT_EQ(build_report(log, {}, by, {&projects, 0}).totals.amount, 7064);

    EXPECT_EQ(session_amount(4294967295, INT32_MAX), 2562047786225646); // the largest session and rate
}

TEST_F(ReportTest, NotesStandApartAndSessionsWithoutARateTakeTodaysRate)
{
    load_projects();
    const LogEntries log = read(session("2024/03/07", "14:00:00", "14:00:00", "Work", "Report", "\t45.00\tCall\\/Bob") +
                                session("2024/03/07", "15:00:00", "15:00:00", "Work", "Report", "\t45.00") +
                                session("2024/03/07", "09:00:00", "10:00:00", "Work", "Report", "") +
                                session("2024/03/07", "10:00:00", "11:00:00", "Home", "Garden", "\tn/a") +
                                session("2024/03/07", "11:00:00", "12:00:00", "Gone", "Old", ""));
    const Report report = build_report(log, {}, GroupBy::Project, {&projects, 300});
    ASSERT_EQ(report.notes.size(), 1u);
    EXPECT_EQ(memo_text(log.memo(log.entries()[report.notes[0]])), "Call\nBob");
    EXPECT_EQ(rows(report, log),
              (Rows{{"Work / Report", 2, 3600}, {"Home / Garden", 1, 3600}, {"Gone / Old", 1, 3600}}));
    // Report falls back to its category's 45.00, Garden has 10.00, Old only the Rate setting.
    EXPECT_EQ(report.groups[0].amount, 4500);
    EXPECT_EQ(report.groups[1].amount, 1000);
    EXPECT_EQ(report.groups[2].amount, 300);
    EXPECT_EQ(report.unrated, 3u);
}

TEST_F(ReportTest, TotalsAgreeWithThePastTimeScan)
{
    load_projects();
    // Three weeks around the start of summer time, sessions over midnight, notes, unknown names.
    std::mt19937 random(7);
    const char* names[][2] = {{"Work", "Report"}, {"Work", "Mail"}, {"Home", "Garden"}, {"Gone", "Old"}};
    std::string log;
    for (int i = 0; i < 400; ++i) {
        const TimeStamp ci = 1710370800 + static_cast<TimeStamp>(random() % (21 * 86400)); // 2024-03-14 to 04-03
        const TimeStamp co = ci + static_cast<TimeStamp>(random() % 4 == 0 ? 0 : random() % 20000);
        const auto text = [](TimeStamp t, const char* form) {
            const LocalTimeFields f = ToLocal(t);
            char buffer[80];
            std::snprintf(buffer, sizeof buffer, form, f.year + 1900, f.month + 1, f.day, f.hour, f.minute, f.second);
            return std::string(buffer);
        };
        const auto* name = names[random() % 4];
        log += text(ci, "%d/%02d/%02d\t%02d:%02d:%02d\t") + text(co, "%d/%02d/%02d\t%02d:%02d:%02d\t") + name[0] +
               '\t' + name[1] + "\t1.00" + (co == ci ? "\tnote" : "") + "\r\n";
    }
    const LogEntries entries = read(log);

    for (const auto& [preset, flags] :
         {std::pair{PeriodPreset::Today, PastTimeFlags{.read_log_time = true, .read_today_time = true}},
          std::pair{PeriodPreset::ThisWeek, PastTimeFlags{.read_log_time = true, .read_weekly_time = true}},
          std::pair{PeriodPreset::All, PastTimeFlags{.read_log_time = true}}}) {
        set_today(2024, 4, 2); // the last week of the log: nothing after its Saturday
        NoProgress progress;
        PastTimeSettings settings;
        settings.flags = flags;
        ScanPastTimes(projects, settings, path, clock, progress, true);
        std::map<std::string, std::int64_t> scanned;
        for (std::size_t c = 0; c < projects.n_categories(); ++c) {
            for (std::size_t p = 0; p < projects.n_projects(c); ++p)
                scanned[projects.category_name(c) + " / " + projects.project_name(c, p)] =
                    projects.project_seconds(c, p);
        }
        const Report report = build_report(entries, preset_range(preset, clock), GroupBy::Project, {&projects, 0});
        std::map<std::string, std::int64_t> reported = {{"Work / Report", 0}, {"Work / Mail", 0}, {"Home / Garden", 0}};
        for (const ReportGroup& group : report.groups) {
            const std::string label = group_label(report, group, entries, 0);
            if (label != "Gone / Old")
                reported[label] = group.seconds;
        }
        EXPECT_EQ(reported, scanned) << static_cast<int>(preset);
        EXPECT_GT(reported["Work / Report"], 0) << static_cast<int>(preset);
    }
}
