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
    /// A log of at least split_min_size bytes is read as two halves at once, one on another
    /// thread, when parts is 2; parts 0 means 2 where the processor runs two threads at once.
    unsigned parts = 0;
    std::uint64_t split_min_size = std::uint64_t{1} << 20;
};

/// Reads the scan's switches from [velkors] and ProgressScanningMinSize from [Reporter].
PastTimeSettings read_past_time_settings(IniFile& ini);

/// The progress window of a long scan: begin shows it once the scan has run a while, update is
/// called with the current read position and returns false once the user has cancelled, end
/// closes it (called only after begin).
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

/// A steady count of milliseconds for pacing the progress window; tests pass one they drive.
class MonotonicClock
{
public:
    virtual ~MonotonicClock() = default;
    virtual std::chrono::milliseconds now() const = 0;
};

/// std::chrono::steady_clock.
class SteadyClock final : public MonotonicClock
{
public:
    std::chrono::milliseconds now() const override;
    static SteadyClock& instance();
};

/// When the progress window of a scan appears and when it is updated. It appears only once the
/// scan has run for kDelay, so that ordinary logs never flash it, and is then updated every
/// kInterval, often enough for Cancel to be noticed.
class ProgressPacer
{
public:
    static constexpr std::chrono::milliseconds kDelay{400};
    static constexpr std::chrono::milliseconds kInterval{50};

    enum class Step
    {
        none,
        show,  ///< show the window, then update it
        update ///< update the window
    };

    explicit ProgressPacer(std::chrono::milliseconds start) : my_due(start + kDelay) {}
    /// What to do at this moment of the scan.
    Step step(std::chrono::milliseconds now);

private:
    std::chrono::milliseconds my_due;
    bool my_shown = false;
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
/// counted so far. The progress window is paced by ticks.
ScanSummary ScanPastTimes(ProjectList& list, const PastTimeSettings& settings, const std::string& log_path,
                          const Clock& clock, ScanProgress& progress, bool reset_first,
                          const MonotonicClock& ticks = SteadyClock::instance());

} // namespace velkor
