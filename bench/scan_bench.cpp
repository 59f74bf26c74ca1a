// Times the past-time scan of a log of 1,000,000 records against a plain line-by-line read of
// the same file, and checks the scan's totals against a per-record mktime computation, in two
// time zones with their daylight-saving days. The log is scanned in time order, as it grows, and
// shuffled, as offline entries and restored backups leave it; both must stay within 6 times the
// plain read.

#include "core/Clock.h"
#include "core/LogReader.h"
#include "core/PastTimeScan.h"
#include "core/ProjectList.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

using namespace velkor;

namespace {

constexpr int kRecords = 1'000'000;
constexpr int kCategories = 25;
constexpr int kProjectsPerCategory = 12;

struct Fields
{
    int year, month, day, hour, minute, second;
};

struct GeneratedRecord
{
    std::time_t moment; // of the check-in
    Fields ci;
    Fields co;
    int category; // -1: a category the list does not know
    int project;
};

std::string category_name(int c)
{
    return "Category " + std::to_string(c);
}

std::string project_name(int p)
{
    return "Project number " + std::to_string(p);
}

void set_zone(const char* zone)
{
    setenv("TZ", zone, 1);
    tzset();
}

Fields local_fields(std::time_t t)
{
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::time_t mktime_as(const Fields& f, int isdst, std::tm& tm)
{
    tm = std::tm{};
    tm.tm_year = f.year - 1900;
    tm.tm_mon = f.month - 1;
    tm.tm_mday = f.day;
    tm.tm_hour = f.hour;
    tm.tm_min = f.minute;
    tm.tm_sec = f.second;
    tm.tm_isdst = isdst;
    return std::mktime(&tm);
}

// The moment of a wall-clock reading, one record at a time: mktime told standard and daylight
// time in turn, keeping each answer that reads back as the same wall clock in that state. A
// reading in the hour repeated when daylight saving ends has two; the earlier one counts.
std::time_t reference_moment(const Fields& f, bool& doubled)
{
    std::time_t best = 0;
    int found = 0;
    for (int isdst = 0; isdst < 2; ++isdst) {
        std::tm tm{};
        const std::time_t t = mktime_as(f, isdst, tm);
        if (tm.tm_isdst != isdst || tm.tm_hour != f.hour || tm.tm_min != f.minute || tm.tm_mday != f.day)
            continue;
        best = found++ == 0 ? t : std::min(best, t);
    }
    doubled = found == 2;
    if (found == 0) { // the generated readings all exist; this is only a guard
        std::tm tm{};
        best = mktime_as(f, -1, tm);
    }
    return best;
}

// Moments around the daylight-saving changes of both zones (UTC 00:00 to 04:00 on the change
// days of March, October and November), so sessions start in gaps and doubled hours.
std::vector<std::time_t> change_days()
{
    std::vector<std::time_t> days;
    for (int year = 2019; year <= 2025; ++year) {
        for (int month : {3, 10, 11}) {
            for (int day = 1; day <= 31; ++day) {
                std::tm tm{};
                tm.tm_year = year - 1900;
                tm.tm_mon = month - 1;
                tm.tm_mday = day;
                tm.tm_hour = 0;
                const std::time_t t = timegm(&tm);
                std::tm check{};
                gmtime_r(&t, &check);
                if (check.tm_mon != month - 1 || check.tm_wday != 0)
                    continue;
                const bool us = (month == 3 && day >= 8 && day <= 14) || (month == 11 && day <= 7);
                const bool eu = (month == 3 || month == 10) && day >= 25;
                if (us || eu)
                    days.push_back(t);
            }
        }
    }
    return days;
}

// Check-in moments spread over 2019 to 2025, one in fifty on a change day; durations up to ten
// hours, some over midnight; the fields as the Berlin wall clock shows them.
std::vector<GeneratedRecord> generate()
{
    set_zone("Europe/Berlin");
    std::mt19937_64 random(20240307);
    const std::time_t start = 1546300800; // 2019-01-01
    const std::time_t span = 7 * 365 * 86400;
    const std::vector<std::time_t> changes = change_days();
    std::vector<GeneratedRecord> records;
    records.reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        std::time_t ci = start + static_cast<std::time_t>(random() % span);
        if (random() % 50 == 0)
            ci = changes[random() % changes.size()] + static_cast<std::time_t>(random() % (6 * 3600)) - 3600;
        const std::time_t co = ci + static_cast<std::time_t>(random() % (10 * 3600));
        const int c = random() % 100 == 0 ? -1 : static_cast<int>(random() % kCategories);
        const int p = static_cast<int>(random() % kProjectsPerCategory);
        records.push_back({ci, local_fields(ci), local_fields(co), c, p});
    }
    return records;
}

void write_log(const std::string& path, const std::vector<GeneratedRecord>& records)
{
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        std::perror(path.c_str());
        std::exit(1);
    }
    int i = 0;
    for (const GeneratedRecord& r : records) {
        const std::string category = r.category < 0 ? std::string("Retired") : category_name(r.category);
        std::fprintf(out, "%d/%02d/%02d\t%02d:%02d:%02d\t%d/%02d/%02d\t%02d:%02d:%02d\t%s\t%s\t25.50\t%s\r\n",
                     r.ci.year, r.ci.month, r.ci.day, r.ci.hour, r.ci.minute, r.ci.second, r.co.year, r.co.month,
                     r.co.day, r.co.hour, r.co.minute, r.co.second, category.c_str(), project_name(r.project).c_str(),
                     ++i % 2 == 0 ? "meeting with client" : "");
    }
    std::fclose(out);
}

