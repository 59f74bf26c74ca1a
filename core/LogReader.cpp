#include "core/LogReader.h"

#include "core/TimeValues.h"

#include <climits>
#include <cstring>
#include <ctime>

namespace velkor {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// Days cached at once: 22 years of consecutive days map to distinct slots.
constexpr std::size_t kDaySlots = 8192;
// Days with an offset change kept at once; a log has a few per year.
constexpr std::size_t kMaxChangingDays = 1024;
constexpr TimeStamp kConvertAlone = INT64_MIN;

bool is_space(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

bool is_digit(char ch)
{
    return static_cast<unsigned>(ch - '0') < 10u;
}

int two_digits(const char* p)
{
    return (p[0] - '0') * 10 + (p[1] - '0');
}

/// The wall-clock reading in tm counted like a UTC moment.
std::int64_t wall_seconds(const std::tm& tm)
{
    return DaysFromCivil(std::int64_t{tm.tm_year} + 1900, tm.tm_mon + 1, tm.tm_mday) * 86400 + tm.tm_hour * 3600 +
           tm.tm_min * 60 + tm.tm_sec;
}

// A cursor over one line with the reads a record needs.
struct Cursor
{
    const char* p;
    const char* end;

    void skip_space()
    {
        while (p < end && is_space(*p))
            ++p;
    }

    // Signed decimal after optional white space; fails on no digits or overflow.
    bool number(int& out)
    {
        skip_space();
        bool negative = false;
        if (p < end && (*p == '+' || *p == '-'))
            negative = *p++ == '-';
        if (p == end || *p < '0' || *p > '9')
            return false;
        long long value = 0;
        while (p < end && *p >= '0' && *p <= '9') {
            value = value * 10 + (*p++ - '0');
            if (value > static_cast<long long>(INT_MAX) + 1)
                return false;
        }
        value = negative ? -value : value;
        if (value > INT_MAX || value < INT_MIN)
            return false;
        out = static_cast<int>(value);
        return true;
    }

    // Any one character after optional white space.
    bool separator()
    {
        skip_space();
        if (p == end)
            return false;
        ++p;
        return true;
    }

    // Three numbers with a separator after each of the first two. Written records have the
    // shape "dddd/dd/dd" and "dd:dd:dd", read here at fixed positions; anything else (blanks,
    // signs, other digit counts, a blank or digit as separator) takes the general reads.
    template <std::size_t Lead> bool triple(int (&out)[3])
    {
        skip_space();
        constexpr std::size_t length = Lead + 6;
        const auto left = static_cast<std::size_t>(end - p);
        if (left >= length && (left == length || !is_digit(p[length]))) {
            const char* q = p + Lead;
            bool fixed = is_digit(q[1]) && is_digit(q[2]) && is_digit(q[4]) && is_digit(q[5]) && !is_digit(q[0]) &&
                         !is_space(q[0]) && !is_digit(q[3]) && !is_space(q[3]);
            int lead = 0;
            for (std::size_t i = 0; i < Lead; ++i) {
                fixed = fixed && is_digit(p[i]);
                lead = lead * 10 + (p[i] - '0');
            }
            if (fixed) {
                out[0] = lead;
                out[1] = two_digits(q + 1);
                out[2] = two_digits(q + 4);
                p += length;
                return true;
            }
        }
        return number(out[0]) && separator() && number(out[1]) && separator() && number(out[2]);
    }
};

} // namespace

// ---------------------------------------------------------------------------------------------

LogLineReader::LogLineReader(std::FILE* file) : my_file(file), my_storage(kChunk)
{
    my_data = my_storage.data();
}

LogLineReader::LogLineReader(std::string_view data) : my_data(data.data()), my_end(data.size()), my_eof(true) {}

bool LogLineReader::read_more()
{
    if (my_eof)
        return false;
    std::size_t n = std::fread(my_storage.data() + my_end, 1, my_storage.size() - my_end, my_file);
    if (n == 0)
        my_eof = true;
    my_end += n;
    return n > 0;
}

std::string_view LogLineReader::finish(const char* text, std::size_t length)
{
    if (length > 0 && text[length - 1] == '\r')
        --length;
    return std::string_view(text, length < kMaxLogLineLength ? length : kMaxLogLineLength);
}

std::string_view LogLineReader::take_long_line()
{
    // The buffer is full without a line end: keep the head, drop everything up to the next LF.
    my_long_line.assign(my_data, kMaxLogLineLength);
    my_begin = my_end = 0;
    while (read_more()) {
        const void* lf = std::memchr(my_data, '\n', my_end);
        if (lf) {
            my_begin = static_cast<std::size_t>(static_cast<const char*>(lf) - my_data) + 1;
            break;
        }
        my_end = 0;
    }
    return my_long_line;
}

bool LogLineReader::next(std::string_view& line)
{
    std::size_t scanned = 0; // bytes after my_begin known to hold no LF
    for (;;) {
        const char* base = my_data + my_begin;
        const std::size_t avail = my_end - my_begin;
        const void* lf = std::memchr(base + scanned, '\n', avail - scanned);
        if (lf) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - base);
            my_begin += length + 1;
            line = finish(base, length);
            return true;
        }
        scanned = avail;
        if (my_eof) {
            if (avail == 0)
                return false;
            my_begin = my_end;
            line = finish(base, avail);
            return true;
        }
        if (my_begin > 0) {
            std::memmove(my_storage.data(), base, avail);
            my_begin = 0;
            my_end = avail;
        }
        if (my_end == my_storage.size()) {
            line = take_long_line();
            return true;
        }
        read_more();
    }
}

