#include "core/PastTimeScan.h"

#include "classlib/SettingsKeys.h"
#include "core/LogPartScan.h"
#include "core/LogReader.h"
#include "core/ProjectList.h"
#include "core/ProjectNameIndex.h"
#include "core/TimeValues.h"
#include "platform/FileAccess.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdio>
#include <future>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>

namespace velkor {

namespace {

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::uint64_t size_of(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return 0;
    const long size = std::ftell(file);
    std::rewind(file);
    return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

} // namespace

PastTimeSettings read_past_time_settings(IniFile& ini)
{
    PastTimeSettings settings;
    settings.flags = read_past_time_flags(ini);
    settings.progress_min_size = get_int(ini, kProgressScanningMinSize);
    return settings;
}

int progress_percent(std::uint64_t position, std::uint64_t total, int previous)
{
    const std::uint64_t percent = total == 0 ? 0 : total > 21474836 ? position / (total / 100) : position * 100 / total;
    return std::clamp(std::max(previous, static_cast<int>(std::min<std::uint64_t>(percent, 100))), 0, 100);
}

std::string scan_reference_date(const Clock& clock, bool weekly)
{
    LocalTimeFields fields = ToLocal(Now(clock));
    if (weekly) {
        fields.day -= fields.weekday;
        // Noon exists on every day, so a daylight-saving gap cannot move the date.
        fields.hour = 12;
        fields.minute = 0;
        fields.second = 0;
        FromLocal(fields);
    }
    char text[40];
    std::snprintf(text, sizeof text, "%d/%02d/%02d", fields.year + 1900, fields.month + 1, fields.day);
    return text;
}

bool scan_keeps_date(std::string_view date_key, std::string_view reference, const PastTimeFlags& flags)
{
    const std::string_view key = date_key.substr(0, 10);
    const std::string_view ref = reference.substr(0, 10);
    if (flags.read_weekly_time)
        return key >= ref; // later dates, even future ones, count
    if (flags.read_today_time)
        return key == ref;
    return true;
}

std::chrono::milliseconds SteadyClock::now() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

SteadyClock& SteadyClock::instance()
{
    static SteadyClock clock;
    return clock;
}

ProgressPacer::Step ProgressPacer::step(std::chrono::milliseconds now)
{
    if (now < my_due)
        return Step::none;
    my_due = now + kInterval;
    const bool first = !my_shown;
    my_shown = true;
    return first ? Step::show : Step::update;
}

namespace {

// The progress window as the scan sees it: nothing until the pacer says so.
class PacedProgress
{
public:
    PacedProgress(ScanProgress& progress, bool wanted, std::uint64_t total, const MonotonicClock& ticks)
        : my_progress(progress), my_wanted(wanted), my_total(total), my_ticks(ticks), my_pacer(ticks.now())
    {
    }

    /// False once the user has cancelled.
    bool at(std::uint64_t position)
    {
        if (!my_wanted)
            return true;
        switch (my_pacer.step(my_ticks.now())) {
        case ProgressPacer::Step::none:
            return true;
        case ProgressPacer::Step::show:
            my_progress.begin(my_total);
            my_shown = true;
            break;
        case ProgressPacer::Step::update:
            break;
        }
        return my_progress.update(position);
    }

    void finish(bool cancelled, std::uint64_t position)
    {
        if (!my_shown)
            return;
        if (!cancelled)
            my_progress.update(position);
        my_progress.end();
    }

private:
    ScanProgress& my_progress;
    const bool my_wanted;
    const std::uint64_t my_total;
    const MonotonicClock& my_ticks;
    ProgressPacer my_pacer;
    bool my_shown = false;
};

// The second half of a log, read on its own thread from its own handle. The caller's thread
// reads the first half, watches the progress window and tells this one to stop on Cancel.
class SecondHalf
{
public:
    SecondHalf(const ProjectNameIndex& index, const ScanDateFilter& filter) : my_part(index, filter) {}
    SecondHalf(const SecondHalf&) = delete;
    SecondHalf& operator=(const SecondHalf&) = delete;
    ~SecondHalf()
    {
        stop();
        if (my_done.valid())
            my_done.wait();
    }

