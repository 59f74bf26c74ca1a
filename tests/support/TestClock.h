#pragma once

#include "core/Clock.h"

namespace velkor::test {

/// A clock that stands still until the test sets or advances it.
class TestClock : public Clock
{
public:
    explicit TestClock(TimeStamp start = 1709802300) : my_now(start) {} // 2024-03-07 09:05:00 UTC
    TimeStamp now() const override { return my_now; }
    void set(TimeStamp t) { my_now = t; }
    void advance(TimeStamp seconds) { my_now += seconds; }

private:
    TimeStamp my_now;
};

} // namespace velkor::test
