#pragma once
// Whether the program may close, and what has to happen first: the rule of the close query
// behind Exit and the frame's close box.

namespace velkor {

enum class ExitStep
{
    Allow,       ///< close now
    Confirm,     ///< ask "Do you really want to exit?"; Yes closes
    CheckOut,    ///< check out first; close only when the check-out happened
    AskCheckOut, ///< ask whether to check out: Yes checks out first, No closes, Cancel stays
    Refuse,      ///< tell the user to check out first, and stay
};

/// The step for the state at hand. Without a project list only `ConfirmExit` counts; with one,
/// only a running session asks anything, as `ExitWhileCheckedIn` says (0 check out, 1 close,
/// 2 ask, 3 refuse; any other value closes).
ExitStep exit_step(bool has_project_list, bool confirm_exit, bool checked_in, int exit_while_checked_in);

} // namespace velkor
