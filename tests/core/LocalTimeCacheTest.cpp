#include "core/LocalTimeCache.h"

#include "core/TimeValues.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace velkor;

namespace {

struct Day
{
    int year, month, day;
};

Day civil(std::int64_t days) // days since 1970-01-01
{
    const std::time_t t = static_cast<std::time_t>(days * 86400);
    std::tm tm{};
    gmtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

TimeStamp from_local(const Day& d, int hour, int minute, int second)
{
    LocalTimeFields f{second, minute, hour, d.day, d.month - 1, d.year - 1900};
    return FromLocal(f);
}

// Days (since 1970) from first to last whose UTC midnight has another offset than the next one,
// with the day before and after each.
std::vector<std::int64_t> days_around_changes(std::int64_t first, std::int64_t last)
{
    std::vector<std::int64_t> days;
    std::int64_t before = 0;
    std::int64_t after = 0;
    for (std::int64_t day = first; day <= last; ++day) {
        UtcOffset(day * 86400, before);
        UtcOffset(day * 86400 + 86400, after);
        if (before != after)
            days.insert(days.end(), {day - 1, day, day + 1});
    }
    return days;
}

constexpr std::int64_t k1970 = 0;
constexpr std::int64_t k2000 = 10957;
constexpr std::int64_t k2050 = 29219;
constexpr std::int64_t k2100 = 47482;

} // namespace

TEST(LocalTimeCache, AgreesWithFromLocalOnEveryChangeDayFrom1970To2100InAnyOrder)
{
    // Lord Howe Island moves its clocks by half an hour, so hours are cut in two there.
    for (const char* zone : {"Europe/Berlin", "America/New_York", "Australia/Lord_Howe"}) {
        test::ScopedTimeZone scoped(zone);
        std::vector<std::int64_t> days = days_around_changes(k1970, k2100);
        ASSERT_GT(days.size(), 3u * 2 * 60) << zone; // two changes a year for decades
        const std::size_t change_days = days.size();
        std::mt19937 random(7);
        for (int i = 0; i < 1000; ++i) // and ordinary days all over the span
            days.push_back(static_cast<std::int64_t>(random() % (k2100 - k1970)));
        std::vector<std::size_t> order(days.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::shuffle(order.begin(), order.end(), random);

        LocalTimeCache cache;
        for (const std::size_t i : order) {
            const Day d = civil(days[i]);
            // On change days every hour's edges, where a change cuts, and a second inside.
            const int hours = i < change_days ? 24 : 1;
            for (int h = 0; h < hours; ++h) {
                const int hour = i < change_days ? h : static_cast<int>(random() % 24);
                for (const int second : {0, 1799, 1800, 3599, static_cast<int>(random() % 3600)})
                    ASSERT_EQ(cache.to_moment(d.year, d.month, d.day, hour, second / 60, second % 60),
                              from_local(d, hour, second / 60, second % 60))
                        << zone << " " << d.year << "/" << d.month << "/" << d.day << " " << hour << ":" << second / 60
                        << ":" << second % 60;
            }
        }
    }
}

TEST(LocalTimeCache, FieldsOutOfRangeAndDaysTheOffsetsCannotExplainGoToFromLocal)
{
    test::ScopedTimeZone zone("Europe/Berlin");
    LocalTimeCache cache;
    EXPECT_EQ(cache.to_moment(2024, 3, 31, 2, 30, 0), from_local({2024, 3, 31}, 2, 30, 0)); // in the gap
    EXPECT_EQ(cache.to_moment(2024, 13, 1, 9, 5, 0), from_local({2025, 1, 1}, 9, 5, 0));
    EXPECT_EQ(cache.to_moment(2023, 2, 29, 24, 0, 60), from_local({2023, 3, 2}, 0, 1, 0));
    EXPECT_EQ(cache.to_moment(2024, 3, 7, -1, 5, 0), from_local({2024, 3, 6}, 23, 5, 0));
    EXPECT_EQ(cache.to_moment(1899, 12, 31, 23, 59, 59), from_local({1899, 12, 31}, 23, 59, 59));

    // Amsterdam moved from +0:19:32 to +0:20 on 1 July 1937: not a whole minute, so FromLocal
    // reads that day.
    {
        test::ScopedTimeZone amsterdam("Europe/Amsterdam");
        LocalTimeCache old_days;
        for (const Day& d : {Day{1937, 6, 30}, Day{1937, 7, 1}, Day{1937, 7, 2}})
            for (int second = 0; second < 86400; second += 7 * 60 + 13)
                EXPECT_EQ(old_days.to_moment(d.year, d.month, d.day, second / 3600, second / 60 % 60, second % 60),
                          from_local(d, second / 3600, second / 60 % 60, second % 60))
                    << d.month << "/" << d.day << " " << second;
    }

    // Offsets that change twice within days of each other (here for the UTC day of 15 June)
    // fit no single switch, so the days around them take FromLocal itself, which knows only
    // the zone's steady +1 hour.
    test::ScopedTimeZone steady("CET-1");
    LocalTimeCache odd([](TimeStamp t, std::int64_t& offset) {
        constexpr TimeStamp blip = 1718409600; // 2024-06-15 00:00 UTC
        offset = t >= blip && t < blip + 86400 ? 7200 : 3600;
        return true;
    });
    for (int day = 12; day <= 18; ++day)
        for (int hour = 0; hour < 24; hour += 3)
            EXPECT_EQ(odd.to_moment(2024, 6, day, hour, 0, 0), from_local({2024, 6, day}, hour, 0, 0)) << day;
}

TEST(LocalTimeCache, AsksTheZoneAboutOnceADayWhateverTheOrderAndSpan)
{
    test::ScopedTimeZone zone("America/New_York");
    std::size_t questions = 0;
    const auto counting = [&](TimeStamp t, std::int64_t& offset) {
        ++questions;
        return UtcOffset(t, offset);
    };

    // Fifty years, three readings a day, shuffled: about one question per day, and about eight
    // more for each of the hundred changes.
    std::vector<std::int64_t> days;
    for (std::int64_t key = k2000; key < k2050; ++key)
        days.insert(days.end(), 3, key);
    std::shuffle(days.begin(), days.end(), std::mt19937(11));
    LocalTimeCache cache(counting);
    for (const std::int64_t key : days) {
        const Day d = civil(key);
        cache.to_moment(d.year, d.month, d.day, 12, 0, 0);
    }
    EXPECT_LE(questions, static_cast<std::size_t>(k2050 - k2000) + 100 * 10);

    // Days far apart, two of them change days: each costs its own few questions, never a walk
    // over the days between.
    questions = 0;
    LocalTimeCache sparse(counting);
    for (const Day& d : {Day{2100, 7, 1}, Day{1970, 1, 2}, Day{2042, 11, 2}, Day{2024, 3, 10}})
        sparse.to_moment(d.year, d.month, d.day, 1, 30, 0);
    EXPECT_LE(questions, 4u * 4 + 2 * 10);
}
