// The calendar date of the time values: construction, validity, arithmetic, text forms and
// the shared check of a date edit field.

#include "base/Prompt.h"
#include "core/TextScanner.h"
#include "core/TimeValues.h"

#include <cstdio>
#include <limits>

namespace velkor {

namespace {

int resolve_order(int order)
{
    return order == 1 || order == 2 ? order : 0;
}

int current_local_year(const Clock& clock)
{
    return ToLocal(clock.now()).year + 1900;
}

/// Two-digit years and the missing year; clock is asked only when no year was given.
int normalise_year(int year, const Clock* clock)
{
    if (year == Date::kNoYear)
        return clock ? current_local_year(*clock) : Date::kInvalidYear;
    if (year >= 0 && year <= 69)
        return year + 2000;
    if (year >= 70 && year <= 99)
        return year + 1900;
    return year < 1900 ? Date::kInvalidYear : year;
}

} // namespace

std::string DateOrderName(int order)
{
    switch (resolve_order(order)) {
    case 1:
        return "dd/mm/yyyy";
    case 2:
        return "yyyy/mm/dd";
    default:
        return "mm/dd/yyyy";
    }
}

Date::Date(const LocalTimeFields& fields)
    : my_month(fields.month + 1), my_day(fields.day), my_year(normalise_year(fields.year + 1900, nullptr))
{
}

Date::Date(const DateRec& rec) : my_month(rec.month), my_day(rec.day), my_year(normalise_year(rec.year, nullptr)) {}

Date::Date(int month, int day, int year, bool last_day, const Clock& clock)
    : my_month(month), my_day(day), my_year(normalise_year(year, &clock))
{
    if (last_day)
        my_day = DaysInMonth(my_month, my_year);
}

Date::Date(const std::string& text, int order, const Clock& clock)
{
    TextScanner in(text);
    int numbers[3] = {0, 0, 0};
    char separators[3] = {0, 0, 0};
    bool have_number[3] = {false, false, false};
    bool have_separator[3] = {false, false, false};
    for (int i = 0; i < 3; ++i) {
        have_number[i] = in.read_int(numbers[i]);
        have_separator[i] = in.read_char(separators[i]);
    }

    int month = 0;
    int day = 0;
    int year = kNoYear;
    const auto take_year = [&](int slot) {
        // An explicit -1900 must not pass for "no year given".
        if (have_number[slot])
            year = numbers[slot] == kNoYear ? kInvalidYear : numbers[slot];
    };
    switch (resolve_order(order)) {
    case 1:
        day = numbers[0];
        month = numbers[1];
        take_year(2);
        break;
    case 2:
        take_year(0);
        month = numbers[1];
        day = numbers[2];
        if (!have_number[2]) {
            // Two numbers in this order are still month and day of the current year.
            month = numbers[0];
            day = numbers[1];
            year = kNoYear;
        }
        break;
    default:
        month = numbers[0];
        day = numbers[1];
        take_year(2);
        break;
    }

    const bool trailing = have_separator[2];
    const bool mixed_separators = have_number[2] && separators[0] != separators[1];
    const bool dangling_separator = have_separator[1] && !have_number[2];
    my_month = month;
    my_day = day;
    my_year = trailing || mixed_separators || dangling_separator ? kInvalidYear : normalise_year(year, &clock);
}

Date Date::Today(const Clock& clock)
{
    return Date(ToLocal(clock.now()));
}

bool Date::IsValid() const
{
    return my_month >= 1 && my_month <= 12 && my_day >= 1 && my_day <= DaysInMonth(my_month, my_year) &&
           my_year >= 1900;
}

Date Date::AddDays(long n) const
{
    Date result = *this;
    result.my_year = kInvalidYear;
    const long long day = static_cast<long long>(my_day) + n;
    if (!IsValid() || day > std::numeric_limits<int>::max() || day < std::numeric_limits<int>::min())
        return result;

    LocalTimeFields fields;
    fields.hour = 12; // noon exists on every day, whatever the daylight-saving changes
    fields.day = static_cast<int>(day);
    fields.month = my_month - 1;
    fields.year = my_year - 1900;
    if (FromLocal(fields) == -1 && fields.day == static_cast<int>(day))
        return result; // not representable (a real result always has the day carried into range)
    return Date(fields);
}

std::string Date::Format(int order, bool zero_pad) const
{
    const char* md = zero_pad ? "%02d" : "%d";
    char first[16];
    char second[16];
    std::snprintf(first, sizeof first, md, resolve_order(order) == 1 ? my_day : my_month);
    std::snprintf(second, sizeof second, md, resolve_order(order) == 1 ? my_month : my_day);
    const std::string year = std::to_string(my_year);
    if (resolve_order(order) == 2)
        return year + "/" + first + "/" + second;
    return std::string(first) + "/" + second + "/" + year;
}

DateRec Date::to_rec() const
{
    return DateRec{my_year, static_cast<std::int8_t>(my_day), static_cast<std::int8_t>(my_month)};
}

bool Date::operator<(const Date& other) const
{
    if (my_year != other.my_year)
        return my_year < other.my_year;
    if (my_month != other.my_month)
        return my_month < other.my_month;
    return my_day < other.my_day;
}

DateFieldCheck check_date_field(const std::string& text, int order, const Clock& clock)
{
    DateFieldCheck check;
    check.date = Date(text, order, clock);
    check.valid = check.date.IsValid();
    check.text = check.valid ? check.date.Format(order, false) : text;
    return check;
}

DateFieldCheck check_date_field(const std::string& text, int order, const Clock& clock, Prompt& prompt,
                                const std::string& error_message)
{
    DateFieldCheck check = check_date_field(text, order, clock);
    if (!check.valid)
        prompt.message(error_message, "Error", Buttons::Ok, Icon::Exclamation);
    return check;
}

} // namespace velkor
