#pragma once
// Reading the log back: lines of bounded length and the leading fields of each record.

#include "core/Clock.h"

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>
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
    bool next(std::string_view& line);

private:
    bool read_more();
    std::string_view finish(const char* text, std::size_t length);
    std::string_view take_long_line();

    std::FILE* my_file = nullptr;
    std::vector<char> my_storage;
    const char* my_data = nullptr;
    std::size_t my_begin = 0;
    std::size_t my_end = 0;
    bool my_eof = false;
    std::string my_long_line;
};

/// Parses the check-in and check-out moments and the two names of a line. Converting local
/// times is the costly part, so each day's conversion is cached; the cached results are exactly
/// what FromLocal gives for each moment alone.
class LogRecordParser
{
public:
    LogRecordParser();

    /// Fills record and returns true when the line is a readable record with a duration of
    /// zero or more; other lines are to be skipped.
    bool parse(std::string_view line, LogRecord& record);

private:
    /// Hour starts of a day on which the UTC offset changes; kConvertAlone where an hour is
    /// not one straight run of seconds.
    using HourStarts = std::array<TimeStamp, 24>;

    struct Day
    {
        std::int32_t key = INT32_MIN; // days since 1970-01-01
        bool uniform = false;         // one UTC offset all day: midnight + seconds is exact
        TimeStamp midnight = 0;
    };

    TimeStamp to_moment(int year, int month, int day, int hour, int minute, int second);
    const Day& day_entry(std::int32_t key, int year, int month, int day);
    const HourStarts& hour_starts(std::int32_t key, int year, int month, int day);

    std::vector<Day> my_days;                                      // direct-mapped by key
    std::unordered_map<std::int32_t, HourStarts> my_changing_days; // by key
};

/// The check-in date key of a line: its first ten characters, "yyyy/mm/dd" in a well-formed record.
inline std::string_view log_date_key(std::string_view line)
{
    return line.substr(0, 10);
}

} // namespace velkor
