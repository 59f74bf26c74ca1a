#include "reporter/ReportPeriod.h"

#include "core/TimeValues.h"

#include <cctype>
#include <cstdio>

namespace velkor {

std::int64_t day_number(const CivilDate& date)
{
    return DaysFromCivil(date.year, date.month, date.day);
}

CivilDate civil_date(std::int64_t day)
{
    // The inverse of DaysFromCivil: eras of 400 years starting on March 1.
    day += 719468;
    const std::int64_t era = (day >= 0 ? day : day - 146096) / 146097;
    const std::int64_t day_of_era = day - era * 146097;
    const std::int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;
    const std::int64_t month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
    const std::int64_t year = year_of_era + era * 400 + (month <= 2);
    return {static_cast<int>(year), static_cast<int>(month),
            static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1)};
}

int weekday_of(std::int64_t day)
{
    // 1970-01-01 was a Thursday.
    const std::int64_t weekday = (day + 4) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

std::int64_t week_start(std::int64_t day)
{
    return day - weekday_of(day);
}

std::int64_t month_index(std::int64_t day)
{
    const CivilDate date = civil_date(day);
    return (std::int64_t{date.year} - 1970) * 12 + date.month - 1;
}

std::int64_t today_number(const Clock& clock)
{
    const LocalTimeFields now = ToLocal(Now(clock));
    return day_number({now.year + 1900, now.month + 1, now.day});
}

namespace {

std::int64_t first_of_month(std::int64_t month)
{
    const std::int64_t year = month >= 0 ? month / 12 : (month - 11) / 12;
    return day_number({static_cast<int>(1970 + year), static_cast<int>(month - year * 12 + 1), 1});
}

} // namespace

DayRange preset_range(PeriodPreset preset, const Clock& clock)
{
    const std::int64_t today = today_number(clock);
    switch (preset) {
    case PeriodPreset::Today:
        return {today, today};
    case PeriodPreset::ThisWeek:
        return {week_start(today), week_start(today) + 6};
    case PeriodPreset::ThisMonth:
        return {first_of_month(month_index(today)), first_of_month(month_index(today) + 1) - 1};
    case PeriodPreset::LastMonth:
        return {first_of_month(month_index(today) - 1), first_of_month(month_index(today)) - 1};
    case PeriodPreset::All:
        break;
    }
    return {};
}

std::optional<std::int64_t> parse_report_date(const std::string& text, int order, const Clock& clock)
{
    std::size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start])))
        ++start;
    std::size_t digits = 0;
    while (start + digits < text.size() && std::isdigit(static_cast<unsigned char>(text[start + digits])))
        ++digits;
    // A month or a day never has four digits, so such a date reads year first in any order.
    const Date date(text, digits == 4 ? 2 : order, clock);
    if (!date.IsValid())
        return std::nullopt;
    return day_number({date.year(), date.month(), date.day()});
}

std::string format_day(std::int64_t day, int order)
{
    const CivilDate date = civil_date(day);
    return Date(date.month, date.day, date.year).Format(order, true);
}

std::string iso_day(std::int64_t day)
{
    const CivilDate date = civil_date(day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string format_month(std::int64_t month, int order)
{
    const CivilDate date = civil_date(first_of_month(month));
    char text[32];
    if (order == 2)
        std::snprintf(text, sizeof text, "%d/%02d", date.year, date.month);
    else
        std::snprintf(text, sizeof text, "%02d/%d", date.month, date.year);
    return text;
}

std::string iso_month(std::int64_t month)
{
    const CivilDate date = civil_date(first_of_month(month));
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d", date.year, date.month);
    return text;
}

} // namespace velkor
