#pragma once
// Reading the log back: lines of bounded length and the leading fields of each record.

#include "core/Clock.h"
#include "core/LocalTimeCache.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

/// Longest line a reader takes; the rest of a longer line is dropped.
inline constexpr std::size_t kMaxLogLineLength = 1771;

/// The fields a reader takes from one log line.
struct LogRecord
{
    TimeStamp ci = 0;
    TimeStamp co = 0;
    TimeStamp duration = 0; // co - ci, never negative
    std::string category;
    std::string project;
    std::size_t names_end = 0; // offset in the line just past the project name (field 7 follows)
};

/// The same fields with the names as views into the line they were read from.
struct LogRecordView
{
    TimeStamp ci = 0;
    TimeStamp co = 0;
    TimeStamp duration = 0; // co - ci, never negative
    std::string_view category;
    std::string_view project;

    /// Category, the one TAB after it and project: the names as they stand in the line.
    std::string_view names() const
    {
        return {category.data(), static_cast<std::size_t>(project.data() + project.size() - category.data())};
    }
};

/// Splits a file or a byte string into lines: LF ends a line, a CR before it is dropped, and a
/// line is cut to kMaxLogLineLength characters (its rest never comes back as another line).
class LogLineReader
{
public:
    /// Reads from an open file, which the caller keeps and closes.
    explicit LogLineReader(std::FILE* file);
    /// Reads from bytes that outlive the reader.
    explicit LogLineReader(std::string_view data);

    /// The next line without its line end; the view is valid until the next call. False at the end.
    bool next(std::string_view& line)
    {
        if (my_begin < my_end) {
            const char* base = my_data + my_begin;
            if (const void* lf = std::memchr(base, '\n', my_end - my_begin)) {
                const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - base);
                my_begin += length + 1;
                line = finish(base, length);
                return true;
            }
        }
        return next_from_more(line);
    }
    /// Bytes taken so far (where the next line starts, counted from where reading began).
    std::uint64_t position() const { return my_taken + my_begin; }

private:
    static std::string_view finish(const char* text, std::size_t length)
    {
        if (length > 0 && text[length - 1] == '\r')
            --length;
        return std::string_view(text, length < kMaxLogLineLength ? length : kMaxLogLineLength);
    }
    bool next_from_more(std::string_view& line);
    bool read_more();
    std::string_view take_long_line();

    std::FILE* my_file = nullptr;
    std::vector<char> my_storage;
    const char* my_data = nullptr;
    std::size_t my_begin = 0;
    std::size_t my_end = 0;
    std::uint64_t my_taken = 0; // bytes dropped from the front of the buffer
    bool my_eof = false;
    std::string my_long_line;
};

/// Parses the check-in and check-out moments and the two names of a line. Each moment is what
/// FromLocal gives for it alone; the day-by-day work behind that is cached for the parser's life.
class LogRecordParser
{
public:
    /// offset_at answers the zone questions of the day cache (tests count them).
    explicit LogRecordParser(UtcOffsetSource offset_at = {});

    /// Fills record and returns true when the line is a readable record with a duration of
    /// zero or more; other lines are to be skipped.
    bool parse(std::string_view line, LogRecord& record);
    /// As above without copying the names: they stay views into line.
    bool parse(std::string_view line, LogRecordView& record);

private:
    LocalTimeCache my_times;
};

/// The check-in date key of a line: its first ten characters, "yyyy/mm/dd" in a well-formed record.
inline std::string_view log_date_key(std::string_view line)
{
    return line.substr(0, 10);
}

} // namespace velkor
