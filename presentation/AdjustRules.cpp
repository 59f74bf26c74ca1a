#include "presentation/AdjustRules.h"

#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "core/TextScanner.h"

#include <cstdio>
#include <limits>

namespace velkor {

namespace {

constexpr std::size_t kDurationBytesRead = 20;

using Status = AdjustReading::Status;

/// "25 seconds", "25 minutes" or "1:02:03": how long ago the reference moment was.
std::string told_seconds(long seconds)
{
    if (seconds < 60)
        return std::to_string(seconds) + " seconds";
    if (seconds < 3600)
        return std::to_string(seconds / 60) + " minutes";
    char text[48];
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

} // namespace

AdjustTexts adjust_texts(AdjustMode mode)
{
    AdjustTexts texts;
    std::string ending;
    switch (mode) {
    case AdjustMode::IdleFirst:
    case AdjustMode::IdleAfterCheckOut:
        texts = {"Check in this long ago", "Check in at this specific time", "Check in", ""};
        ending = "in";
        break;
    case AdjustMode::CheckOut:
        texts = {"Check out this long ago", "Check out at this specific time", "Check out", ""};
        ending = "out";
        break;
    case AdjustMode::CheckOutThenIn:
        texts = {"Check out, then in, this long ago", "Check out, then in, at this specific time", "Check out/in", ""};
        ending = "out/in";
        break;
    }
    texts.instruction = "Enter the date and time to check " + ending +
                        ".\nThe time may be in am/pm or military form, with or without seconds.";
    return texts;
}

std::optional<std::int32_t> parse_adjust_duration(std::string_view text)
{
    // Read as a stream would: numbers separated by ":", blanks before each item skipped.
    const std::string read = cut_utf8(text, kDurationBytesRead) + " ";
    TextScanner in(read);
    long long numbers[3] = {0, 0, 0};
    int count = 0;
    for (;;) {
        int number = 0;
        if (!in.read_int(number))
            return std::nullopt;
        numbers[count++] = number;
        char separator = 0;
        if (!in.read_char(separator))
            break; // the end of the text ends the reading
        if (separator != ':' || count == 3)
            return std::nullopt;
    }
    long long hours = numbers[0];
    long long minutes = numbers[1];
    long long seconds = numbers[2];
    if (count == 1) {
        hours = numbers[0] / 60;
        minutes = numbers[0] % 60;
    }
    if (hours < 0 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
        return std::nullopt;
    const long long offset = (hours * 60 + minutes) * 60 + seconds;
    // The session engine keeps the offset in 32 bits; a larger one would wrap into the future.
    if (offset > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(offset);
}

AdjustRules::AdjustRules(AdjustMode mode, long seconds, const TimeRec& time_of_day, const Clock& clock, int date_order,
                         int time_format)
    : my_mode(mode), my_seconds(seconds), my_time_of_day(time_of_day), my_clock(clock), my_date_order(date_order),
      my_time_format(time_format)
{
}

std::string AdjustRules::reference_line() const
{
    if (my_mode == AdjustMode::IdleFirst)
        return "It is currently " + FormatTimeOfDay(ToLocal(my_clock.now()), my_time_format);
    const char* start = my_mode == AdjustMode::IdleAfterCheckOut ? "You last checked out " : "You checked in ";
    return std::string(start) + "at " + FormatTimeOfDay(my_time_of_day, my_time_format) + ",\n" +
           told_seconds(my_seconds) + " ago.";
}

std::string AdjustRules::today_text() const
{
    return Date::Today(my_clock).Format(my_date_order, false);
}

bool AdjustRules::confirm_before_last_check_out(std::int32_t offset, Prompt& prompt) const
{
    if (my_mode != AdjustMode::IdleAfterCheckOut || offset <= my_seconds)
        return true;
    return prompt.message("Do you really want this check-in to be BEFORE your last check-out?", "Warning",
                          Buttons::YesNo, Icon::Question) == Answer::Yes;
}

AdjustReading AdjustRules::read_duration(const std::string& text, Prompt& prompt) const
{
    if (text == kAdjustDurationHint)
        return {};
    const std::optional<std::int32_t> offset = parse_adjust_duration(text);
    if (!offset) {
        prompt.message("Invalid adjustment duration: " + message_excerpt(cut_utf8(text, kDurationBytesRead)), "",
                       Buttons::Ok, Icon::Exclamation);
        return {Status::Error, 0, AdjustField::Duration};
    }
    if (!confirm_before_last_check_out(*offset, prompt))
        return {Status::Error, 0, AdjustField::Duration};
    return {Status::Valid, *offset, AdjustField::Duration};
}

AdjustReading AdjustRules::refuse(const std::string& text, AdjustField field, Prompt& prompt) const
{
    prompt.message(text, "Error", Buttons::Ok, Icon::Exclamation);
    return {Status::Error, 0, field};
}

AdjustReading AdjustRules::read_specific_time(const std::string& date_text, const std::string& time_text,
                                              Prompt& prompt) const
{
    // The date is checked first, even when the time field still holds its hint.
    const Date date(date_text, my_date_order, my_clock);
    const Date today = Date::Today(my_clock);
    if (!date.IsValid())
        return refuse("Invalid date: " + message_excerpt(date_text), AdjustField::Date, prompt);
    if (date > today)
        return refuse("Invalid future date: " + message_excerpt(date_text), AdjustField::Date, prompt);
    if (time_text == kAdjustTimeHint)
        return {};

    TimeRec time{};
    if (!ParseTimeOfDay(time_text, time, false))
        return refuse("Invalid time: " + message_excerpt(time_text), AdjustField::Time, prompt);
    const TimeStamp now = my_clock.now();
    const LocalTimeFields local = ToLocal(now);
    const TimeRec now_time{static_cast<std::uint8_t>(local.minute), static_cast<std::uint8_t>(local.hour), 0,
                           static_cast<std::uint8_t>(local.second)};
    if (date == today && CompareTimeOfDay(now_time, time))
        return refuse("Invalid future time: " + message_excerpt(time_text), AdjustField::Time, prompt);

    // Counted as a running session's time is, so a clock set back an hour cannot make it negative.
    const long offset = ElapsedSeconds(date.to_rec(), time, now);
    if (offset < 0 || offset > std::numeric_limits<std::int32_t>::max())
        return refuse("Invalid date: " + message_excerpt(date_text), AdjustField::Date, prompt);
    if (!confirm_before_last_check_out(static_cast<std::int32_t>(offset), prompt))
        return {Status::Error, 0, AdjustField::Time};
    return {Status::Valid, static_cast<std::int32_t>(offset), AdjustField::Time};
}

AdjustOutcome AdjustRules::ok(const std::string& duration_text, const std::string& date_text,
                              const std::string& time_text, Prompt& prompt) const
{
    const AdjustReading duration = read_duration(duration_text, prompt);
    const AdjustReading specific = read_specific_time(date_text, time_text, prompt);
    AdjustOutcome outcome;
    if (duration.status == Status::Valid && specific.status == Status::NotEntered)
        return {true, duration.offset, false, AdjustField::Duration};
    if (specific.status == Status::Valid && duration.status == Status::NotEntered)
        return {true, specific.offset, false, AdjustField::Time};

    if (duration.status == Status::NotEntered && specific.status == Status::NotEntered) {
        prompt.message("Please specify how long ago\nto check in or out.", "Error", Buttons::Ok, Icon::Exclamation);
    } else if (duration.status != Status::NotEntered && specific.status != Status::NotEntered) {
        prompt.message("You may adjust the check-in/check-out time\nusing one or the other of the methods, but not "
                       "both.",
                       "Error", Buttons::Ok, Icon::Exclamation);
    } else {
        // One method refused its own entry and said why; its text stays there to be corrected.
        outcome.focus = duration.status == Status::Error ? duration.focus : specific.focus;
        return outcome;
    }
    outcome.reset_hints = true;
    outcome.focus = specific.status == Status::NotEntered ? AdjustField::Duration : AdjustField::Time;
    return outcome;
}

} // namespace velkor
