#include "presentation/ClickRules.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

using Route = LeftClickPlan::Route;

LeftClickState checked_in_on_current()
{
    LeftClickState state;
    state.checked_in = true;
    state.on_current_project = true;
    return state;
}

const ClickKeys kShift{true, false};
const ClickKeys kCtrl{false, true};

LockdownSwitches ctrl_rule(int value)
{
    return LockdownSwitches{}.with_master(true).with(LockdownFeature::CtrlClickAdjustment, value);
}

} // namespace

TEST(ClickRules, AClickOnAnotherProjectChecksOutThenIn)
{
    LeftClickState state;
    state.checked_in = true;
    const LeftClickPlan plan = plan_left_click({}, state);
    EXPECT_FALSE(plan.warn_first);
    EXPECT_EQ(plan.route, Route::CheckOutAndIn);
    EXPECT_TRUE(plan.check_out_first);
    EXPECT_FALSE(plan.adjust.has_value());
    EXPECT_FALSE(plan.force_check_out_memo || plan.check_in_memo_request);

    state.checked_in = false;
    EXPECT_FALSE(plan_left_click({}, state).check_out_first);
}

TEST(ClickRules, ShiftOnTheCurrentProjectWarnsUnlessSuppressed)
{
    LeftClickState state = checked_in_on_current();
    EXPECT_TRUE(plan_left_click(kShift, state).warn_first);
    EXPECT_FALSE(plan_left_click({}, state).warn_first);
    state.warning_suppressed = true;
    EXPECT_FALSE(plan_left_click(kShift, state).warn_first);
    // The current project of a list nobody is checked into does not count.
    state = checked_in_on_current();
    state.checked_in = false;
    EXPECT_FALSE(plan_left_click(kShift, state).warn_first);
}

TEST(ClickRules, LeftClickCheckOutMakesTheCurrentProjectARightClickAfterTheWarning)
{
    LeftClickState state = checked_in_on_current();
    state.left_click_checks_out = true;
    const LeftClickPlan plan = plan_left_click(kShift, state);
    EXPECT_TRUE(plan.warn_first);
    EXPECT_EQ(plan.route, Route::RightClick);
    state.on_current_project = false;
    EXPECT_EQ(plan_left_click(kShift, state).route, Route::CheckOutAndIn);
}

TEST(ClickRules, ShiftAsksForTheCheckInMemoAndForcesTheCheckOutMemoOnlyInCheckInMode)
{
    LeftClickState state;
    state.checked_in = true;
    EXPECT_TRUE(plan_left_click(kShift, state).check_in_memo_request);
    EXPECT_FALSE(plan_left_click(kShift, state).force_check_out_memo);
    state.memo_mode = AskMemoMode::EveryCheckIn;
    EXPECT_TRUE(plan_left_click(kShift, state).force_check_out_memo);
    EXPECT_FALSE(plan_left_click({}, state).force_check_out_memo);
    state.memo_mode = AskMemoMode::EveryCheckOut;
    EXPECT_FALSE(plan_left_click(kShift, state).force_check_out_memo);
}

TEST(ClickRules, RightButtonHeldOpensTheOfflineDialogUnlessLockedDown)
{
    LeftClickState state;
    state.right_held = true;
    EXPECT_EQ(plan_left_click(kCtrl, state).route, Route::Offline);
    state.switches = LockdownSwitches{}.with_master(true).with(LockdownFeature::OfflineEntry, 1);
    EXPECT_EQ(plan_left_click({}, state).route, Route::Refused);
}

TEST(ClickRules, CtrlChoosesTheAdjustModeFromTheSession)
{
    LeftClickState state;
    EXPECT_EQ(plan_left_click(kCtrl, state).adjust, AdjustMode::IdleFirst);
    state.has_last_check_out = true;
    EXPECT_EQ(plan_left_click(kCtrl, state).adjust, AdjustMode::IdleAfterCheckOut);
    state.checked_in = true;
    EXPECT_EQ(plan_left_click(kCtrl, state).adjust, AdjustMode::CheckOutThenIn);
    EXPECT_FALSE(plan_left_click({}, state).adjust.has_value());
}

TEST(ClickRules, TheCtrlLockdownRuleRefusesByButtonAndSession)
{
    LeftClickState idle;
    LeftClickState busy;
    busy.checked_in = true;
    // 1: Ctrl with either button.
    idle.switches = busy.switches = ctrl_rule(1);
    EXPECT_EQ(plan_left_click(kCtrl, idle).route, Route::Refused);
    EXPECT_EQ(plan_left_click(kCtrl, busy).route, Route::Refused);
    EXPECT_EQ(plan_right_click(kCtrl, true, ctrl_rule(1)).route, RightClickPlan::Route::Refused);
    // 2: the left button only while idle, the right button always.
    idle.switches = busy.switches = ctrl_rule(2);
    EXPECT_EQ(plan_left_click(kCtrl, idle).route, Route::Refused);
    EXPECT_EQ(plan_left_click(kCtrl, busy).route, Route::CheckOutAndIn);
    EXPECT_EQ(plan_right_click(kCtrl, true, ctrl_rule(2)).route, RightClickPlan::Route::Refused);
    // Without Ctrl nothing is refused; with the master switch off nothing at all.
    EXPECT_EQ(plan_left_click({}, idle).route, Route::CheckOutAndIn);
    idle.switches = ctrl_rule(1).with_master(false);
    EXPECT_EQ(plan_left_click(kCtrl, idle).route, Route::CheckOutAndIn);
}

TEST(ClickRules, RightClickChecksOutOnlyWhileCheckedIn)
{
    EXPECT_EQ(plan_right_click(kShift, false).route, RightClickPlan::Route::Ignored);
    const RightClickPlan plan = plan_right_click(ClickKeys{true, true}, true);
    EXPECT_EQ(plan.route, RightClickPlan::Route::CheckOut);
    EXPECT_TRUE(plan.adjust);
    EXPECT_TRUE(plan.memo_request);
    EXPECT_FALSE(plan_right_click({}, true).adjust);
}

TEST(ClickRules, AfterTheCheckInTheSettingsDecideBetweenExitMinimizeAndDrawing)
{
    // checked_out, checked_in, ExitOnCheckin, CloseOnSelect
    const LeftClickEnd exit = finish_left_click(true, true, true, true);
    EXPECT_TRUE(exit.exit);
    EXPECT_FALSE(exit.minimize || exit.draw_now);

    const LeftClickEnd minimized = finish_left_click(true, true, false, true);
    EXPECT_TRUE(minimized.minimize);
    EXPECT_FALSE(minimized.draw_now) << "a minimized window is not drawn at once";

    const LeftClickEnd shown = finish_left_click(false, true, false, false);
    EXPECT_FALSE(shown.minimize);
    EXPECT_TRUE(shown.draw_now);

    // The check-in did not happen: only a check-out is drawn, and nothing exits or minimizes.
    const LeftClickEnd failed = finish_left_click(true, false, true, true);
    EXPECT_FALSE(failed.exit || failed.minimize);
    EXPECT_TRUE(failed.draw_now);
    EXPECT_FALSE(finish_left_click(false, false, false, false).draw_now);
}
