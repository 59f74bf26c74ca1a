#pragma once
// What the session engine asks of the user interface beyond plain message boxes: the dialogs it
// opens and the window refreshes it triggers. The Qt layer implements these; tests script them.

#include "core/DazezUrureRecord.h"
#include "core/TimeValues.h"

#include <cstddef>
#include <string>

namespace velkor {

/// Why a memo is asked for; the numbers are the moment codes of the memo request.
enum class MemoPurpose
{
    CheckIn = 0,
    MemoNow = 1,
    CheckOut = 2
};

enum class MemoDialogResult
{
    Ok,
    NoMemo,
    Cancel
};

/// Buttons of the check-out-before-check-in dialog; the numbers are its command ids.
enum class CoBeforeCiChoice
{
    Cancel = 2,
    FixTheTime = 108,
    Discard = 120,
    Save = 121
};

/// Modes of the adjust dialog.
enum class AdjustMode
{
    IdleFirst = 0,
    IdleAfterCheckOut = 1,
    CheckOut = 2,
    CheckOutThenIn = 3
};

/// What the user chose in the crash-guard dialog.
struct RecoveryChoice
{
    enum Kind
    {
        Continue,
        CheckOut,
        CheckOutWithMemo
    } kind = Continue;
    DateRec check_out_date{};
    TimeRec check_out_time{};
};

class SessionDialogs
{
public:
    virtual ~SessionDialogs() = default;

    /// Runs the "Enter Memo" dialog for project (c, p). memo holds the initial text and receives
    /// the entered one; remember and close_after are the flags the dialog shows and updates.
    virtual MemoDialogResult run_memo_dialog(std::size_t c, std::size_t p, std::string& memo, bool& remember,
                                             MemoPurpose purpose, bool& close_after) = 0;

    /// The check-out-before-check-in dialog, told the shortfall in seconds.
    virtual CoBeforeCiChoice run_co_before_ci_dialog(long shortfall_seconds) = 0;

    /// The adjust dialog; on OK stores the offset in seconds and returns true.
    virtual bool run_adjust_dialog(AdjustMode mode, long seconds, const TimeRec& time_of_day, long& offset) = 0;

    /// The crash-guard dialog for a session recovered from the lock file.
    virtual RecoveryChoice run_recovery_dialog(const std::string& category, const std::string& project,
                                               const DateRec& check_in_date, const TimeRec& check_in_time) = 0;
};

/// Window-side effects of session changes; the main window implements them.
class SessionListener
{
public:
    virtual ~SessionListener() = default;
    virtual void update_caption() = 0;
    /// Re-arms the reminder for the current state.
    virtual void start_reminder_timer() = 0;
    /// Runs before each check-in and after each check-out.
    virtual void autobackup_check() = 0;
    /// Stops the once-a-second redraw and forgets the last drawn current line.
    virtual void session_closed() = 0;
    /// The crash record could not be written (RecordFailed or MirrorFailed); the session goes on.
    virtual void crash_record_not_written(RecordWriteResult result) = 0;
};

} // namespace velkor
