#include "core/SessionRecovery.h"

#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "classlib/SettingsValues.h"
#include "core/DazezUrureRecord.h"
#include "core/LogWriter.h"
#include "core/ProjectList.h"
#include "core/SessionEngine.h"
#include "core/TimeValues.h"

namespace velkor {

namespace {

void report_missing(SessionEngine& engine, Prompt& prompt, const DazezUrureData& data)
{
    IniFile& settings = engine.settings();
    int order = read_date_order(settings);
    int time_format = get_int(settings, kTimeFormat);
    std::string text = "The category or project you were checked into no longer exists.\n"
                       "DazezUrure cannot recover this session.  You may wish to jot down\n"
                       "the category and project names and the checkin time, and record this\n"
                       "session later with the Offline Checkin/Checkout feature.\n\nCategory: " +
                       message_excerpt(data.category) + "\nProject: " + message_excerpt(data.project) +
                       "\nChecked in at " + Date(data.check_in_date).Format(order, false) + " " +
                       FormatTimeOfDay(data.check_in_time, time_format);
    prompt.message(text, "DazezUrure error", Buttons::Ok, Icon::Exclamation);
}

} // namespace

RecoveryResult RecoverSession(SessionEngine& engine, Prompt& prompt)
{
    ProjectList* list = engine.project_list();
    DazezUrureData data;
    // An open session is never replaced by one from the record.
    if (!list || engine.is_checked_in() || !engine.record().ReadDazezUrureRecord(data))
        return {};
    SessionState& state = engine.state();
    state.check_in_time = data.check_in_time;
    state.check_in_date = data.check_in_date;
    state.memo = data.memo;
    state.memo_declined = false;
    state.environment = data.environment;

    std::size_t c = list->find_category(data.category);
    std::size_t p = c == NPOS ? NPOS : list->find_project(c, data.project);
    if (p == NPOS) {
        report_missing(engine, prompt, data);
        return {RecoveryOutcome::ProjectMissing, false};
    }

    RecoveryChoice choice =
        engine.dialogs().run_recovery_dialog(data.category, data.project, data.check_in_date, data.check_in_time);
    bool check_out = choice.kind != RecoveryChoice::Continue;
    if (choice.kind == RecoveryChoice::CheckOutWithMemo && !engine.memo().AskForMemo(c, p, MemoPurpose::CheckOut))
        check_out = false;
    if (check_out) {
        state.check_out_date = choice.check_out_date;
        state.check_out_time = choice.check_out_time;
        AppendResult result = AppendResult::Retry;
        while (result == AppendResult::Retry)
            result = engine.log().AppendLogRecord(state.check_in_date, state.check_in_time, state.check_out_date,
                                                  state.check_out_time, c, p, state.memo);
        if (result != AppendResult::Written)
            return {RecoveryOutcome::LogCancelled, false};
        engine.clear_record();
        return {RecoveryOutcome::CheckedOut, false};
    }

    engine.CheckIn(c, p, false, true);
    engine.write_open_record();
    RecoveryResult result{RecoveryOutcome::Continued, false};
    if (!list->is_category_shown(c)) {
        list->set_category_temporarily_shown(c, true);
        result.layout_changed = true;
    }
    if (!list->is_project_shown(c, p)) {
        list->set_project_temporarily_shown(c, p, true);
        result.layout_changed = true;
    }
    return result;
}

} // namespace velkor
