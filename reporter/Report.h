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

/// An exact sum of time x rate: whole hundredths plus the rest, so that no rounding happens
/// until the sum is shown.
class Amount
{
public:
    void add(std::int64_t seconds, std::int32_t rate);
    /// The sum rounded to hundredths, halves up.
    std::int64_t rounded() const;

private:
    std::int64_t my_hundredths = 0;
    std::int64_t my_rest = 0; // hundredth-seconds, below 3600
};

struct ReportGroup
{
    std::int64_t key = 0; ///< category id, name id, day, the week's Sunday, or month index
    std::size_t sessions = 0;
    std::int64_t seconds = 0;
    std::int32_t rate = kNoRate; ///< the one rate of all its sessions; kNoRate when they differ
    Amount amount;
    std::vector<std::uint32_t> entries; ///< its sessions, in log order
};

struct ReportTotals
{
    std::size_t sessions = 0;
    std::int64_t seconds = 0;
    std::int64_t amount = 0; ///< the sum of the groups' rounded amounts, as a spreadsheet adds them
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

/// "1 session has no rate of its own and is billed at today's rate", or the plural.
std::string unrated_message(std::size_t count);

/// "1 line could not be read", "N lines could not be read", or "" when every line was read.
std::string unreadable_message(std::uint64_t count);

} // namespace velkor
