#pragma once
// A report: the sessions of a period grouped by category, project, day, week or month, with
// their time and the amount billed at the rate written in each record, and the notes apart.

#include "classlib/Color.h"
#include "reporter/LogEntries.h"
#include "reporter/ReportPeriod.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

class ProjectList;

enum class GroupBy
{
    Category,
    Project,
    Day,
    Week, ///< from Sunday
    Month
};

/// "category", "project", "day", "week", "month".
const char* group_by_name(GroupBy by);
std::optional<GroupBy> parse_group_by(std::string_view name);

/// The amount billed for a session in hundredths: seconds x rate (hundredths an hour), halves
/// rounded up. Each session is rounded once, so sessions, groups and totals add up as shown,
/// whatever the grouping.
std::int64_t session_amount(std::int64_t seconds, std::int32_t rate);

struct ReportGroup
{
    std::int64_t key = 0; ///< category id, name id, day, the week's Sunday, or month index
    std::size_t sessions = 0;
    std::int64_t seconds = 0;
    std::int32_t rate = kNoRate;        ///< the one rate of all its sessions; kNoRate when they differ
    std::int64_t amount = 0;            ///< hundredths: the sum of its sessions' amounts
    std::vector<std::uint32_t> entries; ///< its sessions, in log order
};

struct ReportTotals
{
    std::size_t sessions = 0;
    std::int64_t seconds = 0;
    std::int64_t amount = 0; ///< hundredths
};

/// What the project file adds: the order of categories and projects, their colours, and
/// today's rate for records that hold none.
struct ReportContext
{
    const ProjectList* projects = nullptr;
    std::int32_t default_rate = 0; ///< the Rate setting
};

struct Report
{
    GroupBy by = GroupBy::Project;
    DayRange range;
    std::vector<ReportGroup> groups;
    std::vector<std::uint32_t> notes; ///< entries with no length and a text, in log order
    ReportTotals totals;
    std::size_t unrated = 0; ///< sessions without a readable rate, billed at today's rate
};

/// Groups the sessions checked in within range. Categories and projects come in the project
/// file's order, then the others by name; days, weeks and months in time order.
Report build_report(const LogEntries& log, const DayRange& range, GroupBy by, const ReportContext& context = {});

/// The rate a session is billed at: its own, else today's rate of its project.
std::int32_t billed_rate(const LogEntry& entry, const LogEntries& log, const ReportContext& context);

/// The group's name: the category, "category / project", or the date in the date order.
std::string group_label(const Report& report, const ReportGroup& group, const LogEntries& log, int order);

/// Time per group and category, for a stacked bar chart.
struct ChartData
{
    struct Series
    {
        std::string category;
        Color color = kBlack;
        std::vector<std::int64_t> seconds; ///< one per label
    };
    std::vector<std::string> labels; ///< one per group, all different
    std::vector<Series> series;      ///< categories in report order
};

ChartData chart_data(const Report& report, const LogEntries& log, const ReportContext& context, int order);

/// The hour scale of a chart: from 0 to top in at most four steps of a round size.
struct HourScale
{
    double top = 1;
    double step = 0.25;
};
HourScale hour_scale(const ChartData& chart);

/// "1 session has no rate of its own and is billed at today's rate", or the plural.
std::string unrated_message(std::size_t count);

/// "1 line could not be read", "N lines could not be read", or "" when every line was read.
std::string unreadable_message(std::uint64_t count);

} // namespace velkor
