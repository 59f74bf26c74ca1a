#pragma once
// Converting many local wall-clock readings to moments, as FromLocal does one at a time, while
// asking the system's zone rules about each calendar day only once.

#include "core/Clock.h"

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace velkor {

/// Seconds the local wall clock is ahead of UTC at a moment; false when it has no local time.
using UtcOffsetSource = std::function<bool(TimeStamp, std::int64_t&)>;

/// Gives for each reading exactly what FromLocal gives for it alone (a reading shown twice is its
/// first occurrence, one never shown is read with the offset from before the change), whatever
/// the order and the span of the readings. Each day's rule is worked out from the UTC offsets at
/// the UTC midnights around it, which neighbouring days share, so a run of days costs about one
/// offset each; an offset change is found by bisection in about eight more.
/// Assumes, as the system's own conversion does, that the offset does not change twice within a
/// day; where the offsets say otherwise the day's readings go to FromLocal one by one.
class LocalTimeCache
{
public:
    /// offset_at answers the zone questions; tests pass one that counts them.
    explicit LocalTimeCache(UtcOffsetSource offset_at = {});
    ~LocalTimeCache();
    LocalTimeCache(const LocalTimeCache&) = delete;
    LocalTimeCache& operator=(const LocalTimeCache&) = delete;

    /// The moment of the reading (month 1..12); out-of-range fields are carried into the
    /// neighbouring units as FromLocal does. -1 when the system cannot represent it.
    TimeStamp to_moment(int year, int month, int day, int hour, int minute, int second)
    {
        // Days already worked out are one look-up away; only real dates ever get a rule, so a
        // day past the month's end finds none and takes the long way.
        const auto y = static_cast<std::size_t>(year - kFirstYear);
        if (y < my_years.size() && my_years[y] && static_cast<unsigned>(month - 1) < 12 &&
            static_cast<unsigned>(day - 1) < 31 && static_cast<unsigned>(hour) < 24 &&
            static_cast<unsigned>(minute) < 60 && static_cast<unsigned>(second) < 60) {
            const YearRules& rules = *my_years[y];
            const Rule& rule = rules.days[static_cast<std::size_t>((month - 1) * 31 + day - 1)];
            if (rule.switch_minute >= 0)
                return rule.at(rules.first_midnight, hour * 3600 + minute * 60 + second);
        }
        return convert(year, month, day, hour, minute, second);
    }

private:
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 9999;
    static constexpr std::int32_t kUnknown = INT32_MIN;
    static constexpr std::int32_t kAlone = INT32_MIN + 1;

    static constexpr std::int16_t kUnknownMinute = INT16_MIN;
    static constexpr std::int16_t kAloneMinute = INT16_MIN + 1;

    // The readings of a day in eight bytes, so that decades of days stay in the processor's
    // cache: those before switch_minute at the year's first midnight + base + seconds, the rest
    // delta_minutes later (the offset before the switch less the one after). switch_minute is
    // kUnknownMinute until worked out and kAloneMinute where FromLocal must decide, which
    // includes the odd historical change that is not in whole minutes.
    struct Rule
    {
        std::int32_t base = 0;
        std::int16_t switch_minute = kUnknownMinute;
        std::int16_t delta_minutes = 0;

        TimeStamp at(TimeStamp first_midnight, std::int32_t seconds) const
        {
            return first_midnight + base + seconds + (seconds < switch_minute * 60 ? 0 : delta_minutes * 60);
        }
    };
    struct YearRules
    {
        TimeStamp first_midnight = 0;   // of January 1, counted like a UTC moment
        std::array<Rule, 12 * 31> days; // by (month - 1) * 31 + day - 1
    };

    // What the zone's offsets say about a day: readings before switch_second are read with the
    // offset before, the rest with the one after.
    struct DayRule
    {
        bool alone = true;
        std::int32_t before = 0;
        std::int32_t after = 0;
        std::int32_t switch_second = 0;
    };

    // What the zone said about a day: the offset at its UTC midnight, and the moment after that
    // midnight where the offset changes before the next one.
    struct Day
    {
        std::int32_t utc_midnight_offset = kUnknown; // kAlone: none
        std::int32_t change = kUnknown;              // seconds after the midnight; kAlone: none
    };
    static constexpr int kPageBits = 10;
    using Page = std::array<Day, std::size_t{1} << kPageBits>;

    TimeStamp convert(int year, int month, int day, int hour, int minute, int second);
    DayRule work_out(std::int64_t key);
    static Rule pack(const DayRule& day, std::int64_t key, TimeStamp first_midnight);
    Day& day_at(std::int64_t key);
    std::int32_t midnight_offset(std::int64_t key);
    bool change_after(std::int64_t key, TimeStamp& change);
    bool offset_at(TimeStamp t, std::int64_t& offset);

    UtcOffsetSource my_offset_at;
    std::vector<std::unique_ptr<YearRules>> my_years; // by year - 1900
    std::vector<std::unique_ptr<Page>> my_pages;      // page n holds the days of my_first_page + n
    std::int64_t my_first_page = 0;
};

} // namespace velkor
