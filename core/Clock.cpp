#include "core/Clock.h"

#include <chrono>

namespace velkor {

TimeStamp SystemClock::now() const
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

SystemClock& SystemClock::instance()
{
    static SystemClock clock;
    return clock;
}

} // namespace velkor
