#pragma once
// The window that has the focus on the desktop, whichever program it belongs to: remembered
// before a reminder takes the focus, and given the focus back when the user answers Yes.

#include <memory>

namespace velkor {

class ForegroundWindow
{
public:
    virtual ~ForegroundWindow() = default;
    /// Remembers the window that has the focus now.
    virtual void remember() = 0;
    /// Gives the focus back to the window remembered last, if it is still there.
    virtual void give_back() = 0;
};

/// On X11 the root window's _NET_ACTIVE_WINDOW, activated again through the window manager;
/// elsewhere (or without such a window manager) this program's own active window.
std::unique_ptr<ForegroundWindow> make_foreground_window();

} // namespace velkor
