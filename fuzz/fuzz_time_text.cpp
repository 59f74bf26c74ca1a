// Typed dates and times come straight from edit fields: any text must parse or fail cleanly,
// and whatever parses must come back unchanged through its own display form.

#include "core/TimeValues.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class FixedClock : public velkor::Clock
{
public:
    velkor::TimeStamp now() const override { return 1709802300; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velkor;
    const std::string text(reinterpret_cast<const char*>(data), size);

    for (bool duration : {false, true}) {
        TimeRec time{};
        if (!ParseTimeOfDay(text, time, duration))
            continue;
        if (time.minute > 59 || time.second > 59 || time.hour > (duration ? 255 : 23))
            std::abort();
        TimeRec again{};
        if (!duration && (!ParseTimeOfDay(FormatTimeOfDay(time, kTimeLowerAmPm), again, false) ||
                          again.hour != time.hour || again.minute != time.minute || again.second != time.second))
            std::abort();
    }

    const FixedClock clock;
    for (int order = 0; order <= 3; ++order) {
        const Date date(text, order, clock);
        if (date.IsValid() && Date(date.Format(order, false), order, clock) != date)
            std::abort();
        (void)date.AddDays(static_cast<long>(size) - 128);
    }
    return 0;
}
