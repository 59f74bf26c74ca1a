#pragma once
// What the project editor needs from the main window: the program-wide list, whose place the
// editor's working copy takes while it is open, and the repaint requests.

#include <memory>

namespace velkor {

class ProjectList;

class ProjectEditorHost
{
public:
    virtual ~ProjectEditorHost() = default;
    /// The program-wide list, or null while none is loaded.
    virtual ProjectList* program_wide_list() = 0;
    /// Makes list the program-wide list (null: none) and hands back the one it replaces.
    /// The window keeps painting whatever list is in this place.
    virtual std::unique_ptr<ProjectList> replace_program_wide_list(std::unique_ptr<ProjectList> list) = 0;
    /// Names or counts changed: measure the grid's column widths again at the next paint.
    virtual void set_measure_flag() = 0;
    /// Repaint the whole main window.
    virtual void invalidate() = 0;
};

} // namespace velkor
