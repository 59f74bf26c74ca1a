#pragma once
// What the exit rules need from the session engine: whether a session is open, and a check-out
// on the way out. The session engine implements it; the shell asks through it.

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
};

} // namespace velkor
