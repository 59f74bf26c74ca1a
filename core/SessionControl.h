#pragma once
// What the shell needs from the session engine: whether a session is open, a check-out on the
// way out, and the clock-change flags that the time-change notification sets and the exit saves.
// The session engine implements it; the shell asks through it.

namespace velkor {

class SessionControl
{
public:
    virtual ~SessionControl() = default;

    /// True while a project is current (a session is open).
    virtual bool is_checked_in() const = 0;

    /// Checks out of the current project because the program is exiting, with the usual memo
    /// question and log write. Returns true when the session was closed; false when it is still
    /// open (the user cancelled or the log could not be written), so exiting must not go on.
    virtual bool check_out_for_exit() = 0;

    /// The system clock was set: sets the changed-while-checked-in flag when a session is open
    /// (and a project list exists), else the changed-while-idle flag.
    virtual void clock_changed() = 0;
    /// Restores the two flags from `Tci` (while checked in) and `Tco` (while idle).
    virtual void load_clock_flags() = 0;
    /// Puts the two flags as `Tci` and `Tco` (0 or 1); they reach the file at the next flush.
    virtual void save_clock_flags() = 0;

    /// The program is ending without the user (a signal, the end of the desktop session): no log
    /// record is written from now on, so an open session stays open in its crash record.
    virtual void refuse_records() = 0;
};

} // namespace velkor
