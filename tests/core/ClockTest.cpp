#include "core/Clock.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace velkor;

namespace {

// Whole seconds of the clock the system clock is built on, read the same way.
TimeStamp system_seconds()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

TEST(Clock, SystemClockReadsTheOperatingSystemsClock)
{
    // Compared with the same clock on both sides: time(), which some systems keep on a coarser
    // clock, may lag behind by a second and is no yardstick.
    const TimeStamp before = system_seconds();
    const TimeStamp now = SystemClock::instance().now();
    const TimeStamp after = system_seconds();
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
    EXPECT_GT(now, 1700000000) << "a moment after November 2023";
}

TEST(Clock, TheTestClockStandsStillUntilMoved)
{
    test::TestClock clock(1000);
    EXPECT_EQ(clock.now(), 1000);
    clock.advance(5);
    EXPECT_EQ(clock.now(), 1005);
    clock.set(7);
    EXPECT_EQ(clock.now(), 7);
}
