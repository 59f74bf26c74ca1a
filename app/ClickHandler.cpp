#include "app/ClickHandler.h"

#include "app/Application.h"
#include "app/HiddenItemCommands.h"
#include "app/MainVKWindow.h"
#include "app/WindowChrome.h"
#include "classlib/SettingsKeys.h"
#include "core/EnvList.h"
#include "core/SessionEngine.h"
#include "core/VariableLookup.h"
#include "dialogs/OfflineCheckinDialog.h"

#include <QApplication>

#include <utility>

namespace velkor {
namespace {

const char kClickCurrentWarning[] =
    "Left-clicking the current project while holding down the Shift key\nnow works differently than it used "
    "to.\n\nIn previous versions of Velkor, this allowed you to\nenter a memo (or change the memo) for the current "
    "project.\n\nNow, left-clicking the current project checks you out and then\nimmediately checks you back into "
    "the same project.  Holding down\nthe Shift key while doing this allows you to enter a memo for the\nnew "
    "session.\n\nIf you don't want to check out and back in, but you do want to\nenter (or change) the memo on the "
    "current project, you can use\nthe \"Memos>Enter memo now\" menu.\n\n==========\n\nClick Yes if you want to "
    "check out and check back in.\nOtherwise, click No and proceed to the Memos menu.\n\nTo prevent this message "
    "from being shown again, hold down the\nAlt key while clicking Yes or No.  Thank you.";

// Every click ends with the adjustment offset forgotten, however it ended.
class OffsetReset
{
public:
    explicit OffsetReset(SessionEngine& engine) : my_engine(engine) {}
    ~OffsetReset() { my_engine.reset_offset(); }
    OffsetReset(const OffsetReset&) = delete;
    OffsetReset& operator=(const OffsetReset&) = delete;

private:
    SessionEngine& my_engine;
};

} // namespace

void ClickHandler::refuse()
{
    my_app.prompt().message(kLockdownRefusal, "Error", Buttons::Ok, Icon::Exclamation);
}

bool ClickHandler::confirm_click_on_current()
{
    Answer answer = my_app.prompt().message(kClickCurrentWarning, "PLEASE NOTE:", Buttons::YesNo, Icon::None);
    if (QApplication::keyboardModifiers().testFlag(Qt::AltModifier))
        put_flag(my_app.settings(), kSupressLCCPWarning, true);
    return answer == Answer::Yes;
}

void ClickHandler::open_offline_dialog(std::size_t c, std::size_t p)
{
    Application& app = my_app;
    auto environment = [&app] {
        std::string values;
        VariableLookup lookup(app.command_line().arguments());
        // Told about, but recorded all the same: the work was done.
        app.env_list().build_environment_string(lookup, app.prompt(), values, EnvList::MissingRequired::Record);
        return values;
    };
    const OfflineServices services{
        my_app.lists(),    my_engine.log(), environment,       my_engine.memo().remember_flag(),
        my_app.settings(), my_app.prompt(), my_engine.clock(), my_offline_memory};
    OfflineCheckinDialog dialog(services, c, p, &my_window);
    dialog.exec();
}

void ClickHandler::right_button_released()
{
    if (const std::optional<ClickKeys> keys = std::exchange(my_pending_right_click, std::nullopt))
        right_button_down(*keys);
}

void ClickHandler::left_button_down(QPoint point, ClickKeys keys, bool right_held)
{
    // A right button held is part of this click; one let go of unseen has no click left to make.
    my_pending_right_click.reset();
    std::optional<ListHit> hit = my_window.hit_test(point, false);
    if (!hit) {
        // A category header: the project comes from the temporary/hidden chooser.
        std::optional<ListHit> header = my_window.hit_test(point, true);
        if (!header || my_window.busy())
            return;
        hit = choose_temporary_or_hidden(my_app, my_window, header->category, true);
        if (!hit)
            return;
    }
    const ProjectList* list = my_app.project_list();
    if (!list)
        return;
    OffsetReset reset(my_engine);
    IniFile& settings = my_app.settings();

    LeftClickState state;
    state.right_held = right_held;
    state.checked_in = my_engine.is_checked_in();
    state.on_current_project = list->is_current(hit->category, hit->project);
    state.warning_suppressed = get_flag(settings, kSupressLCCPWarning);
    state.left_click_checks_out = get_flag(settings, kLeftClickCheckOut);
    state.has_last_check_out = my_engine.state().last_check_out_moment != 0;
    state.memo_mode = my_engine.memo().ask_memo_mode();
    const LeftClickPlan plan = plan_left_click(keys, state);

    if (plan.warn_first && !confirm_click_on_current())
        return;
    switch (plan.route) {
    case LeftClickPlan::Route::RightClick:
        right_button_down(keys);
        return;
    case LeftClickPlan::Route::Refused:
        refuse();
        return;
    case LeftClickPlan::Route::Offline:
        open_offline_dialog(hit->category, hit->project);
        return;
    case LeftClickPlan::Route::CheckOutAndIn:
        break;
    }
    if (plan.adjust && !my_engine.adjust(*plan.adjust))
        return;
    bool checked_out = false;
    if (plan.check_out_first && my_engine.is_checked_in()) {
        if (!my_engine.CheckOut(plan.force_check_out_memo))
            return;
        checked_out = true;
    }

    const bool checked_in = my_engine.CheckIn(hit->category, hit->project, plan.check_in_memo_request);
    const LeftClickEnd end =
        finish_left_click(checked_out, checked_in, get_flag(settings, kExitOnCheckin), my_app.close_on_select());
    if (end.exit) {
        my_app.exit_steps();
        return;
    }
    if (end.minimize) {
        my_window.stop_refresh();
        my_window.set_full_redraw();
        my_chrome.minimize_after_action();
    }
    if (end.draw_now)
        my_window.draw_grid_now();
}

void ClickHandler::right_button_down(ClickKeys keys)
{
    const RightClickPlan plan = plan_right_click(keys, my_engine.is_checked_in());
    switch (plan.route) {
    case RightClickPlan::Route::Ignored:
        return;
    case RightClickPlan::Route::Refused:
        refuse();
        return;
    case RightClickPlan::Route::CheckOut:
        break;
    }
    OffsetReset reset(my_engine);
    if (plan.adjust && !my_engine.adjust(AdjustMode::CheckOut))
        return;
    my_engine.CheckOut(plan.memo_request);
    my_window.draw_grid_now();
}

} // namespace velkor
