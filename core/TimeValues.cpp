#include "core/TimeValues.h"

#include <cstdio>
#include <ctime>

namespace velkor {

namespace {

LocalTimeFields from_tm(const std::tm& tm)
{
    LocalTimeFields f;
    f.second = tm.tm_sec;
    f.minute = tm.tm_min;
    f.hour = tm.tm_hour;
    f.day = tm.tm_mday;
    f.month = tm.tm_mon;
    f.year = tm.tm_year;
    f.weekday = tm.tm_wday;
    f.yearday = tm.tm_yday;
    return f;
}

/// The zone's daylight state at this moment: what the user's clock shows now.
int current_daylight_state()
{
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    if (!localtime_r(&now, &tm) || tm.tm_isdst < 0)
        return -1;
    return tm.tm_isdst > 0 ? 1 : 0;
}

/// Local wall-clock reading of a moment, counted like a UTC moment.
std::int64_t wall_seconds(const std::tm& tm)
{
    return DaysFromCivil(std::int64_t{tm.tm_year} + 1900, tm.tm_mon + 1, tm.tm_mday) * 86400 + tm.tm_hour * 3600 +
           tm.tm_min * 60 + tm.tm_sec;
}

/// The wall-clock reading the fields ask for, with every field carried into range, counted like
/// a UTC moment (calendar arithmetic only).
std::int64_t asked_wall_seconds(const LocalTimeFields& f)
{
    const std::int64_t month = f.month;
    const std::int64_t year_carry = month >= 0 ? month / 12 : (month - 11) / 12;
    const std::int64_t days =
        DaysFromCivil(std::int64_t{f.year} + 1900 + year_carry, month - year_carry * 12 + 1, 1) + f.day - 1;
    return days * 86400 + std::int64_t{f.hour} * 3600 + std::int64_t{f.minute} * 60 + f.second;
}

} // namespace

TimeStamp Now(const Clock& clock, TimeStamp* out)
{
    const TimeStamp t = clock.now();
    if (out)
        *out = t;
    return t;
}

LocalTimeFields ToLocal(TimeStamp t)
{
    tzset(); // follow a zone change made while the program runs
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    LocalTimeFields fields;
    if (localtime_r(&tt, &tm))
        fields = from_tm(tm);
    fields.isdst = current_daylight_state();
    return fields;
}

TimeStamp FromLocal(LocalTimeFields& fields)
{
    std::tm tm{};
    tm.tm_sec = fields.second;
    tm.tm_min = fields.minute;
    tm.tm_hour = fields.hour;
    tm.tm_mday = fields.day;
    tm.tm_mon = fields.month;
    tm.tm_year = fields.year;
    // The flag in the fields tells the zone's state today, not at that moment: let the zone decide.
    tm.tm_isdst = -1;
    tm.tm_wday = -1; // mktime sets it only on success
    const std::time_t t = std::mktime(&tm);
    if (t == static_cast<std::time_t>(-1) && tm.tm_wday == -1)
        return -1;

    // mktime alone resolves a wall-clock reading shown twice (clocks set back) after the
    // conversion before it, so the result would depend on call order. Instead each UTC offset in
    // force within a day of the moment is tried, and the earliest moment that shows the reading
    // wins. A reading never shown (clocks set forward) is read with the offset from before the
    // change, as mktime does.
    const std::int64_t wall = asked_wall_seconds(fields);
    std::int64_t offsets[3];
    int n = 0;
    for (const std::time_t probe : {t - 86400, t, t + 86400})
        if (UtcOffset(probe, offsets[n]))
            ++n;
    std::time_t result = t;
    bool found = false;
    for (int i = 0; i < n; ++i) {
        const std::time_t candidate = static_cast<std::time_t>(wall - offsets[i]);
        std::int64_t offset = 0;
        if (UtcOffset(candidate, offset) && offset == offsets[i] && (!found || candidate < result)) {
            result = candidate;
            found = true;
        }
    }
    if (!found && n > 0)
        result = static_cast<std::time_t>(wall - offsets[0]);
    fields = ToLocal(result);
    return result;
}

bool UtcOffset(TimeStamp t, std::int64_t& offset)
{
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    if (!localtime_r(&tt, &tm))
        return false;
    offset = wall_seconds(tm) - t;
    return true;
}

double Difference(TimeStamp a, TimeStamp b)
{
    return static_cast<double>(a) - static_cast<double>(b);
}

void CurrentDateTime(TimeStamp t, DateRec& date, TimeRec& time)
{
    const LocalTimeFields f = ToLocal(t);
    date.year = f.year + 1900;
    date.day = static_cast<std::int8_t>(f.day);
    date.month = static_cast<std::int8_t>(f.month + 1);
    time.minute = static_cast<std::uint8_t>(f.minute);
    time.hour = static_cast<std::uint8_t>(f.hour);
    time.second = static_cast<std::uint8_t>(f.second);
}

int DaysInMonth(int month, int year)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        if (year % 400 == 0)
            return 29;
        if (year % 100 == 0)
            return 28;
        return year % 4 == 0 ? 29 : 28;
    default:
        return 0;
    }
}

long ElapsedSeconds(const DateRec& check_in_date, const TimeRec& check_in_time, TimeStamp now)
{
    const LocalTimeFields today = ToLocal(now);
    const std::int64_t days = DaysFromCivil(std::int64_t{today.year} + 1900, today.month + 1, today.day) -
                              DaysFromCivil(check_in_date.year, check_in_date.month, check_in_date.day);
    const long now_seconds = today.hour * 3600L + today.minute * 60L + today.second;
    const long check_in_seconds = check_in_time.hour * 3600L + check_in_time.minute * 60L + check_in_time.second;
    long elapsed = static_cast<long>(days * 86400) + now_seconds - check_in_seconds;
    if (elapsed >= -3600 && elapsed <= -1)
        elapsed += 3600; // the wall clock was set back by up to an hour (end of daylight saving time)
    return elapsed;
}

std::string FormatDuration(long seconds)
{
    // Negative values (a clock set far back) keep their sign in front instead of inside the minutes.
    const unsigned long long magnitude =
        seconds < 0 ? 0ULL - static_cast<unsigned long long>(seconds) : static_cast<unsigned long long>(seconds);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%s%llu:%02llu:%02llu", seconds < 0 ? "-" : "", magnitude / 3600,
                  magnitude / 60 % 60, magnitude % 60);
    return buffer;
}

} // namespace velkor
