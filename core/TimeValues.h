#pragma once
// Moments, local wall-clock time, the packed date and time records, calendar dates in three
// orders, and the time-of-day and duration texts. Every UTC <-> local conversion goes through
// the operating system's zone rules (TZ); nothing here does its own zone arithmetic.

#include "core/Clock.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace velkor {

class Prompt;

// ---------------------------------------------------------------------------------------------
// Time points

/// Broken-down local time: the classic nine fields in their classic order.
struct LocalTimeFields
{
    int second = 0;
    int minute = 0;
    int hour = 0;
    int day = 1;     // 1..31
    int month = 0;   // 0..11
    int year = 70;   // years since 1900
    int weekday = 4; // 0 = Sunday
    int yearday = 0; // 0..365, counted from January 1
    int isdst = -1;  // the zone's current daylight state: -1 unknown, 0 standard, 1 daylight

    bool operator==(const LocalTimeFields&) const = default;
};

/// The current moment; also stored through out when given.
TimeStamp Now(const Clock& clock, TimeStamp* out = nullptr);

/// The local wall-clock fields of a moment. The daylight flag tells the zone's state now, not at t.
LocalTimeFields ToLocal(TimeStamp t);

/// The moment of a local wall-clock time. A day outside the month is carried into neighbouring
/// months (day 0 = last day of the previous month); the fields are normalised in place. A reading
/// shown twice (clocks set back) gives the earlier moment, whatever was converted before; one
/// never shown (clocks set forward) is read in the time before the change (02:30 becomes 03:30).
/// Returns -1 (fields untouched) when the system cannot represent the time.
TimeStamp FromLocal(LocalTimeFields& fields);

/// Days since 1970-01-01 of a Gregorian date, month 1..12 (calendar arithmetic only).
constexpr std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t year_of_era = year - era * 400;
    const std::int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    return era * 146097 + year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year - 719468;
}

/// Seconds the local wall clock is ahead of UTC at t; false when t has no local time.
bool UtcOffset(TimeStamp t, std::int64_t& offset);

/// a minus b in seconds; callers truncate to whole seconds.
double Difference(TimeStamp a, TimeStamp b);

// ---------------------------------------------------------------------------------------------
// Packed records, stored raw in the crash-recovery record

#pragma pack(push, 1)
struct DateRec
{
    std::int32_t year; // full year, e.g. 2024
    std::int8_t day;   // 1..31
    std::int8_t month; // 1..12
};
struct TimeRec
{
    std::uint8_t minute;
    std::uint8_t hour;       // 0..23
    std::uint8_t hundredths; // never set here; carries whatever the record held
    std::uint8_t second;
};
#pragma pack(pop)
static_assert(sizeof(DateRec) == 6);
static_assert(sizeof(TimeRec) == 4);

/// Splits a moment, in local time, into the two records (hundredths left untouched).
void CurrentDateTime(TimeStamp t, DateRec& date, TimeRec& time);

/// Days in month 1..12 of a full year (Gregorian leap rule); 0 for a month out of range.
int DaysInMonth(int month, int year);

/// Seconds a session has run, from its packed check-in moment to now: whole days between the
/// dates * 86400 plus the time-of-day difference. A clock set back by up to an hour (-3600..-1)
/// does not make the session negative.
long ElapsedSeconds(const DateRec& check_in_date, const TimeRec& check_in_time, TimeStamp now);

/// Whole seconds as "h:mm:ss" (hours without limit); negative values get a leading "-".
std::string FormatDuration(long seconds);

// ---------------------------------------------------------------------------------------------
// Dates

/// Date orders: 0 month/day/year, 1 day/month/year, 2 year/month/day; any other value behaves
/// as 0. Every call names its order: each dialog reads the setting when it is made
/// (read_date_order) and passes it on, so no order is kept behind anyone's back.
/// "mm/dd/yyyy", "dd/mm/yyyy" or "yyyy/mm/dd".
std::string DateOrderName(int order);

