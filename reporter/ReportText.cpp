#include "reporter/ReportText.h"

#include "core/TimeValues.h"

#include <cstdio>

namespace velkor {

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

// The length of the UTF-8 sequence at text[i], or 0 when none starts there.
std::size_t utf8_length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    }
    return length;
}

void append_json_key(std::string& out, const char* key)
{
    out += '"';
    out += key;
    out += "\":";
}

void append_json_field(std::string& out, const char* key, std::string_view text, bool comma = true)
{
    append_json_key(out, key);
    out += json_string(text);
    if (comma)
        out += ',';
}

void append_json_number(std::string& out, const char* key, const std::string& number, bool comma = true)
{
    append_json_key(out, key);
    out += number;
    if (comma)
        out += ',';
}

std::string json_group_fields(const Report& report, const ReportGroup& group, const LogEntries& log)
{
    std::string out;
    switch (report.by) {
    case GroupBy::Category:
        append_json_field(out, "category", log.categories()[static_cast<std::size_t>(group.key)]);
        break;
    case GroupBy::Project: {
        const EntryName& name = log.names()[static_cast<std::size_t>(group.key)];
        append_json_field(out, "category", name.category);
        append_json_field(out, "project", name.project);
        break;
    }
    case GroupBy::Day:
        append_json_field(out, "day", iso_day(group.key));
        break;
    case GroupBy::Week:
        append_json_field(out, "week", iso_day(group.key));
        break;
    case GroupBy::Month:
        append_json_field(out, "month", iso_month(group.key));
        break;
    }
    return out;
}

std::string json_times(std::size_t sessions, std::int64_t seconds)
{
    std::string out;
    append_json_number(out, "sessions", std::to_string(sessions));
    append_json_number(out, "seconds", std::to_string(seconds));
    append_json_field(out, "time", FormatDuration(static_cast<long>(seconds)));
    return out;
}

} // namespace

std::vector<std::string> group_columns(GroupBy by)
{
    switch (by) {
    case GroupBy::Category:
        return {"Category"};
    case GroupBy::Project:
        return {"Category", "Project"};
    case GroupBy::Day:
        return {"Day"};
    case GroupBy::Week:
        return {"Week"};
    case GroupBy::Month:
        return {"Month"};
    }
    return {};
}

std::vector<std::string> group_cells(const Report& report, const ReportGroup& group, const LogEntries& log, int order)
{
    if (report.by == GroupBy::Project) {
        const EntryName& name = log.names()[static_cast<std::size_t>(group.key)];
        return {name.category, name.project};
    }
    return {group_label(report, group, log, order)};
}

std::string rate_cell(const ReportGroup& group)
{
    return group.rate >= 0 ? format_hundredths(group.rate) : std::string();
}

std::string csv_field(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
    return out;
}

std::string report_csv(const Report& report, const LogEntries& log, int order, bool with_total)
{
    std::string out;
    const auto line = [&out](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += ',';
            out += csv_field(cells[i]);
        }
        out += "\r\n";
    };
    std::vector<std::string> header = group_columns(report.by);
    header.insert(header.end(), {"Sessions", "Time", "Seconds", "Rate", "Amount"});
    line(header);
    for (const ReportGroup& group : report.groups) {
        std::vector<std::string> cells = group_cells(report, group, log, order);
        cells.insert(cells.end(), {std::to_string(group.sessions), FormatDuration(static_cast<long>(group.seconds)),
                                   std::to_string(group.seconds), rate_cell(group), format_hundredths(group.amount)});
        line(cells);
    }
    if (with_total) {
        std::vector<std::string> cells(group_columns(report.by).size());
        cells[0] = "Total";
        const ReportTotals& totals = report.totals;
        cells.insert(cells.end(), {std::to_string(totals.sessions), FormatDuration(static_cast<long>(totals.seconds)),
                                   std::to_string(totals.seconds), std::string(), format_hundredths(totals.amount)});
        line(cells);
    }
    return out;
}

std::string report_json(const Report& report, const LogEntries& log, const ReportSource& source)
{
    std::string out = "{";
    append_json_field(out, "log", source.log_path);
    append_json_number(out, "from", report.range.has_first() ? json_string(iso_day(report.range.first)) : "null");
    append_json_number(out, "to", report.range.has_last() ? json_string(iso_day(report.range.last)) : "null");
    append_json_field(out, "by", group_by_name(report.by));
    out += "\"groups\":[";
    for (std::size_t g = 0; g < report.groups.size(); ++g) {
        const ReportGroup& group = report.groups[g];
        out += g > 0 ? ",\n{" : "\n{";
        out += json_group_fields(report, group, log);
        out += json_times(group.sessions, group.seconds);
        append_json_number(out, "rate", group.rate >= 0 ? format_hundredths(group.rate) : "null");
        append_json_number(out, "amount", format_hundredths(group.amount), false);
        out += '}';
    }
    out += "],\n\"total\":{";
    out += json_times(report.totals.sessions, report.totals.seconds);
    append_json_number(out, "amount", format_hundredths(report.totals.amount), false);
    out += "},\n\"notes\":[";
    for (std::size_t n = 0; n < report.notes.size(); ++n) {
        const LogEntry& entry = log.entries()[report.notes[n]];
        const LocalTimeFields local = ToLocal(entry.ci);
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.hour, local.minute, local.second);
        out += n > 0 ? ",\n{" : "\n{";
        append_json_field(out, "day", iso_day(entry.day));
        append_json_field(out, "time", time);
        append_json_field(out, "category", log.name_of(entry).category);
        append_json_field(out, "project", log.name_of(entry).project);
        append_json_field(out, "text", memo_text(log.memo(entry)), false);
        out += '}';
    }
    out += "],\n";
    append_json_number(out, "unrated_sessions", std::to_string(report.unrated));
    append_json_number(out, "unreadable_lines", std::to_string(source.unreadable_lines), false);
    out += "}\n";
    return out;
}

std::string json_string(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8_length(text, i);
        if (length == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        const char ch = text[i];
        if (length > 1) {
            out.append(text.substr(i, length));
        } else if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(ch));
            out += escaped;
        } else {
            out += ch;
        }
        i += length;
    }
    out += '"';
    return out;
}

std::string valid_utf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8_length(text, i);
        if (length == 0) {
            out += kReplacement;
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

} // namespace velkor
