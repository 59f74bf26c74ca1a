#include "reporter/ReportHtml.h"

#include "core/TimeValues.h"

#include <algorithm>
#include <cstdio>

namespace velkor {

namespace {

constexpr int kChartWidth = 760;
constexpr int kChartHeight = 320;
constexpr int kLeft = 56;
constexpr int kRight = 12;
constexpr int kTop = 16;
constexpr int kBottom = 96; // room for slanted labels
constexpr int kMaxLabels = 40;

const char* const kStyle = "body{font-family:sans-serif;margin:2em;color:#222}"
                           "table{border-collapse:collapse;margin:1em 0}"
                           "th,td{border:1px solid #bbb;padding:3px 8px;vertical-align:top}"
                           "th{background:#eee;text-align:left}td.n{text-align:right}"
                           "tr.group td{font-weight:bold;background:#f6f6f6}tr.session td{font-size:90%}"
                           "tfoot td{font-weight:bold}.memo{color:#555;margin-top:2px}"
                           ".legend span{display:inline-block;margin-right:1.5em}"
                           ".swatch{display:inline-block;width:0.9em;height:0.9em;margin-right:0.3em;"
                           "vertical-align:middle}.warning{color:#a00}";

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string hours_text(double hours)
{
    char text[32];
    std::snprintf(text, sizeof text, hours == static_cast<long long>(hours) ? "%.0f" : "%.2g", hours);
    return text;
}

std::string time_of(TimeStamp t)
{
    const LocalTimeFields local = ToLocal(t);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.hour, local.minute, local.second);
    return text;
}

std::string memo_html(std::string_view stored)
{
    std::string text = html_escape(memo_text(stored));
    std::string out;
    for (char ch : text)
        out += ch == '\n' ? std::string("<br>") : std::string(1, ch);
    return out;
}

std::string period_text(const Report& report, int order)
{
    const DayRange& range = report.range;
    if (!range.has_first() && !range.has_last())
        return "all records";
    const std::string from = range.has_first() ? format_day(range.first, order) : "the first record";
    const std::string to = range.has_last() ? format_day(range.last, order) : "the last record";
    return from == to ? from : from + " to " + to;
}

std::string session_rows(const ReportGroup& group, const LogEntries& log, const ReportContext& context,
                         std::size_t span, int order)
{
    std::string out;
    for (std::uint32_t i : group.entries) {
        const LogEntry& entry = log.entries()[i];
        const EntryName& name = log.name_of(entry);
        const std::int32_t rate = billed_rate(entry, log, context);
        out += "<tr class=\"session\"><td colspan=\"" + std::to_string(span) + "\">" + format_day(entry.day, order) +
               " " + time_of(entry.ci) + " &ndash; " + time_of(entry.co) + ", " + html_escape(name.category) + " / " +
               html_escape(name.project);
        if (!log.memo(entry).empty())
            out += "<div class=\"memo\">" + memo_html(log.memo(entry)) + "</div>";
        out += "</td><td class=\"n\">" + FormatDuration(static_cast<long>(entry.seconds)) + "</td><td class=\"n\">" +
               format_hundredths(rate) + (entry.rate < 0 ? "*" : "") + "</td><td class=\"n\">" +
               format_hundredths(session_amount(entry.seconds, rate)) + "</td></tr>\n";
    }
    return out;
}

std::string groups_table(const Report& report, const LogEntries& log, const ReportContext& context, int order)
{
    const std::vector<std::string> columns = group_columns(report.by);
    const bool sessions = report.totals.sessions <= kMaxSessionsListed;
    std::string out = "<table>\n<thead><tr>";
    for (const std::string& column : columns)
        out += "<th>" + column + "</th>";
    out += "<th>Sessions</th><th>Time</th><th>Rate</th><th>Amount</th></tr></thead>\n<tbody>\n";
    for (const ReportGroup& group : report.groups) {
        out += "<tr class=\"group\">";
        for (const std::string& cell : group_cells(report, group, log, order))
            out += "<td>" + html_escape(cell) + "</td>";
        out += "<td class=\"n\">" + std::to_string(group.sessions) + "</td><td class=\"n\">" +
               FormatDuration(static_cast<long>(group.seconds)) + "</td><td class=\"n\">" + rate_cell(group) +
               "</td><td class=\"n\">" + format_hundredths(group.amount) + "</td></tr>\n";
        if (sessions)
            out += session_rows(group, log, context, columns.size() + 1, order);
    }
    out += "</tbody>\n<tfoot><tr><td colspan=\"" + std::to_string(columns.size()) + "\">Total</td><td class=\"n\">" +
           std::to_string(report.totals.sessions) + "</td><td class=\"n\">" +
           FormatDuration(static_cast<long>(report.totals.seconds)) + "</td><td></td><td class=\"n\">" +
           format_hundredths(report.totals.amount) + "</td></tr></tfoot>\n</table>\n";
    if (!sessions)
        out += "<p>The sessions of reports with more than " + std::to_string(kMaxSessionsListed) +
               " sessions are not listed.</p>\n";
    return out;
}

std::string notes_table(const Report& report, const LogEntries& log, int order)
{
    if (report.notes.empty())
        return {};
    std::string out = "<h2>Notes</h2>\n<table>\n<thead><tr><th>Day</th><th>Time</th><th>Category</th><th>Project</th>"
                      "<th>Note</th></tr></thead>\n<tbody>\n";
    for (std::uint32_t i : report.notes) {
        const LogEntry& entry = log.entries()[i];
        out += "<tr><td>" + format_day(entry.day, order) + "</td><td>" + time_of(entry.ci) + "</td><td>" +
               html_escape(log.name_of(entry).category) + "</td><td>" + html_escape(log.name_of(entry).project) +
               "</td><td>" + memo_html(log.memo(entry)) + "</td></tr>\n";
    }
    return out + "</tbody>\n</table>\n";
}

std::string legend(const ChartData& chart)
{
    std::string out = "<p class=\"legend\">";
    for (const ChartData::Series& series : chart.series)
        out += "<span><span class=\"swatch\" style=\"background:" + html_color(series.color) + "\"></span>" +
               html_escape(series.category) + "</span>";
    return out + "</p>\n";
}

} // namespace

