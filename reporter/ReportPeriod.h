#pragma once
// Days and periods of a report. A day is counted as days since 1970-01-01 of the calendar date,
// so weeks and months are plain calendar arithmetic and never meet a time-zone rule.

#include "core/Clock.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace velkor {

/// A calendar date as year, month 1..12 and day 1..31.
struct CivilDate
{
    int year = 1970;
    int month = 1;
    int day = 1;

    bool operator==(const CivilDate&) const = default;
};

/// Days since 1970-01-01 of a date.
std::int64_t day_number(const CivilDate& date);
/// The date of a day number.
CivilDate civil_date(std::int64_t day);
/// 0 = Sunday .. 6 = Saturday.
int weekday_of(std::int64_t day);
/// The Sunday that starts the day's week.
std::int64_t week_start(std::int64_t day);
/// Months since January 1970 of the day's month, the key that groups a month.
std::int64_t month_index(std::int64_t day);
/// The local date of today, by the clock.
std::int64_t today_number(const Clock& clock);

/// The days from first to last, both included.
struct DayRange
{
    std::int64_t first = std::numeric_limits<std::int64_t>::min();
    std::int64_t last = std::numeric_limits<std::int64_t>::max();

    bool contains(std::int64_t day) const { return day >= first && day <= last; }
    bool has_first() const { return first != std::numeric_limits<std::int64_t>::min(); }
    bool has_last() const { return last != std::numeric_limits<std::int64_t>::max(); }
    bool operator==(const DayRange&) const = default;
};

enum class PeriodPreset
{
    Today,
    ThisWeek, ///< Sunday to Saturday
    ThisMonth,
    LastMonth,
    All
};

/// The days of a preset period around the clock's today.
DayRange preset_range(PeriodPreset preset, const Clock& clock);

/// Reads a date typed by the user. Four leading digits mean year/month/day with any one
/// separator ("2024/03/07", "2024-03-07"); anything else is read in the date order (0 m/d/y,
/// 1 d/m/y, 2 y/m/d), where a missing year is the current one. None unless it is a real date.
std::optional<std::int64_t> parse_report_date(const std::string& text, int order, const Clock& clock);

/// The day in the date order with two-digit month and day ("03/07/2024" in order 0).
std::string format_day(std::int64_t day, int order);
/// The day as "2024-03-07".
std::string iso_day(std::int64_t day);
/// A month index as "03/2024", or "2024/03" in order 2.
std::string format_month(std::int64_t month, int order);
/// A month index as "2024-03".
std::string iso_month(std::int64_t month);

} // namespace velkor
