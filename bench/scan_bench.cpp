// The past-time scan against `wc -l` on the same file, measured in the same run: logs of
// 1,000,000 records in three zones (Berlin, New York, and Lord Howe Island with its half-hour
// change), over 7 and over 50 years, in time order as a log grows and shuffled as offline
// entries and restored backups leave it. Each scan's totals must equal the per-record sums;
// the targets are at most 4 times `wc -l` and at most 100 ms per million records.
//
//   velkor_bench [--rounds N] [--only TEXT] [--keep FOLDER] [--scan LOG] [--parts 1|2]
//
// --only runs the cases whose label contains TEXT; --keep leaves the last case's log with a
// matching project file and settings in FOLDER, to try the program on; --scan only scans LOG
// rounds times (for a profiler); --parts 1 keeps the scan on one thread.

#include "bench/BenchLog.h"
#include "core/PastTimeScan.h"
#include "core/ProjectFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace velkor;
using namespace velkor::bench;

namespace {

constexpr int kRecords = 1'000'000;
constexpr double kMaxRatio = 4.0;
constexpr double kMaxSecondsPerMillion = 0.100;

struct Options
{
    int rounds = 5;
    std::string only;
    std::string keep;
    std::string scan;
    unsigned parts = 0;
};

struct Span
{
    const char* label;
    int first_year;
    int years;
};

struct Result
{
    std::string label;
    double wc = 0;
    double scan = 0;
    double one_thread = 0;
    bool totals_ok = false;
};

double seconds_since(std::chrono::steady_clock::time_point begin)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// `wc -l path` as a shell would run it, its output thrown away.
double time_wc(const std::string& path)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char wc[] = "wc";
    char lines[] = "-l";
    std::vector<char> file(path.begin(), path.end());
    file.push_back('\0');
    char* argv[] = {wc, lines, file.data(), nullptr};
    const auto begin = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, "wc", &actions, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "wc -l %s failed\n", path.c_str());
        std::exit(2);
    }
    const double took = seconds_since(begin);
    posix_spawn_file_actions_destroy(&actions);
    return took;
}

struct NoProgress : ScanProgress
{
    void begin(std::uint64_t) override {}
    bool update(std::uint64_t) override { return true; }
    void end() override {}
};

unsigned g_parts = 0; // --parts

double time_scan(const std::string& path, ProjectList& list, ScanSummary& summary, unsigned parts = g_parts)
{
    PastTimeSettings settings;
    settings.parts = parts;
    settings.flags.read_log_time = true;
    NoProgress progress;
    const auto begin = std::chrono::steady_clock::now();
    summary = ScanPastTimes(list, settings, path, SystemClock::instance(), progress, true);
    return seconds_since(begin);
}

bool totals_match(const ProjectList& list, const ScanSummary& summary, const Expected& expected)
{
    bool ok = summary.counted == expected.counted && summary.lines == kRecords;
    for (std::size_t slot = 0; slot < expected.totals.size(); ++slot) {
        const std::int64_t got = list.project_seconds(slot / kProjectsPerCategory, slot % kProjectsPerCategory);
        if (got != expected.totals[slot]) {
            std::printf("  MISMATCH %s/%zu: scan %lld, per record %lld\n",
                        list.category_name(slot / kProjectsPerCategory).c_str(), slot % kProjectsPerCategory,
                        static_cast<long long>(got), static_cast<long long>(expected.totals[slot]));
            ok = false;
        }
    }
    return ok;
}

bool meets_targets(const Result& r)
{
    return r.scan <= kMaxRatio * r.wc && r.scan <= kMaxSecondsPerMillion * kRecords / 1e6;
}

// The machine's load, for reading the times: other work slows both wc -l and the scan.
std::string load_average()
{
    std::string load;
    std::getline(std::ifstream("/proc/loadavg"), load);
    return load.empty() ? "unknown" : load;
}

// One timed scan whose totals are checked.
double checked_scan(const std::string& path, const Expected& expected, unsigned parts, bool& totals_ok)
{
    ProjectList list = make_list();
    ScanSummary summary;
    const double took = time_scan(path, list, summary, parts);
    totals_ok = totals_match(list, summary, expected) && totals_ok;
    return took;
}

// wc -l, the scan and the scan on one thread in turn, rounds times; the best of each stands.
Result measure(const std::string& label, const std::string& path, const Expected& expected, int rounds)
{
    Result result{label, 1e9, 1e9, 1e9, true};
    for (int round = 0; round < rounds; ++round) {
        result.wc = std::min(result.wc, time_wc(path));
        result.scan = std::min(result.scan, checked_scan(path, expected, g_parts, result.totals_ok));
        if (g_parts != 1)
            result.one_thread = std::min(result.one_thread, checked_scan(path, expected, 1, result.totals_ok));
    }
    if (g_parts == 1)
        result.one_thread = result.scan;
    const double ratio = result.scan / result.wc;
    std::printf("%-30s %7.1f ms %7.1f ms %5.2f  %-4s %7.1f ms %5.2f  %s\n", label.c_str(), result.wc * 1e3,
                result.scan * 1e3, ratio, meets_targets(result) ? "met" : "MISS", result.one_thread * 1e3,
                result.one_thread / result.wc, result.totals_ok ? "totals equal" : "TOTALS DIFFER");
    std::fflush(stdout);
    return result;
}

