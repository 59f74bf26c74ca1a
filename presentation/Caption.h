#pragma once
// The main window's caption and the notification icon's state: the grand total, the current
// project's name and the window title, as the display settings ask.

#include <cstdint>
#include <string>

namespace velkor {

class ProjectList;

struct CaptionInput
{
    bool show_grand_total = false;
    std::int64_t total_seconds = 0; ///< all projects plus the running session
    bool checked_in = false;
    std::string project_name;
    int title_mode = 0; ///< 0 title always, 1 only while idle, 2 never
    std::string window_title;
};

struct CaptionResult
{
    std::string caption;
    int icon = 2;    ///< notification icon 1 while checked in, else 2
    std::string tip; ///< the project's name, or "(idle)"
};

/// The frame caption and the notification icon's state.
CaptionResult build_caption(const CaptionInput& input);

/// What the caption shows of list (null: none loaded yet) with a session running for
/// elapsed_seconds; the total is summed only when it is shown.
CaptionInput caption_input(const ProjectList* list, std::int64_t elapsed_seconds, bool show_grand_total, int title_mode,
                           const std::string& window_title);

} // namespace velkor
