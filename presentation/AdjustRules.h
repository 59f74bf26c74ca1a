#pragma once
// The rules of the adjust dialog ("Adjust Check-In/Check-Out Time"): its texts by mode, the line
// that tells when the user last clicked, and the two ways of saying how long ago the next
// check-in or check-out happened (a duration, or a date and time of day), which give the number
// of seconds the session engine dates that click back by.

#include "core/Clock.h"
#include "core/SessionUi.h"
#include "core/TimeValues.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

class Prompt;

/// The edit fields of the dialog, by their control ids.
enum class AdjustField
{
    Duration = 102,
    Date = 106,
    Time = 108,
};

/// What the duration and time fields hold until the user types over them.
inline constexpr char kAdjustDurationHint[] = "minutes";
inline constexpr char kAdjustTimeHint[] = "hh:mm:ss";

/// The captions that change with the mode.
struct AdjustTexts
{
    std::string long_ago_group; ///< group 103
    std::string specific_group; ///< group 107
    std::string ok_button;      ///< button 1
    std::string instruction;    ///< static 104
};

AdjustTexts adjust_texts(AdjustMode mode);

/// The offset of a "how long ago" text: minutes, hh:mm or hh:mm:ss (at most 20 bytes are read);
/// none when the text is not one of those or the offset does not fit 32 bits.
std::optional<std::int32_t> parse_adjust_duration(std::string_view text);

/// What reading one of the two methods gave.
struct AdjustReading
{
    enum class Status
    {
        NotEntered,
        Error, ///< its message (if any) has been shown; `focus` is the field to correct
        Valid,
    };
    Status status = Status::NotEntered;
    std::int32_t offset = 0;
    AdjustField focus = AdjustField::Duration;
};

/// What OK came to: the offset, or the dialog stays open with a field to focus.
struct AdjustOutcome
{
    bool accepted = false;
    std::int32_t offset = 0;
    /// Both fields go back to their hints ("Please specify..." and "...not both").
    bool reset_hints = false;
    /// The field that gets the focus with its whole text selected.
    AdjustField focus = AdjustField::Duration;
};

class AdjustRules
{
public:
    /// seconds and time_of_day: since and at the last check-out (mode 1) or the check-in (modes
    /// 2 and 3); unused in mode 0. Dates are read in date_order, times shown in time_format.
    AdjustRules(AdjustMode mode, long seconds, const TimeRec& time_of_day, const Clock& clock, int date_order,
                int time_format);

    AdjustMode mode() const { return my_mode; }
    /// Static 101: "It is currently ..." or "You checked in at ...,\n25 minutes ago.".
    std::string reference_line() const;
    /// Today's date as the date field starts with it.
    std::string today_text() const;

    /// The "long ago" method (field 102).
    AdjustReading read_duration(const std::string& text, Prompt& prompt) const;
    /// The "specific time" method (fields 106 and 108), with its checks against the future.
    AdjustReading read_specific_time(const std::string& date_text, const std::string& time_text, Prompt& prompt) const;
    /// OK: reads both methods and accepts exactly one valid method with the other not entered.
    AdjustOutcome ok(const std::string& duration_text, const std::string& date_text, const std::string& time_text,
                     Prompt& prompt) const;

private:
    /// Mode 1 only: an offset reaching back past the last check-out needs a Yes.
    bool confirm_before_last_check_out(std::int32_t offset, Prompt& prompt) const;
    AdjustReading refuse(const std::string& text, AdjustField field, Prompt& prompt) const;

    AdjustMode my_mode;
    long my_seconds;
    TimeRec my_time_of_day;
    const Clock& my_clock;
    int my_date_order;
    int my_time_format;
};

} // namespace velkor
