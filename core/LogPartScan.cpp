#include "core/LogPartScan.h"

#include "core/PastTimeScan.h"
#include "core/ProjectList.h"

#include <algorithm>
#include <limits>

namespace velkor {

namespace {

// One session longer than the counter holds is damage, not work: count what fits.
std::uint32_t counted_seconds(TimeStamp duration)
{
    return static_cast<std::uint32_t>(std::min<TimeStamp>(duration, std::numeric_limits<std::uint32_t>::max()));
}

} // namespace

ScanDateFilter::ScanDateFilter(const PastTimeFlags& flags, std::string reference)
    : my_flags(flags), my_reference(std::move(reference))
{
}

bool ScanDateFilter::keeps_dated(std::string_view line) const
{
    return scan_keeps_date(log_date_key(line), my_reference, my_flags);
}

LogPartScan::LogPartScan(const ProjectNameIndex& index, const ScanDateFilter& filter)
    : my_index(index), my_filter(filter), my_seconds(index.size())
{
}

bool LogPartScan::run_batch(LogLineReader& reader, std::uint64_t end)
{
    std::string_view line;
    for (std::size_t i = 0; i < kBatchLines; ++i) {
        if (reader.position() >= end || !reader.next(line))
            return false;
        ++my_lines;
        if (!my_filter.keeps(line) || !my_parser.parse(line, my_record))
            continue;
        const std::size_t n = my_index.find(my_record.names());
        if (n == my_index.size())
            continue;
        my_seconds[n] += counted_seconds(my_record.duration);
        ++my_counted;
    }
    return true;
}

void LogPartScan::add(const LogPartScan& other)
{
    for (std::size_t n = 0; n < my_seconds.size(); ++n)
        my_seconds[n] += other.my_seconds[n];
    my_lines += other.my_lines;
    my_counted += other.my_counted;
}

void LogPartScan::add_to(ProjectList& list) const
{
    for (std::size_t n = 0; n < my_seconds.size(); ++n)
        list.add_seconds(my_index.project(n).c, my_index.project(n).p, my_seconds[n]);
}

std::uint64_t second_half_start(std::FILE* file, std::uint64_t size)
{
    const std::uint64_t middle = size / 2;
    if (middle == 0 || middle > static_cast<std::uint64_t>(std::numeric_limits<long>::max()) ||
        std::fseek(file, static_cast<long>(middle - 1), SEEK_SET) != 0)
        return size;
    // The reader takes the rest of the line the byte before the middle belongs to.
    LogLineReader reader(file);
    std::string_view rest;
    return reader.next(rest) ? middle - 1 + reader.position() : size;
}

} // namespace velkor
