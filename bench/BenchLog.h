#pragma once
// Generated logs for the scan benchmark, and their totals worked out record by record with the
// C library alone, independently of the program's own conversions.

#include "core/ProjectList.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace velkor::bench {

inline constexpr int kCategories = 10;          // "Category 0" .. "Category 9"
inline constexpr int kProjectsPerCategory = 30; // "Project 00" .. "Project 29"

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

/// Sets TZ for this process.
void set_zone(const char* zone);

/// Records with check-ins spread over years from first_year, one in fifty within three hours of
/// one of the zone's offset changes, lasting up to ten hours (some over midnight), shown as the
/// zone's wall clock. The same seed gives the same records.
std::vector<GeneratedRecord> generate(int records, int first_year, int years, unsigned seed);

/// Writes the records as log lines, CR LF, every other one with a memo.
void write_log(const std::string& path, const std::vector<GeneratedRecord>& records);

/// The list the generated names belong to.
ProjectList make_list();

/// The expected seconds per project (category * kProjectsPerCategory + project) and the number
/// of records counted, from mktime told standard and daylight time in turn: a reading shown
/// twice counts at its first occurrence.
struct Expected
{
    std::vector<std::int64_t> totals = std::vector<std::int64_t>(kCategories * kProjectsPerCategory, 0);
    std::size_t counted = 0;
    std::size_t doubled = 0; // records with a moment in a repeated hour
};
Expected expected_totals(const std::vector<GeneratedRecord>& records);

} // namespace velkor::bench
