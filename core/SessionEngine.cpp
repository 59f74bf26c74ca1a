#include "core/SessionEngine.h"

#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/Assert.h"
#include "core/DazezUrureRecord.h"
#include "core/LogWriter.h"
#include "core/ProjectList.h"
#include "core/TimeValues.h"

#include <algorithm>
#include <utility>

namespace velkor {

std::string CoBeforeCiPrompt(long shortfall_seconds)
{
    long n = shortfall_seconds;
    const char* unit = "second";
    if (shortfall_seconds >= 3600) {
        n = shortfall_seconds / 3600;
        unit = "hour";
    } else if (shortfall_seconds >= 60) {
        n = shortfall_seconds / 60;
        unit = "minute";
    }
    std::string text = "You are trying to check out " + std::to_string(n) + " " + unit;
    if (n >= 2)
        text += "s";
    return text + " before you checked in!\nHow would you like to handle the current session?";
}

SessionEngine::SessionEngine(SessionServices services)
    : my_services(std::move(services)), my_memo(my_state, my_services.settings, my_services.dialogs, my_services.lists)
{
    my_memo.read_settings();
    my_services.lists.set_follower(this);
}

SessionEngine::~SessionEngine()
{
    my_services.lists.set_follower(nullptr);
}

void SessionEngine::list_reloaded(const ProjectList& old, ProjectList& fresh)
{
    if (!old.is_current_project())
        return;
    std::size_t c = fresh.find_category(old.current_category_name());
    std::size_t p = c == NPOS ? NPOS : fresh.find_project(c, old.current_project_name());
    if (p != NPOS) {
        fresh.set_current(c, p);
        return;
    }
    // The session's project is gone: nothing to record it against.
    fresh.clear_current();
    clear_record();
    my_services.listener.session_closed();
    my_services.listener.start_reminder_timer();
    my_services.listener.update_caption();
}

bool SessionEngine::is_checked_in() const
{
    const ProjectList* list = project_list();
    return list && list->is_current_project();
}

bool SessionEngine::check_out_for_exit()
{
    return !is_checked_in() || CheckOut(false, CheckOutAction::Record);
}

int SessionEngine::rate_of(std::size_t c, std::size_t p) const
{
    return project_list()->effective_rate(c, p, get_int(my_services.settings, kRate));
}

long SessionEngine::elapsed_seconds() const
{
    return ElapsedSeconds(my_state.check_in_date, my_state.check_in_time, my_services.clock.now());
}

void SessionEngine::write_open_record()
{
    VELKOR_ASSERT(is_checked_in(), "is_current_project()");
    const ProjectList& list = *project_list();
    std::size_t c = list.current_category();
    std::size_t p = list.current_project();
    DazezUrureRecord& record = my_services.record;
    const RecordWriteResult result =
        record.WriteDazezUrureRecord(1, my_state.check_in_time, my_state.check_in_date, list.category_name(c),
                                     list.project_name(c, p), rate_of(c, p), my_state.memo, my_state.environment);
    // Only the record itself lets the next start recover the session; the mirror is for reading.
    if (result == RecordWriteResult::RecordFailed && !my_record_failure_told) {
        my_record_failure_told = true;
        my_services.listener.crash_record_not_written(record.last_error());
    }
}

void SessionEngine::clear_record()
{
    // A record left saying "checked in" is recognised at the next start by the session's line
    // at the end of the log, so a failed reset needs no word here.
    (void)my_services.record.clear();
}

bool SessionEngine::CheckIn(std::size_t c, std::size_t p, bool shift, bool resume)
{
    ProjectList* list = project_list();
    VELKOR_ASSERT(list != nullptr, "my_list != NULL");
    my_record_failure_told = false; // a new session, or one taken back from the crash record
    if (!resume) {
        my_services.listener.autobackup_check();
        if (my_services.check_environment && !my_services.check_environment(my_state.environment))
            return false;
        TimeStamp moment = my_services.clock.now();
        my_state.memo.clear();
        my_state.memo_declined = false;
        if (my_memo.ShouldAskForMemo(shift, c, p, MemoPurpose::CheckIn) &&
            !my_memo.AskForMemo(c, p, MemoPurpose::CheckIn))
            return false;
        if (my_state.offset_active)
            moment -= my_state.offset;
        CurrentDateTime(moment, my_state.check_in_date, my_state.check_in_time);
        list->set_current(c, p);
        write_open_record();
    } else {
        list->set_current(c, p);
    }
    my_services.listener.start_reminder_timer();
    my_services.listener.update_caption();
    return true;
}

bool SessionEngine::resolve_shortfall(long& elapsed, CheckOutAction& action)
{
    while (my_state.offset_active && elapsed < my_state.offset) {
        CoBeforeCiChoice choice = my_services.dialogs.run_co_before_ci_dialog(my_state.offset - elapsed);
        if (choice == CoBeforeCiChoice::Cancel)
            return false;
        if (choice == CoBeforeCiChoice::FixTheTime) {
            long offset = my_state.offset;
            if (!my_services.dialogs.run_adjust_dialog(AdjustMode::CheckOut, elapsed, my_state.check_in_time, offset))
                return false;
            my_state.offset = static_cast<std::int32_t>(offset);
            action = CheckOutAction::Record;
            elapsed = elapsed_seconds();
            continue;
        }
        // Discard or Save: dated at the check-in moment itself, a session of length 0.
        action = choice == CoBeforeCiChoice::Save ? CheckOutAction::Record : CheckOutAction::Drop;
        my_state.offset = static_cast<std::int32_t>(elapsed);
    }
    return true;
}

bool SessionEngine::CheckOut(bool memo_by_shift, CheckOutAction action)
{
    if (!is_checked_in())
        return false;
    long elapsed = elapsed_seconds();
    if (!resolve_shortfall(elapsed, action))
        return false;
    long duration = my_state.offset_active ? elapsed - my_state.offset : elapsed;

    TimeStamp moment = my_services.clock.now();
    if (my_state.offset_active)
        moment -= my_state.offset;
    CurrentDateTime(moment, my_state.check_out_date, my_state.check_out_time);

    if (action == CheckOutAction::Record) {
        my_state.last_check_out_moment = static_cast<std::uint32_t>(moment);
        my_state.last_check_out_time = my_state.check_out_time;
        std::size_t c = project_list()->current_category();
        std::size_t p = project_list()->current_project();
        AppendResult result = AppendResult::Retry;
        while (result == AppendResult::Retry)
            result = WriteCheckoutRecord(c, p, memo_by_shift);
        if (result != AppendResult::Written)
            return false;
        // A wall clock set back by more than an hour can leave a negative duration; it adds nothing.
        project_list()->add_seconds(c, p, static_cast<std::uint32_t>(std::max(duration, 0L)));
    }
    end_session();
    my_services.listener.autobackup_check();
    return true;
}

void SessionEngine::end_session()
{
    clear_record();
    project_list()->clear_current();
    my_services.listener.session_closed();
    my_services.listener.start_reminder_timer();
    my_services.listener.update_caption();
}

AppendResult SessionEngine::WriteCheckoutRecord(std::size_t c, std::size_t p, bool shift)
{
    if (my_memo.ShouldAskForMemo(shift, c, p, MemoPurpose::CheckOut) &&
        !my_memo.AskForMemo(c, p, MemoPurpose::CheckOut))
        return AppendResult::Cancel;
    if (my_services.switches.is_on(LockdownFeature::ClockChangeMarkers))
        add_clock_markers();
    return my_services.log.AppendLogRecord(my_state.check_in_date, my_state.check_in_time, my_state.check_out_date,
                                           my_state.check_out_time, c, p, my_state.memo);
}

void SessionEngine::add_clock_markers()
{
    if (!my_state.clock_changed_before_check_in && !my_state.clock_changed_before_check_out)
        return;
    std::string memo;
    if (my_state.clock_changed_before_check_in)
        memo = "SYSTEM CLOCK CHANGED BEFORE CHECKIN";
    if (my_state.clock_changed_before_check_out) {
        if (!memo.empty())
            memo += "; ";
        memo += "SYSTEM CLOCK CHANGED BEFORE CHECKOUT";
    }
    if (!my_state.memo.empty())
        memo += "; " + my_state.memo;
    my_state.memo = cut_utf8(memo, kMemoMaxBytes);
    my_state.clock_changed_before_check_in = false;
    my_state.clock_changed_before_check_out = false;
    put_flag(my_services.settings, kTci, false);
    put_flag(my_services.settings, kTco, false);
    my_services.settings.flush();
}

bool SessionEngine::adjust(AdjustMode mode)
{
    long seconds = 0;
    TimeRec time_of_day{};
    if (mode == AdjustMode::IdleAfterCheckOut) {
        // Signed, so a clock set back since that check-out gives a negative time rather than a
        // wrapped-around one of 136 years.
        seconds = static_cast<std::int32_t>(static_cast<std::uint32_t>(my_services.clock.now()) -
                                            my_state.last_check_out_moment);
        time_of_day = my_state.last_check_out_time;
    } else if (mode == AdjustMode::CheckOut || mode == AdjustMode::CheckOutThenIn) {
        seconds = elapsed_seconds();
        time_of_day = my_state.check_in_time;
    }
    long offset = my_state.offset;
    if (!my_services.dialogs.run_adjust_dialog(mode, seconds, time_of_day, offset))
        return false;
    set_offset(static_cast<std::int32_t>(offset));
    return true;
}

bool SessionEngine::EnterMemoNow()
{
    if (!is_checked_in())
        return false;
    const ProjectList& list = *project_list();
    if (!my_memo.AskForMemo(list.current_category(), list.current_project(), MemoPurpose::MemoNow))
        return false;
    write_open_record();
    return true;
}

void SessionEngine::clock_changed()
{
    if (is_checked_in())
        my_state.clock_changed_before_check_out = true;
    else
        my_state.clock_changed_before_check_in = true;
}

void SessionEngine::load_clock_flags()
{
    my_state.clock_changed_before_check_out = get_flag(my_services.settings, kTci);
    my_state.clock_changed_before_check_in = get_flag(my_services.settings, kTco);
}

void SessionEngine::save_clock_flags()
{
    put_flag(my_services.settings, kTci, my_state.clock_changed_before_check_out);
    put_flag(my_services.settings, kTco, my_state.clock_changed_before_check_in);
}

} // namespace velkor
