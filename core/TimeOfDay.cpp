// Times of day: the parser for typed times (12- or 24-hour clock, durations) and the display forms.

#include "core/TextScanner.h"
#include "core/TimeValues.h"

#include <iomanip>
#include <sstream>

namespace velkor {

namespace {

bool is_am_pm(char c)
{
    return c == 'a' || c == 'A' || c == 'p' || c == 'P';
}

} // namespace

bool ParseTimeOfDay(const std::string& text, TimeRec& time, bool duration_mode)
{
    TextScanner in(text);
    int hour = 0;
    int minute = 0;
    int second = 0;
    char c = 0;
    bool have_c = false;

    // Negative numbers are refused: they would wrap around in the unsigned record.
    if (!in.read_int(hour) || hour < 0 || hour > (duration_mode ? 255 : 23))
        return false;
    have_c = in.read_char(c);

    if (!(have_c && is_am_pm(c))) {
        if (!in.read_int(minute) || minute < 0 || minute > 59)
            return false;
        have_c = in.read_char(c);
    } else if (duration_mode) {
        return false; // "9pm"
    }

    bool twelve_hour = false;
    bool after_noon = false;
    if (in.good()) {
        if (!is_am_pm(c)) {
            if (!in.read_int(second) || second < 0 || second > 59)
                return false;
            have_c = in.read_char(c);
        } else if (duration_mode) {
            return false; // "9:05pm"
        }
        if (duration_mode && have_c)
            return false; // trailing characters
        if (have_c && is_am_pm(c)) {
            twelve_hour = true;
            after_noon = c == 'p' || c == 'P';
        }
    }
    // Otherwise only hour and minute were given: 24-hour clock, no seconds.

    if (twelve_hour) {
        if (hour == 0 || hour > 12)
            return false;
        if (hour == 12)
            hour = 0;
        if (after_noon)
            hour += 12;
    }
    time.hour = static_cast<std::uint8_t>(hour);
    time.minute = static_cast<std::uint8_t>(minute);
    time.second = static_cast<std::uint8_t>(second);
    return true;
}

void FormatTimeOfDay(std::ostream& out, int hour, int minute, int second, int time_format)
{
    const char* suffix = nullptr;
    if (time_format == kTimeUpperAmPm || time_format == kTimeLowerAmPm) {
        const bool after_noon = hour >= 12 && hour <= 23;
        if (after_noon)
            hour -= 12;
        if (hour == 0)
            hour = 12;
        if (time_format == kTimeUpperAmPm)
            suffix = after_noon ? "PM" : "AM";
        else
            suffix = after_noon ? "pm" : "am";
    }

    const char old_fill = out.fill();
    const std::ios_base::fmtflags old_flags = out.flags();
    out << std::right << std::dec << std::setw(2) << hour; // the caller's fill pads the hour
    out.fill('0');
    out << ':' << std::setw(2) << minute << ':' << std::setw(2) << second;
    out.fill(old_fill);
    out.flags(old_flags);
    if (suffix)
        out << ' ' << suffix;
}

void FormatTimeOfDay(std::ostream& out, const TimeRec& time, int time_format)
{
    FormatTimeOfDay(out, time.hour, time.minute, time.second, time_format);
}

void FormatTimeOfDay(std::ostream& out, const LocalTimeFields& fields, int time_format)
{
    FormatTimeOfDay(out, fields.hour, fields.minute, fields.second, time_format);
}

std::string FormatTimeOfDay(const TimeRec& time, int time_format)
{
    std::ostringstream out;
    FormatTimeOfDay(out, time, time_format);
    return out.str();
}

std::string FormatTimeOfDay(const LocalTimeFields& fields, int time_format)
{
    std::ostringstream out;
    FormatTimeOfDay(out, fields, time_format);
    return out.str();
}

bool CompareTimeOfDay(const TimeRec& a, const TimeRec& b)
{
    if (a.hour != b.hour)
        return a.hour < b.hour;
    if (a.minute != b.minute)
        return a.minute < b.minute;
    return a.second < b.second;
}

} // namespace velkor
