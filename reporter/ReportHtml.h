#pragma once
// A report as one self-contained HTML page: the chart as inline SVG, the groups with their
// sessions and memos, the totals and the notes. Everything from the log is escaped.

#include "reporter/Report.h"
#include "reporter/ReportText.h"

#include <string>
#include <string_view>

namespace velkor {

/// Reports with more sessions than this list the groups without their sessions.
inline constexpr std::size_t kMaxSessionsListed = 10000;

struct HtmlOptions
{
    int order = 0;         ///< date order
    ReportContext context; ///< for the rate of sessions that hold none
    /// When set, the chart is this image, legend included (printing draws its own), shown this
    /// many pixels wide; else an inline SVG with its legend below it.
    std::string chart_image;
    int chart_image_width = 0;
};

std::string report_html(const Report& report, const LogEntries& log, const ChartData& chart, const ReportSource& source,
                        const HtmlOptions& options);

/// The stacked bar chart as an SVG element, hours on the vertical axis.
std::string chart_svg(const ChartData& chart);

/// text with &, <, >, " and ' escaped and bytes that are not UTF-8 replaced.
std::string html_escape(std::string_view text);

/// "#rrggbb".
std::string html_color(Color color);

} // namespace velkor
