#include "app/QtSessionDialogs.h"

#include "core/Assert.h"
#include "core/ProgramWideList.h"
#include "core/SessionEngine.h"
#include "dialogs/AdjustDialog.h"
#include "dialogs/CoBeforeCiDialog.h"
#include "dialogs/MemoInputDialog.h"
#include "dialogs/VKGDialog.h"

namespace velkor {

MemoDialogResult QtSessionDialogs::run_memo_dialog(std::size_t c, std::size_t p, std::string& memo, bool& remember,
                                                   MemoPurpose purpose, bool& close_after)
{
    ProjectList* list = my_lists.get();
    VELKOR_ASSERT(list != nullptr, "my_list != NULL");
    MemoInputDialog dialog(*list, c, p, memo, remember, purpose, close_after, my_settings, my_prompt, my_parent);
    dialog.exec();
    return dialog.outcome();
}

CoBeforeCiChoice QtSessionDialogs::run_co_before_ci_dialog(long shortfall_seconds)
{
    CoBeforeCiDialog dialog(CoBeforeCiPrompt(shortfall_seconds), my_parent);
    dialog.exec();
    return dialog.choice();
}

bool QtSessionDialogs::run_adjust_dialog(AdjustMode mode, long seconds, const TimeRec& time_of_day, long& offset)
{
    AdjustDialog dialog(mode, seconds, time_of_day, offset, my_settings, my_prompt, my_clock, my_parent);
    return dialog.exec() == QDialog::Accepted;
}

RecoveryChoice QtSessionDialogs::run_recovery_dialog(const std::string& category, const std::string& project,
                                                     const DateRec& check_in_date, const TimeRec& check_in_time)
{
    VKGDialog dialog(category, project, check_in_date, check_in_time, my_settings, my_prompt, my_clock, my_parent);
    dialog.exec();
    return dialog.choice();
}

} // namespace velkor
