#pragma once

#include "core/Clock.h"
#include "core/PastTimeScan.h"

#include <chrono>

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

/// A steady clock that moves on by step each time it is read.
class SteppingTicks : public MonotonicClock
{
public:
    explicit SteppingTicks(std::chrono::milliseconds step) : my_step(step) {}
    std::chrono::milliseconds now() const override { return my_now += my_step; }
    void set_step(std::chrono::milliseconds step) { my_step = step; }

private:
    std::chrono::milliseconds my_step;
    mutable std::chrono::milliseconds my_now{0};
};

} // namespace velkor::test
