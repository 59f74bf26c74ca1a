// Times a report over a log of 1,000,000 records: reading the whole log with every field,
// grouping a year by project and the whole log by day, and writing the CSV, against a plain
// line-by-line read of the same file. The target is a report in under a second.

#include "core/LogReader.h"
#include "reporter/LogEntries.h"
#include "reporter/Report.h"
#include "reporter/ReportText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>

#include <unistd.h>

using namespace velkor;

namespace {

constexpr int kRecords = 1'000'000;
constexpr double kTargetSeconds = 1.0;

template <typename F> double best_seconds(int runs, F&& work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

std::string wall_clock(std::time_t t)
{
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[40];
    std::snprintf(text, sizeof text, "%d/%02d/%02d\t%02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}

// Sessions of up to four hours in 2019 to 2025 on 300 projects, in time order as a log grows,
// one in five with a memo and one in fifty a note.
void write_log(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::perror(path.c_str());
        std::exit(2);
    }
    std::mt19937_64 random(42);
    std::time_t t = 1546300800; // 2019-01-01
    for (int i = 0; i < kRecords; ++i) {
        t += static_cast<std::time_t>(random() % 420);
        const bool note = random() % 50 == 0;
        const std::time_t out = note ? t : t + static_cast<std::time_t>(random() % 14400);
        const int category = static_cast<int>(random() % 25);
        const int project = static_cast<int>(random() % 12);
        const int rate = static_cast<int>(random() % 3) * 2550;
        std::string line = wall_clock(t) + '\t' + wall_clock(out) + "\tCategory " + std::to_string(category) +
                           "\tProject number " + std::to_string(project) + '\t' + std::to_string(rate / 100) + '.' +
                           (rate % 100 < 10 ? "0" : "") + std::to_string(rate % 100);
        if (note || random() % 5 == 0)
            line += "\tWorked on the quarterly figures\\/and the mail";
        line += "\r\n";
        std::fwrite(line.data(), 1, line.size(), file);
    }
    std::fclose(file);
}

} // namespace

int main()
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vkrept-bench-" + std::to_string(getpid()) + ".log")).string();
    write_log(path);
    std::printf("log: %d records, %.0f MB\n", kRecords, static_cast<double>(std::filesystem::file_size(path)) / 1e6);

    const double plain = best_seconds(3, [&] {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        LogLineReader reader(file);
        std::string_view line;
        std::size_t lines = 0;
        while (reader.next(line))
            ++lines;
        std::fclose(file);
        if (lines != kRecords)
            std::abort();
    });

    std::size_t groups = 0;
    std::uint64_t unreadable = 0;
    double read = 0;
    double grouped = 0;
    const double total = best_seconds(3, [&] {
        const auto start = std::chrono::steady_clock::now();
        LogEntries log;
        // Sessions that start in the hour repeated when summer time ends and end after it read
        // as ending before they start, as Velkor's own scan reads them: those few are unreadable.
        if (read_log_entries(path, log) != 0 || log.entries().size() + log.unreadable_lines() != kRecords)
            std::abort();
        unreadable = log.unreadable_lines();
        const auto after_read = std::chrono::steady_clock::now();
        const DayRange year_2024{day_number({2024, 1, 1}), day_number({2024, 12, 31})};
        const Report by_project = build_report(log, year_2024, GroupBy::Project);
        const Report by_day = build_report(log, {}, GroupBy::Day);
        groups = by_project.groups.size() + by_day.groups.size();
        if (report_csv(by_day, log, 0, true).empty())
            std::abort();
        const double this_read = std::chrono::duration<double>(after_read - start).count();
        const double this_grouped =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - after_read).count();
        if (read == 0 || this_read + this_grouped < read + grouped) {
            read = this_read;
            grouped = this_grouped;
        }
    });
    std::remove(path.c_str());

    std::printf("plain line read:            %.3f s\n", plain);
    std::printf("read with every field:      %.3f s (%llu lines unreadable)\n", read,
                static_cast<unsigned long long>(unreadable));
    std::printf("group (2 reports) and CSV:  %.3f s (%zu groups)\n", grouped, groups);
    std::printf("report, best of 3:          %.3f s (target under %.1f s): %s\n", total, kTargetSeconds,
                total < kTargetSeconds ? "met" : "MISSED");
    return total < kTargetSeconds ? 0 : 1;
}
