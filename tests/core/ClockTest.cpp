#include "core/Clock.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace velkor;

TEST(Clock, SystemClockFollowsTheOperatingSystemAndTheTestClockStandsStill)
{
    TimeStamp before = std::time(nullptr);
    TimeStamp now = SystemClock::instance().now();
    EXPECT_GE(now, before);
    EXPECT_LE(now, std::time(nullptr));

    test::TestClock clock(1000);
    clock.advance(5);
    EXPECT_EQ(clock.now(), 1005);
}
