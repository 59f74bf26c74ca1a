#include "reporter/Report.h"

#include "core/ProjectList.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>
#include <unordered_map>

namespace velkor {

namespace {

constexpr std::int64_t kSecondsPerHour = 3600;

// Colours for categories the project file does not know, far enough apart to tell.
constexpr Color kPalette[] = {make_rgb(31, 119, 180),  make_rgb(255, 127, 14),  make_rgb(44, 160, 44),
                              make_rgb(214, 39, 40),   make_rgb(148, 103, 189), make_rgb(140, 86, 75),
                              make_rgb(227, 119, 194), make_rgb(127, 127, 127)};

// Round steps for an hour scale: 0.25, 0.5, 1, 2, 5, 10, 20, 50, ...
double next_step(double step)
{
    if (step < 1)
        return step * 2;
    const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double leading = step / decade;
    return (leading < 1.5 ? 2 : leading < 3 ? 5 : 10) * decade;
}

// Sums no real log reaches; a damaged one stops at the largest amount instead of wrapping.
std::int64_t saturated_sum(std::int64_t a, std::int64_t b)
{
    return a > std::numeric_limits<std::int64_t>::max() - b ? std::numeric_limits<std::int64_t>::max() : a + b;
}

std::int64_t group_key(GroupBy by, const LogEntry& entry, const LogEntries& log)
{
    switch (by) {
    case GroupBy::Category:
        return log.name_of(entry).category_id;
    case GroupBy::Project:
        return entry.name;
    case GroupBy::Day:
        return entry.day;
    case GroupBy::Week:
        return week_start(entry.day);
    case GroupBy::Month:
        return month_index(entry.day);
    }
    return 0;
}

// Where a category or project stands in the project file; absent ones after all others.
std::size_t category_rank(const ReportContext& context, const std::string& category)
{
    return context.projects ? context.projects->find_category(category) : NPOS;
}

std::size_t project_rank(const ReportContext& context, const EntryName& name)
{
    const std::size_t c = category_rank(context, name.category);
    return c == NPOS ? NPOS : context.projects->find_project(c, name.project);
}

struct NameOrder
{
    const LogEntries& log;
    const ReportContext& context;

    auto category_key(std::uint32_t category) const
    {
        const std::string& name = log.categories()[category];
        return std::tuple<std::size_t, const std::string&>(category_rank(context, name), name);
    }
    auto project_key(std::uint32_t name_id) const
    {
        const EntryName& name = log.names()[name_id];
        return std::tuple<std::size_t, const std::string&, std::size_t, const std::string&>(
            category_rank(context, name.category), name.category, project_rank(context, name), name.project);
    }
};

void sort_groups(Report& report, const LogEntries& log, const ReportContext& context)
{
    const NameOrder order{log, context};
    auto& groups = report.groups;
    switch (report.by) {
    case GroupBy::Category:
        std::sort(groups.begin(), groups.end(), [&](const ReportGroup& a, const ReportGroup& b) {
            return order.category_key(static_cast<std::uint32_t>(a.key)) <
                   order.category_key(static_cast<std::uint32_t>(b.key));
        });
        break;
    case GroupBy::Project:
        std::sort(groups.begin(), groups.end(), [&](const ReportGroup& a, const ReportGroup& b) {
            return order.project_key(static_cast<std::uint32_t>(a.key)) <
                   order.project_key(static_cast<std::uint32_t>(b.key));
        });
        break;
    default:
        std::sort(groups.begin(), groups.end(),
                  [](const ReportGroup& a, const ReportGroup& b) { return a.key < b.key; });
        break;
    }
}

} // namespace

const char* group_by_name(GroupBy by)
{
    switch (by) {
    case GroupBy::Category:
        return "category";
    case GroupBy::Project:
        return "project";
    case GroupBy::Day:
        return "day";
    case GroupBy::Week:
        return "week";
    case GroupBy::Month:
        return "month";
    }
    return "project";
}

std::optional<GroupBy> parse_group_by(std::string_view name)
{
    for (GroupBy by : {GroupBy::Category, GroupBy::Project, GroupBy::Day, GroupBy::Week, GroupBy::Month}) {
        if (name == group_by_name(by))
            return by;
    }
    return std::nullopt;
}

std::int64_t session_amount(std::int64_t seconds, std::int32_t rate)
{
    // Both factors are capped (seconds below 2^32, rate below 2^31), so the product fits.
    const std::int64_t product = seconds * rate;
    return product / kSecondsPerHour + (product % kSecondsPerHour * 2 >= kSecondsPerHour ? 1 : 0);
}

std::int32_t billed_rate(const LogEntry& entry, const LogEntries& log, const ReportContext& context)
{
    if (entry.rate >= 0)
        return entry.rate;
    std::int32_t rate = context.default_rate;
    const EntryName& name = log.name_of(entry);
    const std::size_t c = category_rank(context, name.category);
    if (c != NPOS) {
        const std::size_t p = context.projects->find_project(c, name.project);
        rate = p != NPOS ? context.projects->effective_rate(c, p, rate)
                         : (context.projects->category_rate(c) >= 0 ? context.projects->category_rate(c) : rate);
    }
    return std::max<std::int32_t>(rate, 0);
}

Report build_report(const LogEntries& log, const DayRange& range, GroupBy by, const ReportContext& context)
{
    Report report;
    report.by = by;
    report.range = range;
    std::unordered_map<std::int64_t, std::size_t> index;
    const auto& entries = log.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LogEntry& entry = entries[i];
        if (!range.contains(entry.day))
            continue;
        if (entry.is_note()) {
            report.notes.push_back(static_cast<std::uint32_t>(i));
            continue;
        }
        const auto [slot, added] = index.try_emplace(group_key(by, entry, log), report.groups.size());
        if (added) {
            report.groups.emplace_back();
            report.groups.back().key = slot->first;
        }
        ReportGroup& group = report.groups[slot->second];
        const std::int32_t rate = billed_rate(entry, log, context);
        if (entry.rate < 0)
            ++report.unrated;
        group.rate = group.sessions == 0 || group.rate == rate ? rate : kNoRate;
        ++group.sessions;
        group.seconds += entry.seconds;
        group.amount = saturated_sum(group.amount, session_amount(entry.seconds, rate));
        group.entries.push_back(static_cast<std::uint32_t>(i));
    }
    sort_groups(report, log, context);
    for (const ReportGroup& group : report.groups) {
        report.totals.sessions += group.sessions;
        report.totals.seconds += group.seconds;
        report.totals.amount = saturated_sum(report.totals.amount, group.amount);
    }
    return report;
}

