#pragma once
// Adding up the records of one part of a log, a batch of lines at a time, so that the caller
// can look at the progress window between batches and two parts can be read at once.

#include "classlib/SettingsValues.h"
#include "core/LogReader.h"
#include "core/ProjectNameIndex.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

/// Which lines count, by their check-in date key.
class ScanDateFilter
{
public:
    /// reference is "yyyy/mm/dd" of today or of this week's Sunday (scan_reference_date).
    ScanDateFilter(const PastTimeFlags& flags, std::string reference);
    bool keeps(std::string_view line) const
    {
        return (!my_flags.read_weekly_time && !my_flags.read_today_time) || keeps_dated(line);
    }

private:
    bool keeps_dated(std::string_view line) const;

    PastTimeFlags my_flags;
    std::string my_reference;
};

/// The totals of one part: seconds per project of the index, lines read, records counted.
class LogPartScan
{
public:
    /// Lines between batches: a line costs far less than a look at the clock or the window.
    static constexpr std::size_t kBatchLines = 1024;

    LogPartScan(const ProjectNameIndex& index, const ScanDateFilter& filter);

    /// Counts up to kBatchLines lines that start before end; false once there are no more.
    bool run_batch(LogLineReader& reader, std::uint64_t end);

    /// Adds another part's totals to these (the counters wrap, so the order does not matter).
    void add(const LogPartScan& other);
    /// Adds the totals to the list's projects.
    void add_to(ProjectList& list) const;

    std::size_t lines() const { return my_lines; }
    std::size_t counted() const { return my_counted; }

private:
    const ProjectNameIndex& my_index;
    const ScanDateFilter& my_filter;
    LogRecordParser my_parser;
    LogRecordView my_record;
    std::vector<std::uint32_t> my_seconds;
    std::size_t my_lines = 0;
    std::size_t my_counted = 0;
};

/// Where the second half of the file starts: just after the first LF at or after the middle
/// byte, so that no line is cut; size when there is none. Leaves file anywhere.
std::uint64_t second_half_start(std::FILE* file, std::uint64_t size);

} // namespace velkor
