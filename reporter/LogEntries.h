#pragma once
// The log read whole for reports: every readable record with the rate, memo and environment
// values written in it, names interned, and the lines that could not be read counted. Records
// are read by the same rules as the past-time scan, so a report's totals agree with it.

#include "core/Clock.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

/// A rate in a record that is missing or cannot be read.
inline constexpr std::int32_t kNoRate = -1;
/// How many line numbers of unreadable lines are kept for the message.
inline constexpr std::size_t kKeptUnreadableLines = 10;

/// One readable record.
struct LogEntry
{
    TimeStamp ci = 0;
    TimeStamp co = 0;
    std::int64_t seconds = 0;    ///< co - ci, capped where the scan caps it
    std::int64_t day = 0;        ///< check-in date, days since 1970-01-01
    std::uint32_t name = 0;      ///< index into LogEntries::names()
    std::int32_t rate = kNoRate; ///< hundredths, as written
    std::uint64_t line = 0;      ///< 1-based line number in the log
    std::size_t memo_begin = 0;  ///< memo and environment values: ranges of LogEntries' text
    std::size_t memo_end = 0;
    std::size_t env_begin = 0;
    std::size_t env_end = 0;

    bool is_note() const { return seconds == 0 && memo_end > memo_begin; }
};

/// A category and project pair as it stands in the log.
struct EntryName
{
    std::string category;
    std::string project;
    std::uint32_t category_id = 0; ///< index into LogEntries::categories()
};

class LogEntries
{
public:
    /// env_count: the number of environment variables configured now. TABs inside memos are
    /// written as they are, so fields beyond the memo and that many values belong to the memo.
    explicit LogEntries(std::size_t env_count = 0);
    ~LogEntries();
    LogEntries(LogEntries&&) noexcept;
    LogEntries& operator=(LogEntries&&) noexcept;

    /// Reads one line of the log (without its line end).
    void add_line(std::string_view line);
    /// Makes room for about this many bytes of log.
    void reserve_for(std::uint64_t log_bytes);

    const std::vector<LogEntry>& entries() const { return my_entries; }
    const std::vector<EntryName>& names() const { return my_names; }
    const std::vector<std::string>& categories() const { return my_categories; }
    const EntryName& name_of(const LogEntry& entry) const { return my_names[entry.name]; }
    /// The memo as written: a line break stands as "\/".
    std::string_view memo(const LogEntry& entry) const;
    /// The environment values joined by TAB.
    std::string_view environment(const LogEntry& entry) const;

    std::uint64_t lines() const { return my_lines; }
    std::uint64_t unreadable_lines() const { return my_unreadable; }
    /// The line numbers of the first unreadable lines.
    const std::vector<std::uint64_t>& first_unreadable() const { return my_first_unreadable; }

private:
    std::uint32_t intern(const std::string& category, const std::string& project);
    std::size_t keep_text(std::string_view text);
    void split_tail(std::string_view line, std::size_t names_end, LogEntry& entry);

    struct Impl;
    std::size_t my_env_count;
    std::vector<LogEntry> my_entries;
    std::vector<EntryName> my_names;
    std::vector<std::string> my_categories;
    std::string my_text;
    std::uint64_t my_lines = 0;
    std::uint64_t my_unreadable = 0;
    std::vector<std::uint64_t> my_first_unreadable;
    std::unique_ptr<Impl> my_impl; // the parser and the name tables while reading
};

/// Reads the log file at path into entries; returns 0 or the errno value of the failure.
int read_log_entries(const std::string& path, LogEntries& entries);

/// The memo with each "\/" turned back into a line break.
std::string memo_text(std::string_view stored);

/// Reads a rate written as "25.50" (also "25", "25.5") into hundredths; kNoRate otherwise.
std::int32_t parse_logged_rate(std::string_view text);

/// Hundredths as "25.50".
std::string format_hundredths(std::int64_t hundredths);

} // namespace velkor
