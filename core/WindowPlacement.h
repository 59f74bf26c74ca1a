#pragma once
// Where the main window first appears: the stored size and position with their fall-backs,
// fitted to the monitors, and the first show state.

#include "core/Rect.h"

#include <string>
#include <vector>

namespace velkor {

/// The position a minimized window reports; never stored as a real position.
inline constexpr int kMinimizedPosition = -32000;
/// At most this many monitors are looked at.
inline constexpr std::size_t kMaxMonitors = 10;

/// The window rectangle from the WindowSize ("600x400") and WindowPosition ("100 100") texts:
/// a width below 11 becomes 400, a height below 11 becomes 300; an unreadable position or
/// -32000 becomes 50,50. Numbers beyond a million count as unreadable.
Rect read_window_rect(const std::string& size_text, const std::string& position_text);

/// Fits the window to the monitors (the first 10): a window inside one stays put; otherwise it
/// goes to the monitor it overlaps most (centred on the first when it overlaps none), is shrunk
/// toward 90% of that monitor where it is larger, and moved inside it.
Rect fit_to_monitors(Rect window, const std::vector<Rect>& monitors);

enum class ShowState
{
    Hidden,
    Minimized,
    Normal,
    Maximized
};

/// What the system asked the program's first window to do.
enum class ShowRequest
{
    Default,
    Hide,
    Minimize,
    Maximize
};

/// The first show state: a minimize or hide request hides the window when the notification icon
/// is used, else minimizes it; otherwise maximized when window_maximized begins with "y".
ShowState startup_show_state(ShowRequest request, bool use_system_tray, const std::string& window_maximized);

} // namespace velkor