    /// Starts reading log_path from start; false (nothing started) when it cannot.
    bool start(const std::string& log_path, std::uint64_t start)
    {
        my_file.reset(std::fopen(log_path.c_str(), "rb"));
        if (!my_file || std::fseek(my_file.get(), static_cast<long>(start), SEEK_SET) != 0)
            return false;
        my_reader.emplace(my_file.get());
        try {
            my_done = std::async(std::launch::async, [this] { run(); });
        } catch (const std::system_error&) {
            return false; // no thread to be had: the caller reads this half itself
        }
        return true;
    }

    /// Bytes read so far.
    std::uint64_t position() const { return my_position.load(std::memory_order_relaxed); }
    void stop() { my_stop.store(true, std::memory_order_relaxed); }
    /// Waits at most for interval; true once the half is read (or stopped).
    bool wait(std::chrono::milliseconds interval) const
    {
        return my_done.wait_for(interval) == std::future_status::ready;
    }
    /// Waits for the end and gives the totals.
    const LogPartScan& totals()
    {
        my_done.get();
        return my_part;
    }

private:
    void run()
    {
        while (!my_stop.load(std::memory_order_relaxed) && my_part.run_batch(*my_reader, UINT64_MAX))
            my_position.store(my_reader->position(), std::memory_order_relaxed);
        my_position.store(my_reader->position(), std::memory_order_relaxed);
    }

    LogPartScan my_part;
    FilePtr my_file;
    std::optional<LogLineReader> my_reader;
    std::future<void> my_done;
    std::atomic<std::uint64_t> my_position{0};
    std::atomic<bool> my_stop{false};
};

bool split_wanted(const PastTimeSettings& settings, std::uint64_t size)
{
    const unsigned parts = settings.parts != 0 ? settings.parts : std::thread::hardware_concurrency() >= 2 ? 2 : 1;
    return parts >= 2 && size >= settings.split_min_size && size <= static_cast<std::uint64_t>(LONG_MAX);
}

} // namespace

ScanSummary ScanPastTimes(ProjectList& list, const PastTimeSettings& settings, const std::string& log_path,
                          const Clock& clock, ScanProgress& progress, bool reset_first, const MonotonicClock& ticks)
{
    ScanSummary summary;
    if (!settings.flags.read_log_time)
        return summary;
    if (reset_first)
        list.clear_all_seconds();
    FilePtr file(fopen_regular(log_path)); // a FIFO or device would never end
    if (!file)
        return summary;
    summary.opened = true;

    const std::uint64_t size = size_of(file.get());
    const ScanDateFilter filter(settings.flags, scan_reference_date(clock, settings.flags.read_weekly_time));
    const ProjectNameIndex index(list);
    PacedProgress paced(progress, static_cast<std::int64_t>(size) > settings.progress_min_size, size, ticks);

    // Past the middle, the first half's end, another thread reads on where one is to be had.
    std::uint64_t end = UINT64_MAX;
    std::optional<SecondHalf> second;
    if (split_wanted(settings, size)) {
        end = second_half_start(file.get(), size);
        second.emplace(index, filter);
        if (end >= size || !second->start(log_path, end)) {
            end = UINT64_MAX;
            second.reset();
        }
        std::rewind(file.get());
    }
    const auto done = [&](const LogLineReader& reader) {
        return reader.position() + (second ? second->position() : 0);
    };

    LogPartScan first(index, filter);
    LogLineReader reader(file.get());
    bool more = true;
    while (more && !summary.cancelled) {
        summary.cancelled = !paced.at(done(reader));
        more = !summary.cancelled && first.run_batch(reader, end);
    }
    if (second) {
        while (!summary.cancelled && !second->wait(ProgressPacer::kInterval))
            summary.cancelled = !paced.at(done(reader));
        if (summary.cancelled)
            second->stop();
        first.add(second->totals());
    }
    // The counters wrap like the projects' own, so adding the sums at the end changes nothing.
    first.add_to(list);
    summary.lines = first.lines();
    summary.counted = first.counted();
    paced.finish(summary.cancelled, done(reader));
    return summary;
}

} // namespace velkor
