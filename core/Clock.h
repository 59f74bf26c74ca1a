#pragma once
// Injectable source of "now", so tests can fix and advance the time.

#include <cstdint>

namespace velkor {

using TimeStamp = std::int64_t; // seconds since 1970-01-01 00:00:00 UTC

class Clock
{
public:
    virtual ~Clock() = default;
    /// The current moment in UTC.
    virtual TimeStamp now() const = 0;
};

/// The system clock.
class SystemClock final : public Clock
{
public:
    TimeStamp now() const override;
    /// The program-wide system clock instance.
    static SystemClock& instance();
};

} // namespace velkor
