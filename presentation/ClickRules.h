#pragma once
// What a mouse click on the main window's grid does, decided from the buttons and keys held and
// the state of the session, before any step runs. The window runs the steps in order; each may
// still stop the click (a No to the warning, a cancelled dialog, a check-out that did not happen).

#include "core/LockdownSwitches.h"
#include "core/MemoRequest.h"
#include "core/SessionUi.h"

#include <optional>

namespace velkor {

/// The keys held during a click.
struct ClickKeys
{
    bool shift = false;
    bool ctrl = false;
};

/// What a left click on a project line needs to know besides the keys.
struct LeftClickState
{
    bool right_held = false; ///< the right button is down as well
    bool checked_in = false;
    bool on_current_project = false;    ///< the line clicked is the project checked into
    bool warning_suppressed = false;    ///< `SupressLCCPWarning`
    bool left_click_checks_out = false; ///< `LeftClickCheckOut`
    bool has_last_check_out = false;    ///< a check-out moment of this run is known
    AskMemoMode memo_mode = AskMemoMode::ShiftOnly;
    LockdownSwitches switches = kLockdownSwitches;
};

struct LeftClickPlan
{
    /// Where the click leads once the warning (if any) was answered Yes.
    enum class Route
    {
        RightClick,    ///< `LeftClickCheckOut` on the current project: a right click instead
        Offline,       ///< the offline check-in/check-out dialog for the project
        Refused,       ///< a lockdown switch forbids it: the refusal message and nothing else
        CheckOutAndIn, ///< the usual: (check out, then) check in to the project
    };

    /// Show the "PLEASE NOTE:" question first; anything but Yes ends the click.
    bool warn_first = false;
    Route route = Route::CheckOutAndIn;
    /// Run the adjust dialog in this mode first (Ctrl); Cancel ends the click.
    std::optional<AdjustMode> adjust;
    /// Check out of the current project first; a check-out that does not happen ends the click.
    bool check_out_first = false;
    /// The memo question at that check-out is forced (Shift with memo mode "every check-in").
    bool force_check_out_memo = false;
    /// The Shift request passed on to the check-in's memo question.
    bool check_in_memo_request = false;
};

LeftClickPlan plan_left_click(ClickKeys keys, const LeftClickState& state);

/// What ends a left click after its check-in (or the attempt).
struct LeftClickEnd
{
    bool exit = false;     ///< `ExitOnCheckin`: the exit steps run, nothing else
    bool minimize = false; ///< `CloseOnSelect`: stop the line refresh, redraw in full later, minimize
    bool draw_now = false; ///< draw the grid at once
};

LeftClickEnd finish_left_click(bool checked_out, bool checked_in, bool exit_on_checkin, bool close_on_select);

struct RightClickPlan
{
    enum class Route
    {
        Ignored,  ///< not checked in: a right click does nothing
        Refused,  ///< Ctrl under lockdown: the refusal message and nothing else
        CheckOut, ///< (adjust, then) check out and draw the grid at once
    };
    Route route = Route::Ignored;
    /// Run the adjust dialog (its check-out mode) first; Cancel ends the click.
    bool adjust = false;
    bool memo_request = false; ///< Shift, passed on to the check-out's memo question
};

RightClickPlan plan_right_click(ClickKeys keys, bool checked_in, LockdownSwitches switches = kLockdownSwitches);

} // namespace velkor