std::string group_label(const Report& report, const ReportGroup& group, const LogEntries& log, int order)
{
    switch (report.by) {
    case GroupBy::Category:
        return log.categories()[static_cast<std::size_t>(group.key)];
    case GroupBy::Project: {
        const EntryName& name = log.names()[static_cast<std::size_t>(group.key)];
        return name.category + " / " + name.project;
    }
    case GroupBy::Day:
    case GroupBy::Week:
        return format_day(group.key, order);
    case GroupBy::Month:
        return format_month(group.key, order);
    }
    return {};
}

ChartData chart_data(const Report& report, const LogEntries& log, const ReportContext& context, int order)
{
    ChartData chart;
    // Project names alone, unless two categories share one.
    std::map<std::string, int> project_uses;
    if (report.by == GroupBy::Project) {
        for (const ReportGroup& group : report.groups)
            ++project_uses[log.names()[static_cast<std::size_t>(group.key)].project];
    }
    for (const ReportGroup& group : report.groups) {
        if (report.by != GroupBy::Project) {
            chart.labels.push_back(group_label(report, group, log, order));
            continue;
        }
        const EntryName& name = log.names()[static_cast<std::size_t>(group.key)];
        chart.labels.push_back(project_uses[name.project] > 1 ? name.project + " (" + name.category + ")"
                                                              : name.project);
    }

    std::vector<std::uint32_t> categories;
    std::vector<std::size_t> series_of(log.categories().size(), NPOS);
    for (const ReportGroup& group : report.groups) {
        for (std::uint32_t i : group.entries) {
            const std::uint32_t category = log.name_of(log.entries()[i]).category_id;
            if (series_of[category] == NPOS) {
                series_of[category] = 0;
                categories.push_back(category);
            }
        }
    }
    const NameOrder name_order{log, context};
    std::sort(categories.begin(), categories.end(), [&](std::uint32_t a, std::uint32_t b) {
        return name_order.category_key(a) < name_order.category_key(b);
    });
    std::size_t unknown = 0;
    for (std::uint32_t category : categories) {
        series_of[category] = chart.series.size();
        const std::string& name = log.categories()[category];
        const std::size_t c = category_rank(context, name);
        const Color color = c != NPOS ? context.projects->category_color(c)
                                      : kPalette[unknown++ % (sizeof kPalette / sizeof kPalette[0])];
        chart.series.push_back({name, color, std::vector<std::int64_t>(report.groups.size(), 0)});
    }
    for (std::size_t g = 0; g < report.groups.size(); ++g) {
        for (std::uint32_t i : report.groups[g].entries) {
            const LogEntry& entry = log.entries()[i];
            chart.series[series_of[log.name_of(entry).category_id]].seconds[g] += entry.seconds;
        }
    }
    return chart;
}

HourScale hour_scale(const ChartData& chart)
{
    std::int64_t highest = 0;
    for (std::size_t g = 0; g < chart.labels.size(); ++g) {
        std::int64_t stacked = 0;
        for (const ChartData::Series& series : chart.series)
            stacked += series.seconds[g];
        highest = std::max(highest, stacked);
    }
    const double hours = std::max(static_cast<double>(highest) / 3600, 1.0);
    HourScale scale;
    while (hours / scale.step > 4)
        scale.step = next_step(scale.step);
    scale.top = std::ceil(hours / scale.step) * scale.step;
    return scale;
}

std::string unrated_message(std::size_t count)
{
    return count == 1 ? "1 session has no rate of its own and is billed at today's rate"
                      : std::to_string(count) + " sessions have no rate of their own and are billed at today's rate";
}

std::string unreadable_message(std::uint64_t count)
{
    if (count == 0)
        return {};
    return std::to_string(count) + (count == 1 ? " line could not be read" : " lines could not be read");
}

} // namespace velkor
