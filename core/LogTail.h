#pragma once
// The end of the log: whether a session is recorded there already. A program killed between
// appending a session and resetting its crash record finds the session both in the log and in
// the record at the next start; the log's last lines tell which of the two is true.

#include "core/TimeValues.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velkor {

/// How much of the log's end is looked at: hundreds of records, far more than a session can be
/// followed by before its crash record is reset or replaced.
inline constexpr std::size_t kLogTailBytes = 64 * 1024;

/// True when one of the lines in the last kLogTailBytes of the log at path is a record checked in
/// at ci_date and ci_time on category and project, and checked out later than that. A record of
/// no length does not count: the session opened right after it, in the same second on the same
/// project, looks the same. A log that cannot be read holds nothing.
bool session_in_log_tail(const std::string& path, const DateRec& ci_date, const TimeRec& ci_time,
                         std::string_view category, std::string_view project);

} // namespace velkor
