#include "reporter/LogEntries.h"

#include "core/LineReader.h"
#include "core/LogReader.h"
#include "core/TimeValues.h"
#include "platform/FileAccess.h"
#include "reporter/ReportPeriod.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>
#include <unordered_map>

namespace velkor {

namespace {

bool is_digit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool is_blank_line(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), is_white);
}

// The check-in date of a record. A record as written starts with "yyyy/mm/dd" and a TAB, and that
// date is the one the scan filters on; other shapes that still parse take the moment's local date.
std::int64_t check_in_day(std::string_view line, TimeStamp ci)
{
    if (line.size() > 10 && is_white(line[10]) && line[4] == '/' && line[7] == '/') {
        bool digits = true;
        for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
            digits = digits && is_digit(line[i]);
        if (digits) {
            const int year = (line[0] - '0') * 1000 + (line[1] - '0') * 100 + (line[2] - '0') * 10 + (line[3] - '0');
            const int month = (line[5] - '0') * 10 + (line[6] - '0');
            const int day = (line[8] - '0') * 10 + (line[9] - '0');
            if (month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year))
                return day_number({year, month, day});
        }
    }
    const LocalTimeFields local = ToLocal(ci);
    return day_number({local.year + 1900, local.month + 1, local.day});
}

// The scan adds a session into an unsigned 32-bit counter: one longer than that is damage.
std::int64_t counted_seconds(TimeStamp duration)
{
    return std::min<TimeStamp>(duration, std::numeric_limits<std::uint32_t>::max());
}

} // namespace

struct LogEntries::Impl
{
    LogRecordParser parser;
    LogRecord record;
    std::unordered_map<std::string, std::uint32_t> name_ids; // category TAB project
    std::unordered_map<std::string, std::uint32_t> category_ids;
    std::string key;
    std::uint32_t last_name = std::numeric_limits<std::uint32_t>::max();
};

LogEntries::LogEntries(std::size_t env_count) : my_env_count(env_count), my_impl(std::make_unique<Impl>()) {}
LogEntries::~LogEntries() = default;
LogEntries::LogEntries(LogEntries&&) noexcept = default;
LogEntries& LogEntries::operator=(LogEntries&&) noexcept = default;

std::uint32_t LogEntries::intern(const std::string& category, const std::string& project)
{
    // Logs come in runs of one project: try the last one first.
    if (my_impl->last_name < my_names.size()) {
        const EntryName& last = my_names[my_impl->last_name];
        if (last.project == project && last.category == category)
            return my_impl->last_name;
    }
    std::string& key = my_impl->key;
    key.assign(category).append(1, '\t').append(project); // names never hold a TAB
    auto found = my_impl->name_ids.find(key);
    if (found == my_impl->name_ids.end()) {
        auto category_found = my_impl->category_ids.find(category);
        if (category_found == my_impl->category_ids.end()) {
            category_found =
                my_impl->category_ids.emplace(category, static_cast<std::uint32_t>(my_categories.size())).first;
            my_categories.push_back(category);
        }
        found = my_impl->name_ids.emplace(key, static_cast<std::uint32_t>(my_names.size())).first;
        my_names.push_back({category, project, category_found->second});
    }
    my_impl->last_name = found->second;
    return found->second;
}

std::size_t LogEntries::keep_text(std::string_view text)
{
    my_text.append(text);
    return my_text.size();
}

void LogEntries::split_tail(std::string_view line, std::size_t names_end, LogEntry& entry)
{
    entry.memo_begin = entry.memo_end = entry.env_begin = entry.env_end = my_text.size();
    if (names_end >= line.size())
        return; // no rate field
    std::string_view rest = line.substr(names_end + 1);
    const std::size_t rate_end = rest.find('\t');
    entry.rate = parse_logged_rate(rest.substr(0, rate_end));
    if (rate_end == std::string_view::npos)
        return;
    rest.remove_prefix(rate_end + 1);

    // The memo is the first field, or more when the record has more fields than the memo and
    // the configured environment values.
    std::size_t fields = static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\t')) + 1;
    std::size_t memo_fields = fields > my_env_count ? fields - my_env_count : 1;
    std::size_t memo_length = 0;
    for (std::size_t tabs = 0; memo_length < rest.size(); ++memo_length) {
        if (rest[memo_length] == '\t' && ++tabs == memo_fields)
            break;
    }
    entry.memo_end = keep_text(rest.substr(0, memo_length));
    entry.env_begin = entry.memo_end;
    entry.env_end = memo_length < rest.size() ? keep_text(rest.substr(memo_length + 1)) : entry.env_begin;
}

