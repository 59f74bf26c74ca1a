#pragma once
// Adding up the logged sessions per project, so the grid can show past times next to each
// project: everything in the log, only today's check-ins, or only this week's.

#include "classlib/IniFile.h"
#include "classlib/SettingsValues.h"
#include "core/Clock.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

class ProjectList;

/// The settings the scan reads.
struct PastTimeSettings
{
    PastTimeFlags flags;                ///< with the older WeeklyTime flag applied
    std::int64_t progress_min_size = 0; ///< progress is shown only for logs larger than this
};

/// Reads the scan's switches from [velkors] and ProgressScanningMinSize from [Reporter].
PastTimeSettings read_past_time_settings(IniFile& ini);

/// The progress window of a long scan. update is called with the current read position and
/// returns false once the user has cancelled.
class ScanProgress
{
public:
    virtual ~ScanProgress() = default;
    virtual void begin(std::uint64_t total_bytes) = 0;
    virtual bool update(std::uint64_t position) = 0;
    virtual void end() = 0;
};

/// The gauge percentage for position of total: never below previous, never above 100. Large
/// totals are divided by 100 first, the way a 32-bit product stays in range.
int progress_percent(std::uint64_t position, std::uint64_t total, int previous);

/// "yyyy/mm/dd" of today, or of this week's Sunday when weekly.
std::string scan_reference_date(const Clock& clock, bool weekly);

/// Whether a log line with this check-in date key is counted under the flags.
bool scan_keeps_date(std::string_view date_key, std::string_view reference, const PastTimeFlags& flags);

/// Decides when a progress update is due: when the position has moved one percent since the
/// last update, or when ~50 ms have passed (so Cancel is noticed), checking the time only now
/// and then so that a fast scan is not slowed down.
class ProgressThrottle
{
public:
    explicit ProgressThrottle(std::uint64_t total_bytes);
    /// True when position deserves an update; the caller then calls update.
    bool due(std::uint64_t position);

private:
    std::uint64_t my_step;
    std::uint64_t my_next_position = 0;
    std::chrono::steady_clock::time_point my_last_update;
};

struct ScanSummary
{
    bool opened = false;
    bool cancelled = false;
    std::size_t lines = 0;
    std::size_t counted = 0; ///< records added to a project
};

/// Reads the log at log_path and adds each kept record's duration to its project. With
/// reset_first every project's seconds are cleared first (even when the log cannot be read).
/// Unreadable lines and unknown names are skipped without a message; Cancel keeps what was
/// counted so far.
ScanSummary ScanPastTimes(ProjectList& list, const PastTimeSettings& settings, const std::string& log_path,
                          const Clock& clock, ScanProgress& progress, bool reset_first);

} // namespace velkor
