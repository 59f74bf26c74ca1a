#pragma once
// The main window's ways to what the grid does not show: the hide/show dialog (Projects menu),
// the temporary/hidden chooser behind a category header (a left click, or F4 for a note), and
// notes (F4 over a project).

#include "presentation/ShownItems.h"

#include <QPoint>

#include <cstddef>
#include <optional>

namespace velkor {

class Application;
class MainVKWindow;
class WindowChrome;

/// The hide/show dialog, unless the user is checked into an item that its clean-up would take
/// away (then a message says so).
void run_hide_show(Application& app, MainVKWindow& window);

/// Runs the temporary/hidden chooser for category c. On OK, saved new names are written to the
/// project file and the grid is measured again. The chosen project; nothing on Cancel, or when
/// the new names could not be written (the list is then read again from the file).
std::optional<ListHit> choose_temporary_or_hidden(Application& app, MainVKWindow& window, std::size_t c,
                                                  bool check_in_mode);

/// F4 with the mouse at point (client coordinates): a note for the project under it, or for one
/// chosen from the header under it; the note is appended to the log.
void enter_note(Application& app, MainVKWindow& window, WindowChrome& chrome, QPoint point);

} // namespace velkor
