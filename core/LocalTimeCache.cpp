#include "core/LocalTimeCache.h"

#include "core/TimeValues.h"

#include <algorithm>

namespace velkor {

namespace {

constexpr std::int64_t kDay = 86400;
constexpr TimeStamp kQuarterHour = 900;

bool plain_reading(int year, int month, int day, int hour, int minute, int second)
{
    return year >= 1900 && year <= 9999 && static_cast<unsigned>(month - 1) < 12 &&
           static_cast<unsigned>(day - 1) < 31 && (day <= 28 || day <= DaysInMonth(month, year)) &&
           static_cast<unsigned>(hour) < 24 && static_cast<unsigned>(minute) < 60 && static_cast<unsigned>(second) < 60;
}

} // namespace

LocalTimeCache::LocalTimeCache(UtcOffsetSource offset_at) : my_offset_at(std::move(offset_at))
{
    if (!my_offset_at)
        my_offset_at = [](TimeStamp t, std::int64_t& offset) { return UtcOffset(t, offset); };
}

LocalTimeCache::~LocalTimeCache() = default;

TimeStamp LocalTimeCache::convert(int year, int month, int day, int hour, int minute, int second)
{
    if (plain_reading(year, month, day, hour, minute, second)) {
        const auto y = static_cast<std::size_t>(year - kFirstYear);
        if (y >= my_years.size())
            my_years.resize(y + 1);
        if (!my_years[y]) {
            my_years[y] = std::make_unique<YearRules>();
            my_years[y]->first_midnight = DaysFromCivil(year, 1, 1) * kDay;
        }
        YearRules& rules = *my_years[y];
        Rule& rule = rules.days[static_cast<std::size_t>((month - 1) * 31 + day - 1)];
        if (rule.switch_minute == kUnknownMinute) {
            const std::int64_t key = DaysFromCivil(year, month, day);
            rule = pack(work_out(key), key, rules.first_midnight);
        }
        if (rule.switch_minute != kAloneMinute)
            return rule.at(rules.first_midnight, hour * 3600 + minute * 60 + second);
    }
    if (year < INT_MIN + 1900)
        return -1;
    LocalTimeFields fields;
    fields.year = year - 1900;
    fields.month = month - 1;
    fields.day = day;
    fields.hour = hour;
    fields.minute = minute;
    fields.second = second;
    return FromLocal(fields);
}

LocalTimeCache::Day& LocalTimeCache::day_at(std::int64_t key)
{
    const std::int64_t page = key >> kPageBits;
    if (my_pages.empty())
        my_first_page = page;
    if (page < my_first_page) {
        const auto shift = static_cast<std::size_t>(my_first_page - page);
        std::vector<std::unique_ptr<Page>> grown(shift + my_pages.size());
        std::move(my_pages.begin(), my_pages.end(), grown.begin() + static_cast<std::ptrdiff_t>(shift));
        my_pages.swap(grown);
        my_first_page = page;
    }
    const auto index = static_cast<std::size_t>(page - my_first_page);
    if (index >= my_pages.size())
        my_pages.resize(index + 1);
    if (!my_pages[index])
        my_pages[index] = std::make_unique<Page>();
    return (*my_pages[index])[static_cast<std::size_t>(key & ((std::int64_t{1} << kPageBits) - 1))];
}

bool LocalTimeCache::offset_at(TimeStamp t, std::int64_t& offset)
{
    // Offsets of a day or more would break the windows below; no zone has them.
    return my_offset_at(t, offset) && offset > -kDay && offset < kDay;
}

std::int32_t LocalTimeCache::midnight_offset(std::int64_t key)
{
    Day& day = day_at(key);
    if (day.utc_midnight_offset == kUnknown) {
        std::int64_t offset = 0;
        day.utc_midnight_offset = offset_at(key * kDay, offset) ? static_cast<std::int32_t>(offset) : kAlone;
    }
    return day.utc_midnight_offset;
}

// The readings of day `key` lie within a day of its own UTC range, between the UTC midnights
// before and after it (offsets stay below a day). Where the offset is the same at all four of
// those midnights, every reading occurs once, at midnight + seconds - offset. Where it changes
// once from a to b at moment T, readings before T + max(a, b) are read with a: in a gap (b > a)
// that is the offset from before the change, in a repeated stretch (b < a) the first occurrence.
// FromLocal looks a day around its answer for the offsets in force, so one more midnight on
// either side must agree before the day is trusted to this rule.
LocalTimeCache::DayRule LocalTimeCache::work_out(std::int64_t key)
{
    DayRule rule;
    std::int32_t offsets[6]; // at the UTC midnights of key - 2 .. key + 3
    for (int i = 1; i <= 4; ++i) {
        offsets[i] = midnight_offset(key - 2 + i);
        if (offsets[i] == kAlone)
            return rule;
    }
    if (offsets[1] == offsets[2] && offsets[2] == offsets[3] && offsets[3] == offsets[4])
        return {false, offsets[1], offsets[1], 0};
    int changes = 0;
    int at = 0;
    for (int i = 1; i <= 3; ++i) {
        if (offsets[i] != offsets[i + 1]) {
            ++changes;
            at = i;
        }
    }
    offsets[0] = midnight_offset(key - 2);
    offsets[5] = midnight_offset(key + 3);
    const std::int32_t before = offsets[at];
    const std::int32_t after = offsets[at + 1];
    TimeStamp change = 0;
    if (changes != 1 || offsets[0] != offsets[1] || offsets[5] != offsets[4] || !change_after(key - 2 + at, change))
        return rule;
    const std::int64_t switch_second = change + std::max(before, after) - key * kDay;
    return {false, before, after, static_cast<std::int32_t>(std::clamp<std::int64_t>(switch_second, 0, kDay))};
}

LocalTimeCache::Rule LocalTimeCache::pack(const DayRule& day, std::int64_t key, TimeStamp first_midnight)
{
    if (day.alone || day.switch_second % 60 != 0 || (day.before - day.after) % 60 != 0)
        return Rule{0, kAloneMinute, 0};
    return Rule{static_cast<std::int32_t>(key * kDay - day.before - first_midnight),
                static_cast<std::int16_t>(day.switch_second / 60),
                static_cast<std::int16_t>((day.before - day.after) / 60)};
}

// The first moment after the UTC midnight of day key with another offset than that midnight, where
// the next midnight has another one; found once for the up to three days whose rules need it.
// Changes nearly always fall on a quarter hour, so the quarter hours are searched first and a
// single question confirms the second; only other changes take a search by the second.
bool LocalTimeCache::change_after(std::int64_t key, TimeStamp& change)
{
    Day& day = day_at(key);
    const std::int32_t before = day.utc_midnight_offset;
    const std::int32_t after = midnight_offset(key + 1);
    if (day.change == kUnknown) {
        day.change = kAlone;
        const TimeStamp from = key * kDay;
        TimeStamp low = from;         // offset before
        TimeStamp high = from + kDay; // offset high_offset, another one
        std::int64_t high_offset = after;
        std::int64_t offset = 0;
        const auto narrow = [&](TimeStamp middle) {
            if (!offset_at(middle, offset))
                return false;
            if (offset == before) {
                low = middle;
            } else {
                high = middle;
                high_offset = offset;
            }
            return true;
        };
        while (high - low > kQuarterHour)
            if (!narrow(low + (high - low) / kQuarterHour / 2 * kQuarterHour))
                return false;
        if (!narrow(high - 1))
            return false;
        while (high - low > 1)
            if (!narrow(low + (high - low) / 2))
                return false;
        // A single change is what the rule needs: the offset right after it is the next midnight's.
        if (high_offset != after)
            return false;
        day.change = static_cast<std::int32_t>(high - from);
    }
    change = key * kDay + day.change;
    return day.change != kAlone;
}

} // namespace velkor
