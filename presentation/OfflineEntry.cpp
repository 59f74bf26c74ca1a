#include "presentation/OfflineEntry.h"

#include "base/Utf8Text.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/LogWriter.h"
#include "core/MemoList.h"
#include "core/MemoRequest.h"
#include "core/ProgramWideList.h"

#include <utility>

namespace velkor {

namespace {

constexpr TimeStamp kDateMemorySeconds = 900;

OfflineCheck refuse(std::string message, OfflineField field)
{
    OfflineCheck check;
    check.message = std::move(message);
    check.focus = field;
    return check;
}

} // namespace

std::string offline_time_hint(int time_format)
{
    return time_format != 0 ? "hh:mm:ss pm" : "hh:mm:ss";
}

std::string offline_instruction(int date_order)
{
    return "Enter dates in " + DateOrderName(date_order) +
           " format.\nTimes may be entered in am/pm or military format, with or without seconds.";
}

std::string offline_start_date(const OfflineMemory& memory, const Clock& clock, int date_order)
{
    if (clock.now() - memory.recorded_at < kDateMemorySeconds)
        return memory.check_in_date;
    return Date::Today(clock).Format(date_order, false);
}

void add_offline_duration(const Date& check_in_date, const TimeRec& check_in_time, const TimeRec& duration,
                          DateRec& check_out_date, TimeRec& check_out_time)
{
    // Wall-clock arithmetic: a day is 24 hours on the clock, whatever daylight saving does.
    const int seconds = check_in_time.second + duration.second;
    const int minutes = check_in_time.minute + duration.minute + seconds / 60;
    const int hours = check_in_time.hour + duration.hour + minutes / 60;
    check_out_time.second = static_cast<std::uint8_t>(seconds % 60);
    check_out_time.minute = static_cast<std::uint8_t>(minutes % 60);
    check_out_time.hour = static_cast<std::uint8_t>(hours % 24);
    check_out_time.hundredths = 0;
    check_out_date = check_in_date.AddDays(hours / 24).to_rec();
}

OfflineCheck check_offline_entry(const OfflineEntryText& text, int date_order, const std::string& time_hint,
                                 const Clock& clock)
{
    OfflineSession session;
    const Date check_in_date(text.check_in_date, date_order, clock);
    if (!check_in_date.IsValid())
        return refuse("Invalid checkin date", OfflineField::CheckInDate);
    if (!ParseTimeOfDay(text.check_in_time, session.check_in_time, false))
        return refuse("Invalid checkin time", OfflineField::CheckInTime);
    session.check_in_date = check_in_date.to_rec();

    const bool check_out_given = text.check_out_time != time_hint;
    const bool duration_given = text.duration != kOfflineDurationHint;
    if (!check_out_given && !duration_given)
        return refuse("Please specify either the checkout date/time OR the duration", OfflineField::CheckOutTime);
    if (check_out_given && duration_given) {
        OfflineCheck check = refuse("Please specify either the checkout date/time OR the duration, not both",
                                    OfflineField::CheckOutTime);
        check.reset_hints = true;
        return check;
    }

    if (check_out_given) {
        const Date check_out_date(text.check_out_date, date_order, clock);
        if (!check_out_date.IsValid())
            return refuse("Invalid checkout date", OfflineField::CheckOutDate);
        if (!ParseTimeOfDay(text.check_out_time, session.check_out_time, false))
            return refuse("Invalid checkout time", OfflineField::CheckOutTime);
        session.check_out_date = check_out_date.to_rec();
    } else {
        TimeRec duration{};
        if (!ParseTimeOfDay(text.duration, duration, true))
            return refuse("Invalid checkout duration", OfflineField::Duration);
        add_offline_duration(check_in_date, session.check_in_time, duration, session.check_out_date,
                             session.check_out_time);
        if (!Date(session.check_out_date).IsValid())
            return refuse("Invalid checkout duration", OfflineField::Duration);
    }

    // Compared as dates and times of day on the wall clock; equal moments make a session of 0.
    const Date in(session.check_in_date);
    const Date out(session.check_out_date);
    if (out < in || (out == in && CompareTimeOfDay(session.check_out_time, session.check_in_time)))
        return refuse("Checkout cannot be earlier than checkin", OfflineField::CheckOutTime);
    OfflineCheck check;
    check.session = session;
    return check;
}

OfflineRecorder::OfflineRecorder(OfflineServices services, std::size_t c, std::size_t p, OfflineMemoAsker ask_memo)
    : my_services(std::move(services)), my_category(c), my_project(p), my_ask_memo(std::move(ask_memo))
{
}

std::optional<std::string> OfflineRecorder::ask_memo()
{
    ProjectList& list = *my_services.lists.get();
    std::string memo = list.remembered_memo(my_category, my_project, 0);
    bool close_after = get_flag(my_services.settings, kCloseAfterMemo);
    const MemoDialogResult result = my_ask_memo(memo, my_services.remember, close_after);
    if (result == MemoDialogResult::Cancel)
        return std::nullopt;
    // The box belongs to the memo dialog's settings; it takes effect at the next "Enter memo now".
    put_flag(my_services.settings, kCloseAfterMemo, close_after);
    if (result == MemoDialogResult::NoMemo)
        return std::string();
    // As at a check-in: surrounding blanks and line breaks are not part of the memo.
    memo = TrimMemo(cut_utf8(memo, kMemoMaxBytes));
    if (my_services.remember)
        list.remember_memo(my_category, my_project, memo);
    return memo;
}

OfflineRecorder::Outcome OfflineRecorder::record(const OfflineSession& session, bool with_memo,
                                                 const std::string& check_in_date_text)
{
    std::string memo;
    if (with_memo) {
        std::optional<std::string> entered = ask_memo();
        if (!entered)
            return Outcome::MemoCancelled;
        memo = std::move(*entered);
    }
    // The offline record gets values of its own; the open session keeps the ones of its check-in.
    const std::string environment = my_services.environment ? my_services.environment() : std::string();
    AppendResult result = AppendResult::Retry;
    while (result == AppendResult::Retry)
        result = my_services.log.AppendLogRecord(session.check_in_date, session.check_in_time, session.check_out_date,
                                                 session.check_out_time, my_category, my_project, memo, environment);
    if (result != AppendResult::Written)
        return Outcome::LogCancelled;
    my_services.memory.check_in_date = check_in_date_text;
    my_services.memory.recorded_at = my_services.clock.now();
    return Outcome::Recorded;
}

} // namespace velkor
