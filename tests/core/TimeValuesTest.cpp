#include "core/TimeValues.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace velkor;

namespace {

std::string wall(const LocalTimeFields& f)
{
    return std::to_string(f.year + 1900) + "-" + std::to_string(f.month + 1) + "-" + std::to_string(f.day) + " " +
           FormatTimeOfDay(f, kTimeMilitary);
}

} // namespace

TEST(TimeValues, LocalTimeFollowsTheZoneAcrossBothDaylightChanges)
{
    test::ScopedTimeZone zone("America/New_York");
    EXPECT_EQ(wall(ToLocal(1710053999)), "2024-3-10  1:59:59");
    EXPECT_EQ(wall(ToLocal(1710054000)), "2024-3-10  3:00:00"); // spring forward
    EXPECT_EQ(wall(ToLocal(1730613600)), "2024-11-3  1:00:00"); // fall back
    EXPECT_EQ(ToLocal(1735664400).yearday, 365);                // Dec 31 of a leap year
    // The daylight flag tells the zone's state today, so summer and winter moments agree.
    EXPECT_EQ(ToLocal(1719835200).isdst, ToLocal(1705320000).isdst);
}

TEST(TimeValues, FromLocalCarriesDaysAndNormalisesInPlace)
{
    for (const char* name : {"America/New_York", "Europe/Berlin"}) {
        test::ScopedTimeZone zone(name);
        LocalTimeFields f = ToLocal(1709208000); // Feb 29 2024
        EXPECT_EQ(FromLocal(f), 1709208000) << name;
        f.day = 0; // of February: January 31
        f.month = 1;
        EXPECT_EQ(FromLocal(f), 1709208000 - 29 * 86400) << name;
        EXPECT_EQ(wall(f).substr(0, 9), "2024-1-31") << name;
        f.day = 32; // of January: February 1
        f.month = 0;
        FromLocal(f);
        EXPECT_EQ(wall(f).substr(0, 8), "2024-2-1") << name;
        EXPECT_EQ(f.yearday, 31) << name;
    }
    LocalTimeFields out_of_range;
    out_of_range.year = std::numeric_limits<int>::max(); // the carry leaves the representable years
    out_of_range.month = 11;
    out_of_range.day = 32;
    const LocalTimeFields before = out_of_range;
    EXPECT_EQ(FromLocal(out_of_range), -1);
    EXPECT_EQ(out_of_range, before);
}

TEST(TimeValues, FromLocalGivesTheFirstOccurrenceOfADoubledHourWhateverCameBefore)
{
    struct Change
    {
        const char* zone;
        LocalTimeFields doubled; // :30 of the hour repeated in autumn
        TimeStamp first;         // its daylight-time occurrence
        LocalTimeFields skipped; // 02:30 on the spring change day, read as 03:30
        TimeStamp gap;
    };
    const Change changes[] = {
        {"Europe/Berlin", {0, 30, 2, 27, 9, 124}, 1729989000, {0, 30, 2, 31, 2, 124}, 1711848600},
        {"America/New_York", {0, 30, 1, 3, 10, 124}, 1730611800, {0, 30, 2, 10, 2, 124}, 1710055800},
    };
    for (const Change& c : changes) {
        test::ScopedTimeZone zone(c.zone);
        // A conversion in summer, then one in winter, before each: the answer must not follow them.
        for (const int before_month : {6, 0, 6}) {
            LocalTimeFields before{0, 0, 12, 15, before_month, 124};
            FromLocal(before);
            LocalTimeFields doubled = c.doubled;
            EXPECT_EQ(FromLocal(doubled), c.first) << c.zone << " after month " << before_month;
            EXPECT_EQ(doubled.hour, c.doubled.hour);
            LocalTimeFields skipped = c.skipped;
            EXPECT_EQ(FromLocal(skipped), c.gap) << c.zone;
            EXPECT_EQ(skipped.hour, 3) << c.zone;
        }
        // The hour after the repeated one is shown once, in standard time.
        LocalTimeFields after = c.doubled;
        ++after.hour;
        EXPECT_EQ(FromLocal(after), c.first + 2 * 3600) << c.zone;
    }
}

TEST(TimeValues, NowAndPackedRecords)
{
    test::ScopedTimeZone zone("Europe/Berlin");
    test::TestClock clock(1729989000); // 2024-10-27 02:30 CEST, the hour before the fall-back
    TimeStamp stored = 0;
    EXPECT_EQ(Now(clock, &stored), 1729989000);
    EXPECT_EQ(stored, 1729989000);

    DateRec date{};
    TimeRec time{};
    time.hundredths = 77;
    CurrentDateTime(clock.now(), date, time);
    // The raw bytes kept in the crash-recovery record: year LE, day, month; minute, hour, hundredths, second.
    unsigned char bytes[sizeof date + sizeof time];
    std::memcpy(bytes, &date, sizeof date);
    std::memcpy(bytes + sizeof date, &time, sizeof time);
    const unsigned char expected[] = {0xE8, 0x07, 0, 0, 27, 10, 30, 2, 77, 0};
    EXPECT_EQ(std::memcmp(bytes, expected, sizeof expected), 0);
}

TEST(TimeValues, ElapsedSecondsUsesWallClockAndForgivesAnHourSetBack)
{
    test::ScopedTimeZone zone("America/New_York");
    const DateRec nov3{2024, 3, 11};
    const TimeRec at_0130{30, 1, 0, 0};
    // 30 minutes after 01:30 EDT the clock shows 01:00 EST.
    EXPECT_EQ(ElapsedSeconds(nov3, at_0130, 1730613600), 1800);
    const DateRec dec31{2024, 31, 12};
    const TimeRec at_2300{0, 23, 0, 0};
    EXPECT_EQ(ElapsedSeconds(dec31, at_2300, 1735711200), 7200); // Jan 1 01:00
    // Set back by exactly an hour it counts as no time; further back it stays negative.
    EXPECT_EQ(ElapsedSeconds(dec31, at_2300, 1735711200 - 3 * 3600), 0);
    EXPECT_EQ(ElapsedSeconds(dec31, at_2300, 1735711200 - 4 * 3600), -7200);
}

TEST(TimeValues, DaysInMonthAndDurations)
{
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 2024), 29);
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2023), 28);
    EXPECT_EQ(DaysInMonth(4, 2023), 30);
    EXPECT_EQ(DaysInMonth(13, 2023), 0);

    EXPECT_EQ(FormatDuration(3661), "1:01:01");
    EXPECT_EQ(FormatDuration(360000 + 59), "100:00:59");
    EXPECT_EQ(FormatDuration(-1800), "-0:30:00");
}