class Date
{
public:
    /// Year meaning "no year given" inside the parser; becomes the current local year.
    static constexpr int kNoYear = -1900;
    /// Year of a date marked invalid.
    static constexpr int kInvalidYear = -1;

    /// 1970-01-01.
    Date() = default;
    explicit Date(const LocalTimeFields& fields);
    explicit Date(const DateRec& rec);
    /// Parses text in the given order; the clock supplies the year when none is given.
    /// Check IsValid() afterwards.
    Date(const std::string& text, int order, const Clock& clock);
    /// With last_day set, the day becomes the month's last day. Years 0..99 become 2000..2069 /
    /// 1970..1999; kNoYear becomes the clock's current year; other years below 1900 are invalid.
    Date(int month, int day, int year, bool last_day = false, const Clock& clock = SystemClock::instance());

    /// The current local date.
    static Date Today(const Clock& clock);

    int month() const { return my_month; }
    int day() const { return my_day; }
    int year() const { return my_year; }

    /// Month 1..12, day 1..month length, year 1900 or later.
    bool IsValid() const;

    /// The date n days later (n may be negative). An invalid date, or a result the system
    /// cannot represent, is marked invalid.
    Date AddDays(long n) const;

    /// The three numbers joined by "/" in the order; zero padding gives month and day two digits.
    std::string Format(int order, bool zero_pad) const;

    DateRec to_rec() const;

    // Spelled out rather than <=>: Qt's moc cannot parse the <compare> header.
    bool operator<(const Date& other) const;
    bool operator>(const Date& other) const { return other < *this; }
    bool operator<=(const Date& other) const { return !(other < *this); }
    bool operator>=(const Date& other) const { return !(*this < other); }
    bool operator==(const Date& other) const = default;

private:
    std::int32_t my_month = 1;
    std::int32_t my_day = 1;
    std::int32_t my_year = 1970;
};

/// Result of checking a date edit field.
struct DateFieldCheck
{
    bool valid = false;
    std::string text; // valid: the date in the order's form, full year, no zero padding
    Date date;
};

/// Parses a date field in an order; a valid date comes back rewritten (3/7/24 -> 3/7/2024).
DateFieldCheck check_date_field(const std::string& text, int order, const Clock& clock);

/// As above; on failure shows the caller's message (caption "Error", exclamation icon, OK).
/// Focusing and selecting the field is left to the dialog.
DateFieldCheck check_date_field(const std::string& text, int order, const Clock& clock, Prompt& prompt,
                                const std::string& error_message);

// ---------------------------------------------------------------------------------------------
// Times of day

/// Time display forms: 0 "13:50:35" (hour padded with the stream's fill), 1 " 1:50:35 PM",
/// 2 " 1:50:35 pm"; any other value behaves as 0.
enum TimeFormatValue
{
    kTimeMilitary = 0,
    kTimeUpperAmPm = 1,
    kTimeLowerAmPm = 2
};

/// Reads "h:m[:s]" with an optional a/p (12-hour clock) into time; in duration mode hours run
/// to 255 and neither a/p nor trailing characters are allowed. Returns false (time untouched)
/// when the text is not a time of day.
bool ParseTimeOfDay(const std::string& text, TimeRec& time, bool duration_mode);

/// Writes hour, minute and second in the display form; the stream's fill and flags are kept.
void FormatTimeOfDay(std::ostream& out, int hour, int minute, int second, int time_format);
void FormatTimeOfDay(std::ostream& out, const TimeRec& time, int time_format);
void FormatTimeOfDay(std::ostream& out, const LocalTimeFields& fields, int time_format);
std::string FormatTimeOfDay(const TimeRec& time, int time_format);
std::string FormatTimeOfDay(const LocalTimeFields& fields, int time_format);

/// Earlier-than by hour, then minute, then second.
bool CompareTimeOfDay(const TimeRec& a, const TimeRec& b);

} // namespace velkor
