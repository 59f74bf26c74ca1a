#pragma once
// The one open session and the values that travel with it between check-in and check-out.
// Which project is current is held by the ProjectList, not here.

#include "core/TimeValues.h"

#include <cstdint>
#include <string>

namespace velkor {

struct SessionState
{
    DateRec check_in_date{};
    TimeRec check_in_time{};
    /// The check-out being recorded; overwritten by each attempt.
    DateRec check_out_date{};
    TimeRec check_out_time{};
    /// The session memo, at most 1009 bytes; emptied at each check-in.
    std::string memo;
    /// The user answered "No Memo" during this session; cleared at each check-in.
    bool memo_declined = false;
    /// Values of the configured environment variables, built at each check-in.
    std::string environment;
    /// How long ago the next check-in or check-out is to be dated, in seconds.
    std::int32_t offset = 0;
    /// The offset applies to the next check-in or check-out; the caller resets it after each click or command.
    bool offset_active = false;
    bool clock_changed_before_check_in = false;
    bool clock_changed_before_check_out = false;
    /// Low 32 bits of the last recorded check-out moment; 0 = none in this run.
    std::uint32_t last_check_out_moment = 0;
    TimeRec last_check_out_time{};
};

} // namespace velkor
