#pragma once
// The session engine: the one open session, checking in and out, the check-out record, the
// check-out-before-check-in choices, clock-change flags and the project-list reload rule.

#include "core/Clock.h"
#include "core/LockdownSwitches.h"
#include "core/LogWriter.h"
#include "core/MemoRequest.h"
#include "core/ProgramWideList.h"
#include "core/SessionControl.h"
#include "core/SessionState.h"
#include "core/SessionUi.h"

#include <cstddef>
#include <functional>
#include <string>

namespace velkor {

class DazezUrureRecord;
class IniFile;
class ProjectList;

/// What a check-out does with the session: write its record, or end it without one.
enum class CheckOutAction
{
    Record,
    Drop,
};

/// The first lines of the check-out-before-check-in dialog for a shortfall in seconds,
/// told in its largest whole unit ("You are trying to check out 2 minutes before ...").
std::string CoBeforeCiPrompt(long shortfall_seconds);

/// What the engine works with; everything is owned elsewhere and outlives the engine.
struct SessionServices
{
    const Clock& clock;
    IniFile& settings;
    SessionDialogs& dialogs;
    SessionListener& listener;
    /// The program-wide list; the engine follows its reloads.
    ProgramWideList& lists;
    LogWriter& log;
    DazezUrureRecord& record;
    /// The required-variable check: rebuilds the environment string, or shows its message and returns false.
    std::function<bool(std::string& environment)> check_environment;
    LockdownSwitches switches = kLockdownSwitches;
};

class SessionEngine : public SessionControl, public ListFollower
{
public:
    /// Follows the reloads of services.lists until it is destroyed.
    explicit SessionEngine(SessionServices services);
    ~SessionEngine() override;
    SessionEngine(const SessionEngine&) = delete;
    SessionEngine& operator=(const SessionEngine&) = delete;

    /// The program-wide list, or null while none is loaded.
    ProjectList* project_list() const { return my_services.lists.get(); }
    /// A list read again from the project file: the open session survives only when its category
    /// and project names both exist in it; otherwise it ends without a record.
    void list_reloaded(const ProjectList& old, ProjectList& fresh) override;

    SessionState& state() { return my_state; }
    const SessionState& state() const { return my_state; }
    MemoRequest& memo() { return my_memo; }

    /// Opens a session on (c, p); true when it is open. Resume (crash recovery) keeps the
    /// check-in moment in the state and only makes the project current.
    bool CheckIn(std::size_t c, std::size_t p, bool shift, bool resume = false);
    /// Closes the open session, recording it or not; true when it is closed.
    bool CheckOut(bool memo_by_shift, CheckOutAction action = CheckOutAction::Record);
    /// Asks for the memo if due, adds the clock-change markers where switched on and appends the
    /// record; Cancel also when the memo dialog was cancelled.
    [[nodiscard]] AppendResult WriteCheckoutRecord(std::size_t c, std::size_t p, bool shift);

    /// Runs the adjust dialog for the state at hand; on OK the offset applies to this click or command.
    bool adjust(AdjustMode mode);
    void set_offset(std::int32_t seconds)
    {
        my_state.offset = seconds;
        my_state.offset_active = true;
    }
    /// Called after every click or command, whether or not it checked in or out.
    void reset_offset() { my_state.offset_active = false; }

    /// "Enter memo now": asks for the running session's memo and keeps it in the crash record.
    /// True when the memo dialog was not cancelled.
    bool EnterMemoNow();

    /// The system clock was changed: remembered for the next check-out record.
    void clock_changed() override;
    /// Reads the clock flags from `Tci` (changed while checked in) and `Tco` (while idle).
    void load_clock_flags() override;
    /// Writes them back (the exit steps).
    void save_clock_flags() override;

    /// Seconds the open session has run.
    long elapsed_seconds() const;
    /// Writes the crash record for the open session (state 1).
    void write_open_record();
    /// Clears the crash record: no session open.
    void clear_record();
    /// The effective hourly rate of (c, p).
    int rate_of(std::size_t c, std::size_t p) const;

    bool is_checked_in() const override;
    bool check_out_for_exit() override;

    DazezUrureRecord& record() { return my_services.record; }
    LogWriter& log() { return my_services.log; }
    SessionDialogs& dialogs() { return my_services.dialogs; }
    SessionListener& listener() { return my_services.listener; }
    const Clock& clock() const { return my_services.clock; }
    IniFile& settings() { return my_services.settings; }

private:
    /// Resolves a check-out that would fall before the check-in; false when the session stays open.
    bool resolve_shortfall(long& elapsed, CheckOutAction& action);
    void add_clock_markers();
    /// Hands a failed write of the crash record to the listener.
    void record_written(RecordWriteResult result);
    void end_session();

    SessionServices my_services;
    SessionState my_state;
    MemoRequest my_memo;
};

} // namespace velkor