ProjectList make_list()
{
    ProjectList list;
    for (int c = 0; c < kCategories; ++c) {
        list.add_category(category_name(c), kBlack, false);
        for (int p = 0; p < kProjectsPerCategory; ++p)
            list.add_project(static_cast<std::size_t>(c), project_name(p), false);
    }
    return list;
}

template <typename F> double best_seconds(int runs, F&& work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
        best = std::min(best, took.count());
    }
    return best;
}

struct CountingProgress : ScanProgress
{
    void begin(std::uint64_t) override {}
    bool update(std::uint64_t) override { return ++updates > 0; }
    void end() override {}
    long updates = 0;
};

struct Expected
{
    std::vector<std::int64_t> totals = std::vector<std::int64_t>(kCategories * kProjectsPerCategory, 0);
    std::size_t counted = 0;
    std::size_t doubled_records = 0;
};

Expected expected_totals(const std::vector<GeneratedRecord>& records)
{
    Expected e;
    for (const GeneratedRecord& r : records) {
        if (r.category < 0)
            continue;
        bool ci_doubled = false;
        bool co_doubled = false;
        const std::time_t ci = reference_moment(r.ci, ci_doubled);
        const std::time_t co = reference_moment(r.co, co_doubled);
        e.doubled_records += ci_doubled || co_doubled ? 1 : 0;
        if (co < ci)
            continue;
        e.totals[static_cast<std::size_t>(r.category * kProjectsPerCategory + r.project)] += co - ci;
        ++e.counted;
    }
    return e;
}

// Every total and the number of counted records equal the per-record computation exactly.
bool totals_match(const ProjectList& list, const Expected& e, const ScanSummary& summary)
{
    bool ok = summary.counted == e.counted;
    for (std::size_t slot = 0; slot < e.totals.size(); ++slot) {
        const std::int64_t got = list.project_seconds(slot / kProjectsPerCategory, slot % kProjectsPerCategory);
        if (got != e.totals[slot]) {
            std::printf("  MISMATCH slot %zu: scan %lld, per record %lld\n", slot, static_cast<long long>(got),
                        static_cast<long long>(e.totals[slot]));
            ok = false;
        }
    }
    std::printf("  totals %s the per-record sums (%zu counted, %zu of them with a doubled-hour moment)\n",
                ok ? "equal" : "DIFFER from", e.counted, e.doubled_records);
    return ok;
}

double time_plain_read(const std::string& path, std::size_t& lines)
{
    return best_seconds(3, [&] {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        LogLineReader reader(file);
        std::string_view line;
        lines = 0;
        while (reader.next(line))
            lines += line.empty() ? 0 : 1;
        std::fclose(file);
    });
}

double time_parse_only(const std::string& path)
{
    return best_seconds(1, [&] {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        LogLineReader reader(file);
        LogRecordParser parser;
        LogRecord record;
        std::string_view line;
        while (reader.next(line))
            parser.parse(line, record);
        std::fclose(file);
    });
}

// Times one log in one zone; the scan must take at most 6 times the plain read.
bool run(const char* zone, const char* order, const std::string& path, const Expected& expected)
{
    std::size_t lines = 0;
    const double plain = time_plain_read(path, lines);
    const double parse = time_parse_only(path);
    ProjectList list = make_list();
    PastTimeSettings settings;
    settings.flags.read_log_time = true;
    CountingProgress progress;
    ScanSummary summary;
    const double scan = best_seconds(3, [&] {
        progress.updates = 0;
        summary = ScanPastTimes(list, settings, path, SystemClock::instance(), progress, true);
    });
    const bool fast = scan <= 6 * plain;
    std::printf("%-16s %-13s plain read %.3f s | read+parse %.3f s | scan %.3f s | ratio %.1f (limit 6) %s | "
                "%zu of %zu counted, %ld progress updates\n",
                zone, order, plain, parse, scan, scan / plain, fast ? "PASS" : "FAIL", summary.counted, lines,
                progress.updates);
    const bool ok = totals_match(list, expected, summary) && lines == kRecords;
    return ok && fast;
}

} // namespace

int main()
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("velkor-scan-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::vector<GeneratedRecord> records = generate();
    // A log grows in time order; offline entries and restored backups can mix it up.
    const std::string shuffled = (dir / "shuffled.log").string();
    write_log(shuffled, records);
    std::sort(records.begin(), records.end(),
              [](const GeneratedRecord& a, const GeneratedRecord& b) { return a.moment < b.moment; });
    const std::string ordered = (dir / "velkors.log").string();
    write_log(ordered, records);
    std::printf("log: %d records, %.1f MB, check-ins 2019 to 2025\n", kRecords,
                static_cast<double>(std::filesystem::file_size(ordered)) / 1e6);

    bool ok = true;
    for (const char* zone : {"Europe/Berlin", "America/New_York"}) {
        set_zone(zone);
        const Expected expected = expected_totals(records);
        ok = run(zone, "in time order", ordered, expected) && ok;
        ok = run(zone, "shuffled", shuffled, expected) && ok;
    }
    std::filesystem::remove_all(dir);
    std::printf("%s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
