#include "presentation/ExitRule.h"

namespace velkor {

ExitStep exit_step(bool has_project_list, bool confirm_exit, bool checked_in, int exit_while_checked_in)
{
    if (!has_project_list)
        return confirm_exit ? ExitStep::Confirm : ExitStep::Allow;
    if (!checked_in)
        return ExitStep::Allow;
    switch (exit_while_checked_in) {
    case 0:
        return ExitStep::CheckOut;
    case 2:
        return ExitStep::AskCheckOut;
    case 3:
        return ExitStep::Refuse;
    default:
        return ExitStep::Allow;
    }
}

} // namespace velkor