// ---------------------------------------------------------------------------------------------

LogRecordParser::LogRecordParser() : my_days(kDaySlots) {}

const LogRecordParser::Day& LogRecordParser::day_entry(std::int32_t key, int year, int month, int day)
{
    Day& entry = my_days[static_cast<std::uint32_t>(key) % kDaySlots];
    if (entry.key == key)
        return entry;
    entry = Day{key, false, 0};
    // Where midnight shows as midnight and the offset stays the same from a day before it to the
    // day's last second, every reading of the day occurs exactly once, so FromLocal gives
    // midnight + seconds for each. One mktime is enough to find out: which moment it picks
    // cannot matter where a reading occurs only once.
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_isdst = -1;
    tm.tm_wday = -1;
    const std::time_t midnight = std::mktime(&tm);
    if (midnight == static_cast<std::time_t>(-1) && tm.tm_wday == -1)
        return entry;
    const std::int64_t offset = wall_seconds(tm) - midnight;
    std::int64_t day_before = 0;
    std::int64_t last_second = 0;
    entry.uniform = wall_seconds(tm) == std::int64_t{key} * 86400 && UtcOffset(midnight - 86400, day_before) &&
                    UtcOffset(midnight + 86399, last_second) && day_before == offset && last_second == offset;
    entry.midnight = midnight;
    return entry;
}

const LogRecordParser::HourStarts& LogRecordParser::hour_starts(std::int32_t key, int year, int month, int day)
{
    const auto found = my_changing_days.find(key);
    if (found != my_changing_days.end())
        return found->second;
    if (my_changing_days.size() >= kMaxChangingDays)
        my_changing_days.clear();
    HourStarts& starts = my_changing_days[key];
    for (int hour = 0; hour < 24; ++hour) {
        LocalTimeFields first{0, 0, hour, day, month - 1, year - 1900};
        LocalTimeFields last{59, 59, hour, day, month - 1, year - 1900};
        const TimeStamp start = FromLocal(first);
        // An hour whose first and last seconds lie 3599 s apart is one straight run, even when it
        // is repeated or skipped as a whole.
        starts[static_cast<std::size_t>(hour)] = start != -1 && FromLocal(last) == start + 3599 ? start : kConvertAlone;
    }
    return starts;
}

TimeStamp LogRecordParser::to_moment(int year, int month, int day, int hour, int minute, int second)
{
    if (year < INT_MIN + 1900)
        return -1;
    const bool plain = year >= 1900 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
                       day <= DaysInMonth(month, year) && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 &&
                       second >= 0 && second < 60;
    if (plain) {
        const auto key = static_cast<std::int32_t>(DaysFromCivil(year, month, day));
        const Day& entry = day_entry(key, year, month, day);
        const int seconds = minute * 60 + second;
        if (entry.uniform)
            return entry.midnight + hour * 3600 + seconds;
        const TimeStamp start = hour_starts(key, year, month, day)[static_cast<std::size_t>(hour)];
        if (start != kConvertAlone)
            return start + seconds;
    }
    // Out-of-range fields are carried into the neighbouring units, as the system's conversion does.
    LocalTimeFields fields;
    fields.year = year - 1900;
    fields.month = month - 1;
    fields.day = day;
    fields.hour = hour;
    fields.minute = minute;
    fields.second = second;
    return FromLocal(fields);
}

bool LogRecordParser::parse(std::string_view line, LogRecord& record)
{
    Cursor in{line.data(), line.data() + line.size()};
    int ci_date[3], ci_time[3], co_date[3], co_time[3];
    if (!in.triple<4>(ci_date) || !in.triple<2>(ci_time) || !in.triple<4>(co_date) || !in.triple<2>(co_time))
        return false;

    in.skip_space();
    const char* tab = static_cast<const char*>(std::memchr(in.p, '\t', static_cast<std::size_t>(in.end - in.p)));
    if (!tab || tab + 1 == in.end)
        return false;
    const char* project = tab + 1;
    const char* project_end =
        static_cast<const char*>(std::memchr(project, '\t', static_cast<std::size_t>(in.end - project)));
    if (!project_end)
        project_end = in.end;

    const TimeStamp ci = to_moment(ci_date[0], ci_date[1], ci_date[2], ci_time[0], ci_time[1], ci_time[2]);
    const TimeStamp co = to_moment(co_date[0], co_date[1], co_date[2], co_time[0], co_time[1], co_time[2]);
    if (ci == -1 || co == -1 || co < ci)
        return false;

    record.ci = ci;
    record.co = co;
    record.duration = co - ci;
    record.category.assign(in.p, tab);
    record.project.assign(project, project_end);
    record.names_end = static_cast<std::size_t>(project_end - line.data());
    return true;
}

} // namespace velkor