void keep_for_trying(const std::string& folder, const std::string& log)
{
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(log, folder + "/velkors.log", std::filesystem::copy_options::overwrite_existing);
    std::ofstream(folder + "/project.txt", std::ios::binary) << format_project_file(make_list());
    std::ofstream(folder + "/velkors.ini", std::ios::binary) << "[velkors]\r\nReadLogTime=1\r\nShowTotalAllTimes=1\r\n";
    std::printf("kept the log, a project file and settings in %s\n", folder.c_str());
}

Options parse_options(int argc, char** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--rounds") == 0)
            options.rounds = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--only") == 0)
            options.only = argv[i + 1];
        else if (std::strcmp(argv[i], "--keep") == 0)
            options.keep = argv[i + 1];
        else if (std::strcmp(argv[i], "--scan") == 0)
            options.scan = argv[i + 1];
        else if (std::strcmp(argv[i], "--parts") == 0)
            options.parts = static_cast<unsigned>(std::atoi(argv[i + 1]));
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse_options(argc, argv);
    g_parts = options.parts;
    if (!options.scan.empty()) {
        for (int round = 0; round < options.rounds; ++round) {
            ProjectList list = make_list();
            ScanSummary summary;
            const double took = time_scan(options.scan, list, summary);
            std::printf("%.1f ms, %zu of %zu lines counted\n", took * 1e3, summary.counted, summary.lines);
        }
        return 0;
    }
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("velkor-scan-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string ordered = (dir / "ordered.log").string();
    const std::string shuffled = (dir / "shuffled.log").string();
    const Span spans[] = {{"7 years", 2019, 7}, {"50 years", 2000, 50}};
    const std::pair<const char*, const char*> zones[] = {
        {"Europe/Berlin", "Berlin"}, {"America/New_York", "New York"}, {"Australia/Lord_Howe", "Lord Howe"}};

    std::printf("%d records per log, Category 0..9 x Project 00..29, best of %d interleaved runs; load %s\n", kRecords,
                options.rounds, load_average().c_str());
    std::printf("%-30s %10s %10s %5s  %-4s %10s %5s\n", "case", "wc -l", "scan", "ratio", "", "1 thread", "ratio");
    std::vector<Result> results;
    for (const auto& [zone, zone_name] : zones) {
        for (const Span& span : spans) {
            const std::string label = std::string(zone_name) + ", " + span.label;
            const auto wanted = [&](const std::string& full) {
                return options.only.empty() || full.find(options.only) != std::string::npos;
            };
            if (!wanted(label + ", in order") && !wanted(label + ", shuffled"))
                continue;
            set_zone(zone);
            std::vector<GeneratedRecord> records = generate(kRecords, span.first_year, span.years, 20240307);
            write_log(shuffled, records);
            std::sort(records.begin(), records.end(),
                      [](const GeneratedRecord& a, const GeneratedRecord& b) { return a.moment < b.moment; });
            write_log(ordered, records);
            const Expected expected = expected_totals(records);
            for (const auto& [order, path] : {std::pair{"in order", ordered}, std::pair{"shuffled", shuffled}}) {
                const std::string full = label + ", " + order;
                if (wanted(full))
                    results.push_back(measure(full, path, expected, options.rounds));
            }
            if (!options.keep.empty())
                keep_for_trying(options.keep, shuffled);
        }
    }

    bool totals_ok = true;
    int met = 0;
    for (const Result& r : results) {
        totals_ok = totals_ok && r.totals_ok;
        met += meets_targets(r) ? 1 : 0;
    }
    if (results.size() == 12) // per zone: 7 years in order, shuffled, then 50 years in order, shuffled
        for (std::size_t i = 0; i < results.size(); i += 4)
            for (std::size_t k = 0; k < 2; ++k)
                std::printf("%s: 50 years take %.2f times as long as 7 years\n", results[i + 2 + k].label.c_str(),
                            results[i + 2 + k].scan / results[i + k].scan);
    std::printf("targets met in %d of %zu cases; totals %s; load %s\n", met, results.size(),
                totals_ok ? "equal the per-record sums in every case" : "DIFFER", load_average().c_str());
    std::filesystem::remove_all(dir);
    return totals_ok ? 0 : 1;
}