std::string html_escape(std::string_view text)
{
    std::string out;
    for (char ch : valid_utf8(text)) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::string html_color(Color color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red_of(color), green_of(color), blue_of(color));
    return text;
}

std::string chart_svg(const ChartData& chart)
{
    const std::size_t n = chart.labels.size();
    const HourScale scale = hour_scale(chart);
    const double top = scale.top;
    const double step = scale.step;
    const double plot_width = kChartWidth - kLeft - kRight;
    const double plot_height = kChartHeight - kTop - kBottom;
    const double bottom = kTop + plot_height;
    const auto y_of = [&](double hours) { return bottom - hours / top * plot_height; };

    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kChartWidth) +
                      "\" height=\"" + std::to_string(kChartHeight) +
                      "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    for (double hours = 0; hours <= top + step / 2; hours += step) {
        const std::string y = number(y_of(hours));
        out += "<line x1=\"" + std::to_string(kLeft) + "\" y1=\"" + y + "\" x2=\"" +
               std::to_string(kChartWidth - kRight) + "\" y2=\"" + y + "\" stroke=\"#ddd\"/>";
        out += "<text x=\"" + std::to_string(kLeft - 6) + "\" y=\"" + number(y_of(hours) + 4) +
               "\" text-anchor=\"end\">" + hours_text(hours) + "</text>\n";
    }
    out += "<text x=\"12\" y=\"" + number(kTop + plot_height / 2) + "\" transform=\"rotate(-90 12 " +
           number(kTop + plot_height / 2) + ")\" text-anchor=\"middle\">hours</text>\n";
    if (n == 0)
        out += "<text x=\"" + number(kLeft + plot_width / 2) + "\" y=\"" + number(kTop + plot_height / 2) +
               "\" text-anchor=\"middle\">No sessions in this period.</text>\n";

    const double slot = n > 0 ? plot_width / static_cast<double>(n) : plot_width;
    const std::size_t label_every = n > kMaxLabels ? (n + kMaxLabels - 1) / kMaxLabels : 1;
    for (std::size_t g = 0; g < n; ++g) {
        const double x = kLeft + slot * static_cast<double>(g) + slot * 0.15;
        double stacked = 0;
        for (const ChartData::Series& series : chart.series) {
            if (series.seconds[g] == 0)
                continue;
            const double hours = static_cast<double>(series.seconds[g]) / 3600;
            out += "<rect x=\"" + number(x) + "\" y=\"" + number(y_of(stacked + hours)) + "\" width=\"" +
                   number(slot * 0.7) + "\" height=\"" + number(hours / top * plot_height) + "\" fill=\"" +
                   html_color(series.color) + "\"><title>" + html_escape(chart.labels[g]) + ", " +
                   html_escape(series.category) + ": " + FormatDuration(static_cast<long>(series.seconds[g])) +
                   "</title></rect>\n";
            stacked += hours;
        }
        if (g % label_every == 0) {
            const std::string lx = number(x + slot * 0.35);
            const std::string ly = number(bottom + 12);
            out += "<text x=\"" + lx + "\" y=\"" + ly + "\" transform=\"rotate(-40 " + lx + " " + ly +
                   ")\" text-anchor=\"end\">" + html_escape(chart.labels[g]) + "</text>\n";
        }
    }
    out += "<line x1=\"" + std::to_string(kLeft) + "\" y1=\"" + number(bottom) + "\" x2=\"" +
           std::to_string(kChartWidth - kRight) + "\" y2=\"" + number(bottom) + "\" stroke=\"#444\"/>\n</svg>\n";
    return out;
}

std::string report_html(const Report& report, const LogEntries& log, const ChartData& chart, const ReportSource& source,
                        const HtmlOptions& options)
{
    const int order = options.order;
    std::string out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Velkor Reporter</title><style>";
    out += kStyle;
    out += "</style></head>\n<body>\n<h1>Velkor Reporter</h1>\n<p>Log file: " + html_escape(source.log_path) +
           "<br>Period: " + period_text(report, order) + "<br>Grouped by " + group_by_name(report.by) + "</p>\n";
    if (options.chart_image.empty())
        out += chart_svg(chart) + legend(chart);
    else
        out += "<p><img src=\"" + html_escape(options.chart_image) + "\" width=\"" +
               std::to_string(options.chart_image_width) + "\"></p>\n";
    out += groups_table(report, log, options.context, order);
    if (report.unrated > 0)
        out += "<p>* " + unrated_message(report.unrated) + ".</p>\n";
    out += notes_table(report, log, order);
    if (source.unreadable_lines > 0)
        out += "<p class=\"warning\">" + unreadable_message(source.unreadable_lines) + ".</p>\n";
    return out + "</body></html>\n";
}

} // namespace velkor
