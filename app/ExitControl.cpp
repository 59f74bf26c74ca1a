#include "app/ExitControl.h"

#include "app/Application.h"
#include "classlib/SettingsKeys.h"
#include "core/SessionControl.h"
#include "presentation/ExitRule.h"

namespace velkor {

bool ExitControl::QueryClose()
{
    IniFile& settings = my_app.settings();
    settings.flush();
    const bool has_list = my_app.project_list() != nullptr;
    if (has_list)
        (void)my_app.lists().save_remembered_memos(); // a failure has been shown; closing goes on
    SessionControl& session = my_app.session();
    Prompt& prompt = my_app.prompt();
    switch (exit_step(has_list, get_flag(settings, kConfirmExit), session.is_checked_in(),
                      get_int(settings, kExitWhileCheckedIn))) {
    case ExitStep::Allow:
        return true;
    case ExitStep::Confirm:
        return prompt.message("Do you really want to exit?", "Velkor", Buttons::YesNo, Icon::Question) == Answer::Yes;
    case ExitStep::CheckOut:
        // A check-out that did not happen (cancelled, log not written) must not end the program.
        return session.check_out_for_exit();
    case ExitStep::AskCheckOut:
        switch (prompt.message("Velkor is about to exit.\nDo you want to check out of your current project?",
                               "You are still checked in!", Buttons::YesNoCancel, Icon::Question)) {
        case Answer::Yes:
            return session.check_out_for_exit();
        case Answer::No:
            return true;
        default:
            return false;
        }
    case ExitStep::Refuse:
        prompt.message("You must check out of the current project\nbefore Velkor can exit.",
                       "You are still checked in!", Buttons::Ok, Icon::Exclamation);
        return false;
    }
    return true;
}

void ExitControl::ExitCommand()
{
    if (QueryClose())
        my_app.exit_steps();
}

void ExitControl::ExitWithoutCheckingOut()
{
    if (!my_app.session().is_checked_in()) {
        ExitCommand();
        return;
    }
    if (my_app.prompt().message("Are you sure?", "Exit without checking out", Buttons::YesNo, Icon::Question) ==
        Answer::Yes)
        my_app.exit_steps();
}

} // namespace velkor
