#include "core/PastTimeScan.h"

#include "classlib/SettingsKeys.h"
#include "core/LogReader.h"
#include "core/ProjectList.h"
#include "core/TimeValues.h"
#include "platform/FileAccess.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace velkor {

namespace {

// The read position is asked for only every so many lines; a line costs far less than a
// position query and a gauge needs no finer steps.
constexpr std::size_t kLinesPerCheck = 256;
constexpr auto kUpdateInterval = std::chrono::milliseconds(50);

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::uint64_t position_of(std::FILE* file)
{
    const long position = std::ftell(file);
    return position < 0 ? 0 : static_cast<std::uint64_t>(position);
}

std::uint64_t size_of(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return 0;
    const std::uint64_t size = position_of(file);
    std::rewind(file);
    return size;
}

// One session longer than the counter holds is damage, not work: count what fits.
std::uint32_t counted_seconds(TimeStamp duration)
{
    return static_cast<std::uint32_t>(std::min<TimeStamp>(duration, std::numeric_limits<std::uint32_t>::max()));
}

// The list's name look-up as one probe of an open-addressing table per record: a scan looks
// up every record, and a word-at-a-time hash costs a fraction of the general string hash.
// Only the first category of a name and the first project of a name in it are entered, as
// find_category and find_project would find them.
class ProjectIndex
{
public:
    struct Entry
    {
        std::string category;
        std::string project;
        std::size_t c = NPOS;
        std::size_t p = NPOS;
    };

    explicit ProjectIndex(const ProjectList& list)
    {
        std::size_t n = 0;
        for (std::size_t c = 0; c < list.n_categories(); ++c)
            n += list.n_projects(c);
        std::size_t size = 16;
        while (size < 2 * n)
            size *= 2;
        my_slots.resize(size);
        for (std::size_t c = 0; c < list.n_categories(); ++c) {
            if (list.find_category(list.category_name(c)) != c)
                continue; // a later namesake is never found
            for (std::size_t p = 0; p < list.n_projects(c); ++p) {
                Entry& slot = probe(list.category_name(c), list.project_name(c, p));
                if (slot.c == NPOS)
                    slot = {list.category_name(c), list.project_name(c, p), c, p};
            }
        }
    }

    const Entry* find(std::string_view category, std::string_view project)
    {
        const Entry& slot = probe(category, project);
        return slot.c == NPOS ? nullptr : &slot;
    }

private:
    static std::uint64_t mix(std::uint64_t h, std::string_view text)
    {
        constexpr std::uint64_t k = 0x9E3779B97F4A7C15ull;
        const char* p = text.data();
        std::size_t n = text.size();
        for (; n >= 8; p += 8, n -= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            h = (h ^ word) * k;
            h ^= h >> 32;
        }
        // The last bytes as one word; loading them from memory avoids a store-to-load stall.
        std::uint64_t tail = 0;
        if (text.size() >= 8)
            std::memcpy(&tail, text.data() + text.size() - 8, 8);
        else
            for (std::size_t i = 0; i < n; ++i)
                tail |= static_cast<std::uint64_t>(static_cast<unsigned char>(p[i])) << (8 * i);
        h = (h ^ tail ^ (static_cast<std::uint64_t>(text.size()) << 56)) * k;
        return h ^ (h >> 29);
    }

    // The slot holding these names, or the empty slot where they would go.
    Entry& probe(std::string_view category, std::string_view project)
    {
        const std::size_t mask = my_slots.size() - 1;
        std::size_t i = static_cast<std::size_t>(mix(mix(0, category), project)) & mask;
        while (my_slots[i].c != NPOS && (my_slots[i].category != category || my_slots[i].project != project))
            i = (i + 1) & mask;
        return my_slots[i];
    }

    std::vector<Entry> my_slots;
};

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

ProgressThrottle::ProgressThrottle(std::uint64_t total_bytes)
    : my_step(std::max<std::uint64_t>(1, total_bytes / 100)), my_last_update(std::chrono::steady_clock::now())
{
}

bool ProgressThrottle::due(std::uint64_t position)
{
    const auto now = std::chrono::steady_clock::now();
    if (position < my_next_position && now - my_last_update < kUpdateInterval)
        return false;
    my_next_position = position + my_step;
    my_last_update = now;
    return true;
}

ScanSummary ScanPastTimes(ProjectList& list, const PastTimeSettings& settings, const std::string& log_path,
                          const Clock& clock, ScanProgress& progress, bool reset_first)
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
    const bool show_progress = static_cast<std::int64_t>(size) > settings.progress_min_size;
    const std::string reference = scan_reference_date(clock, settings.flags.read_weekly_time);
    LogLineReader reader(file.get());
    LogRecordParser parser;
    LogRecord record;
    ProjectIndex index(list);
    ProgressThrottle throttle(size);
    if (show_progress)
        progress.begin(size);

    std::string_view line;
    while (reader.next(line)) {
        if (show_progress && summary.lines % kLinesPerCheck == 0) {
            const std::uint64_t position = position_of(file.get());
            if (throttle.due(position) && !progress.update(position)) {
                summary.cancelled = true;
                break;
            }
        }
        ++summary.lines;
        if (!scan_keeps_date(log_date_key(line), reference, settings.flags) || !parser.parse(line, record))
            continue;
        const ProjectIndex::Entry* entry = index.find(record.category, record.project);
        if (!entry)
            continue;
        list.add_seconds(entry->c, entry->p, counted_seconds(record.duration));
        ++summary.counted;
    }
    if (show_progress) {
        if (!summary.cancelled)
            progress.update(position_of(file.get()));
        progress.end();
    }
    return summary;
}

} // namespace velkor
