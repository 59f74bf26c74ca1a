#include "core/LogReader.h"

#include "core/TimeValues.h"

#include <climits>
#include <cstring>

namespace velkor {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

bool is_space(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
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

    bool triple(int (&out)[3])
    {
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

const LogRecordParser::Day& LogRecordParser::day_entry(int year, int month, int day)
{
    Day& entry = my_days[static_cast<std::size_t>(year * 372 + month * 31 + day) % my_days.size()];
    if (entry.used && entry.year == year && entry.month == month && entry.day == day)
        return entry;
    entry = Day{year, month, day, -1, false, true};
    LocalTimeFields fields;
    fields.year = year - 1900;
    fields.month = month - 1;
    fields.day = day;
    LocalTimeFields noon = fields;
    noon.hour = 12;
    LocalTimeFields last = fields;
    last.hour = 23;
    last.minute = 59;
    last.second = 59;
    entry.midnight = FromLocal(fields);
    // Where the offset changes during the day (daylight saving), every moment is converted alone.
    entry.uniform =
        entry.midnight != -1 && FromLocal(noon) == entry.midnight + 43200 && FromLocal(last) == entry.midnight + 86399;
    return entry;
}

TimeStamp LogRecordParser::to_moment(int year, int month, int day, int hour, int minute, int second)
{
    if (year < INT_MIN + 1900)
        return -1;
    const bool plain = year >= 1900 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
                       day <= DaysInMonth(month, year) && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 &&
                       second >= 0 && second < 60;
    if (plain) {
        const Day& entry = day_entry(year, month, day);
        if (entry.uniform)
            return entry.midnight + hour * 3600 + minute * 60 + second;
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
    if (!in.triple(ci_date) || !in.triple(ci_time) || !in.triple(co_date) || !in.triple(co_time))
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
    return true;
}

} // namespace velkor
