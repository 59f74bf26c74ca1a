#pragma once
// The dialogs the session engine opens, shown as Qt dialogs over the main window.

#include "core/SessionUi.h"

class QWidget;

namespace velkor {

class Clock;
class IniFile;
class ProgramWideList;
class Prompt;

class QtSessionDialogs : public SessionDialogs
{
public:
    /// The memo dialogs work on the list lists holds at the time.
    QtSessionDialogs(IniFile& settings, Prompt& prompt, const Clock& clock, const ProgramWideList& lists,
                     QWidget* parent = nullptr)
        : my_settings(settings), my_prompt(prompt), my_clock(clock), my_lists(lists), my_parent(parent)
    {
    }

    void set_parent(QWidget* parent) { my_parent = parent; }

    MemoDialogResult run_memo_dialog(std::size_t c, std::size_t p, std::string& memo, bool& remember,
                                     MemoPurpose purpose, bool& close_after) override;
    CoBeforeCiChoice run_co_before_ci_dialog(long shortfall_seconds) override;
    bool run_adjust_dialog(AdjustMode mode, long seconds, const TimeRec& time_of_day, long& offset) override;
    RecoveryChoice run_recovery_dialog(const std::string& category, const std::string& project,
                                       const DateRec& check_in_date, const TimeRec& check_in_time) override;

private:
    IniFile& my_settings;
    Prompt& my_prompt;
    const Clock& my_clock;
    const ProgramWideList& my_lists;
    QWidget* my_parent;
};

} // namespace velkor
