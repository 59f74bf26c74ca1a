#include "presentation/ClickRules.h"

namespace velkor {

LeftClickPlan plan_left_click(ClickKeys keys, const LeftClickState& state)
{
    LeftClickPlan plan;
    const bool on_current = state.checked_in && state.on_current_project;
    plan.warn_first = on_current && keys.shift && !state.warning_suppressed;
    if (on_current && state.left_click_checks_out) {
        plan.route = LeftClickPlan::Route::RightClick;
        return plan;
    }
    if (state.right_held) {
        const bool refused = state.switches.is_on(LockdownFeature::OfflineEntry);
        plan.route = refused ? LeftClickPlan::Route::Refused : LeftClickPlan::Route::Offline;
        return plan;
    }
    if (keys.ctrl) {
        // 1 refuses Ctrl with either button; 2 refuses Ctrl with the left button while idle.
        const int rule = state.switches.value(LockdownFeature::CtrlClickAdjustment);
        if (rule == 1 || (rule == 2 && !state.checked_in)) {
            plan.route = LeftClickPlan::Route::Refused;
            return plan;
        }
        plan.adjust = state.checked_in           ? AdjustMode::CheckOutThenIn
                      : state.has_last_check_out ? AdjustMode::IdleAfterCheckOut
                                                 : AdjustMode::IdleFirst;
    }
    plan.check_out_first = state.checked_in;
    plan.force_check_out_memo = keys.shift && state.memo_mode == AskMemoMode::EveryCheckIn;
    plan.check_in_memo_request = keys.shift;
    return plan;
}

LeftClickEnd finish_left_click(bool checked_out, bool checked_in, bool exit_on_checkin, bool close_on_select)
{
    LeftClickEnd end;
    if (checked_in && exit_on_checkin) {
        end.exit = true;
        return end;
    }
    end.minimize = checked_in && close_on_select;
    end.draw_now = (checked_out && !end.minimize) || (checked_in && !close_on_select);
    return end;
}

RightClickPlan plan_right_click(ClickKeys keys, bool checked_in, LockdownSwitches switches)
{
    RightClickPlan plan;
    if (!checked_in)
        return plan;
    if (keys.ctrl && switches.value(LockdownFeature::CtrlClickAdjustment) != 0) {
        plan.route = RightClickPlan::Route::Refused;
        return plan;
    }
    plan.route = RightClickPlan::Route::CheckOut;
    plan.adjust = keys.ctrl;
    plan.memo_request = keys.shift;
    return plan;
}

} // namespace velkor