void LogEntries::add_line(std::string_view line)
{
    ++my_lines;
    LogRecord& record = my_impl->record;
    if (!my_impl->parser.parse(line, record)) {
        if (is_blank_line(line))
            return;
        if (my_unreadable++ < kKeptUnreadableLines)
            my_first_unreadable.push_back(my_lines);
        return;
    }
    LogEntry entry;
    entry.ci = record.ci;
    entry.co = record.co;
    entry.seconds = counted_seconds(record.duration);
    entry.day = check_in_day(line, record.ci);
    entry.name = intern(record.category, record.project);
    entry.line = my_lines;
    split_tail(line, record.names_end, entry);
    my_entries.push_back(entry);
}

void LogEntries::reserve_for(std::uint64_t log_bytes)
{
    // A record takes some 80 bytes; growing the table by copying costs more than a guess.
    my_entries.reserve(my_entries.size() + static_cast<std::size_t>(log_bytes / 80));
}

std::string_view LogEntries::memo(const LogEntry& entry) const
{
    return std::string_view(my_text).substr(entry.memo_begin, entry.memo_end - entry.memo_begin);
}

std::string_view LogEntries::environment(const LogEntry& entry) const
{
    return std::string_view(my_text).substr(entry.env_begin, entry.env_end - entry.env_begin);
}

int read_log_entries(const std::string& path, LogEntries& entries)
{
    errno = 0;
    std::FILE* file = fopen_regular(path); // a FIFO or device would never end
    if (!file)
        return errno != 0 ? errno : EIO;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size > 0)
            entries.reserve_for(static_cast<std::uint64_t>(size));
        std::rewind(file);
    }
    LogLineReader reader(file);
    std::string_view line;
    while (reader.next(line))
        entries.add_line(line);
    const int error = std::ferror(file) ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(file);
    return error;
}

std::string memo_text(std::string_view stored)
{
    std::string text;
    text.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\\' && i + 1 < stored.size() && stored[i + 1] == '/') {
            text += '\n';
            ++i;
        } else {
            text += stored[i];
        }
    }
    return text;
}

std::int32_t parse_logged_rate(std::string_view text)
{
    while (!text.empty() && is_white(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_white(text.back()))
        text.remove_suffix(1);
    std::int64_t units = 0;
    std::size_t i = 0;
    for (; i < text.size() && is_digit(text[i]); ++i) {
        units = units * 10 + (text[i] - '0');
        if (units > std::numeric_limits<std::int32_t>::max() / 100)
            return kNoRate;
    }
    if (i == 0)
        return kNoRate;
    std::int64_t cents = 0;
    if (i < text.size()) {
        if (text[i] != '.' || text.size() - i > 3)
            return kNoRate;
        for (std::size_t k = 1; k <= 2; ++k) {
            const bool present = i + k < text.size();
            if (present && !is_digit(text[i + k]))
                return kNoRate;
            cents = cents * 10 + (present ? text[i + k] - '0' : 0);
        }
    }
    const std::int64_t rate = units * 100 + cents;
    return rate > std::numeric_limits<std::int32_t>::max() ? kNoRate : static_cast<std::int32_t>(rate);
}

std::string format_hundredths(std::int64_t hundredths)
{
    const bool negative = hundredths < 0;
    const std::uint64_t magnitude =
        negative ? 0ULL - static_cast<std::uint64_t>(hundredths) : static_cast<std::uint64_t>(hundredths);
    char text[40];
    std::snprintf(text, sizeof text, "%s%llu.%02llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 100), static_cast<unsigned long long>(magnitude % 100));
    return text;
}

} // namespace velkor
