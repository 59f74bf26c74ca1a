#pragma once
// What the project editor needs from the main window: the program-wide list, whose place the
// editor's working copy takes while it is open, and the repaint requests.

namespace velkor {

class ProjectList;

class ProjectEditorHost
{
public:
    virtual ~ProjectEditorHost() = default;
    /// Puts a copy of the program-wide list (an empty list when there is none) in its place and
    /// returns it; the window keeps painting whatever list is in that place.
    virtual ProjectList& begin_edit() = 0;
    /// OK: the copy stays, and its project file, hidden list and remembered memos are written.
    virtual void keep_edit() = 0;
    /// Cancel: the list of before is back; no file is touched.
    virtual void cancel_edit() = 0;
    /// Names or counts changed: measure the grid's column widths again at the next paint.
    virtual void set_measure_flag() = 0;
    /// Repaint the whole main window.
    virtual void invalidate() = 0;
};

} // namespace velkor
