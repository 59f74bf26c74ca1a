#pragma once
// DazezUrure recovery at start-up: a session left open by a crash or an exit while checked in is
// offered back, to be continued or checked out at a time the user gives.

namespace velkor {

class Prompt;
class SessionEngine;

enum class RecoveryOutcome
{
    NothingToRecover, ///< no record, state 0, or a damaged record
    AlreadyRecorded,  ///< the session stands at the end of the log already: the record is reset, nothing offered
    ProjectMissing,   ///< the record names a category or project that is gone; the record is kept
    CheckedOut,       ///< the session was written to the log and the record cleared
    LogCancelled,     ///< the log write was cancelled: the record is kept for the next start, the program stays idle
    Continued,        ///< the session is open again with its old check-in moment
};

struct RecoveryResult
{
    RecoveryOutcome outcome = RecoveryOutcome::NothingToRecover;
    /// A hidden category or project was shown for the time being: the grid must rebuild its layout.
    bool layout_changed = false;
};

/// Reads the crash record and acts on it. Call once the project list is loaded and scanned.
RecoveryResult RecoverSession(SessionEngine& engine, Prompt& prompt);

} // namespace velkor
