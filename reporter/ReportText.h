#pragma once
// A report as text: the table's columns and cells, CSV (RFC 4180) and JSON.

#include "reporter/Report.h"

#include <string>
#include <string_view>
#include <vector>

namespace velkor {

/// The columns that name a group: "Category"; "Category", "Project"; "Day"; "Week"; "Month".
std::vector<std::string> group_columns(GroupBy by);
/// The cells of those columns for a group, dates in the date order (a week by its Sunday).
std::vector<std::string> group_cells(const Report& report, const ReportGroup& group, const LogEntries& log, int order);

/// The group's rate as "45.00", or "" when its sessions have different rates.
std::string rate_cell(const ReportGroup& group);

/// One CSV field: quoted when it holds a comma, a double quote, CR or LF; quotes doubled.
std::string csv_field(std::string_view text);

/// A header line, one line per group and, with_total, a "Total" line; CR LF line ends.
/// Columns: the group's, then Sessions, Time, Seconds, Rate, Amount.
std::string report_csv(const Report& report, const LogEntries& log, int order, bool with_total);

/// Where the report came from, for the JSON and HTML forms.
struct ReportSource
{
    std::string log_path;
    std::uint64_t unreadable_lines = 0;
};

/// The report as one JSON object: groups, total, notes and the unreadable-line count.
std::string report_json(const Report& report, const LogEntries& log, const ReportSource& source);

/// A JSON string literal; bytes that are not UTF-8 become U+FFFD.
std::string json_string(std::string_view text);

/// text with every byte sequence that is not UTF-8 replaced by U+FFFD.
std::string valid_utf8(std::string_view text);

} // namespace velkor
