#include "bench/BenchLog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace velkor::bench {

namespace {

long offset_at(std::time_t t)
{
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_gmtoff;
}

// The moments at which the zone's offset changes within the years, found day by day and then
// narrowed to the second.
std::vector<std::time_t> offset_changes(int first_year, int years)
{
    std::tm start{};
    start.tm_year = first_year - 1900;
    start.tm_mday = 1;
    const std::time_t from = timegm(&start);
    std::vector<std::time_t> changes;
    for (std::time_t day = from; day < from + years * 365.2425 * 86400; day += 86400) {
        if (offset_at(day) == offset_at(day + 86400))
            continue;
        std::time_t low = day;
        std::time_t high = day + 86400;
        while (high - low > 1) {
            const std::time_t middle = low + (high - low) / 2;
            (offset_at(middle) == offset_at(day) ? low : high) = middle;
        }
        changes.push_back(high);
    }
    return changes;
}

Fields local_fields(std::time_t t)
{
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string category_name(int c)
{
    return "Category " + std::to_string(c);
}

std::string project_name(int p)
{
    char text[16];
    std::snprintf(text, sizeof text, "Project %02d", p);
    return text;
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

// The moment of a reading: of the answers for standard and for daylight time, those that read
// back as the same wall clock in that state; the earlier when both do.
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
    if (found == 0) { // generated readings all exist; this is only a guard
        std::tm tm{};
        best = mktime_as(f, -1, tm);
    }
    return best;
}

} // namespace

void set_zone(const char* zone)
{
    setenv("TZ", zone, 1);
    tzset();
}

std::vector<GeneratedRecord> generate(int records, int first_year, int years, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::tm start{};
    start.tm_year = first_year - 1900;
    start.tm_mday = 1;
    const std::time_t from = timegm(&start);
    const auto span = static_cast<std::uint64_t>(years * 365.2425 * 86400);
    const std::vector<std::time_t> changes = offset_changes(first_year, years);
    std::vector<GeneratedRecord> out;
    out.reserve(static_cast<std::size_t>(records));
    for (int i = 0; i < records; ++i) {
        std::time_t ci = from + static_cast<std::time_t>(random() % span);
        if (random() % 50 == 0 && !changes.empty())
            ci = changes[random() % changes.size()] + static_cast<std::time_t>(random() % (6 * 3600)) - 3 * 3600;
        const std::time_t co = ci + static_cast<std::time_t>(random() % (10 * 3600));
        const int c = random() % 100 == 0 ? -1 : static_cast<int>(random() % kCategories);
        const int p = static_cast<int>(random() % kProjectsPerCategory);
        out.push_back({ci, local_fields(ci), local_fields(co), c, p});
    }
    return out;
}

void write_log(const std::string& path, const std::vector<GeneratedRecord>& records)
{
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        std::perror(path.c_str());
        std::exit(2);
    }
    int i = 0;
    for (const GeneratedRecord& r : records) {
        const std::string category = r.category < 0 ? std::string("Retired") : category_name(r.category);
        std::fprintf(out, "%d/%02d/%02d\t%02d:%02d:%02d\t%d/%02d/%02d\t%02d:%02d:%02d\t%s\t%s\t25.50\t%s\r\n",
                     r.ci.year, r.ci.month, r.ci.day, r.ci.hour, r.ci.minute, r.ci.second, r.co.year, r.co.month,
                     r.co.day, r.co.hour, r.co.minute, r.co.second, category.c_str(), project_name(r.project).c_str(),
                     ++i % 2 == 0 ? "meeting with client" : "");
    }
    if (std::fclose(out) != 0) {
        std::perror(path.c_str());
        std::exit(2);
    }
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
        e.doubled += ci_doubled || co_doubled ? 1 : 0;
        if (co < ci)
            continue;
        e.totals[static_cast<std::size_t>(r.category * kProjectsPerCategory + r.project)] += co - ci;
        ++e.counted;
    }
    return e;
}

} // namespace velkor::bench
