#pragma once
// The program-wide project list: the one list the window shows, the session checks into and the
// dialogs work on. It is replaced only through this object, which is also the one place that
// decides when its files are written: the remembered memos exactly when the program drops or
// replaces its list (reload, the project editor's OK, exit, a workspace switch), the project
// file and hidden list when the editor's changes are kept. Whoever reads the list asks here each
// time, so nobody holds on to a list that is gone.

#include "core/ProjectList.h"
#include "core/ProjectListStore.h"

#include <functional>
#include <memory>
#include <string>

namespace velkor {

/// Follows a reload: the session engine carries its check-in over to the fresh list, by name.
class ListFollower
{
public:
    virtual ~ListFollower() = default;
    /// fresh is already the program-wide list; old is still alive for the names.
    virtual void list_reloaded(const ProjectList& old, ProjectList& fresh) = 0;
};

class ProgramWideList
{
public:
    /// store reads and writes the files; project_file names the file the next load reads (the
    /// workspace's, which Options and the tutorial replace).
    ProgramWideList(ProjectListStore& store, std::function<std::string()> project_file);
    ProgramWideList(const ProgramWideList&) = delete;
    ProgramWideList& operator=(const ProgramWideList&) = delete;

    /// The list in use, or null before the first load and after a drop.
    ProjectList* get() const { return my_list.get(); }
    /// Changes with every replacement, so that indices taken from one list are not used on another.
    unsigned generation() const { return my_generation; }
    void set_follower(ListFollower* follower) { my_follower = follower; }
    ProjectListStore& store() const { return my_store; }

    /// Writes the remembered memos of the list in use (if any), drops it and reads the list
    /// from the project file; the follower carries the session over. Start-up loads this way too.
    ProjectList& reload();
    /// Writes the remembered memos of the list in use and drops it: the program is switching
    /// workspaces, and the next reload reads the new one.
    void drop();
    /// Writes the remembered memos of the list in use: the program exits.
    StoreResult save_remembered_memos();
    /// The program has ended: the list is dropped, and its remembered memos are written unless
    /// the exit has just written (or tried and reported) these very memos.
    void finish();
    /// Writes the hidden list and the project file of the list in use (a check-in that created
    /// names, the hide/show dialog). Failed: the caller reloads the list.
    [[nodiscard]] StoreResult save();
    /// Writes the hidden list of the list in use alone (the temporary/hidden chooser's "but hide
    /// it"); failures are not reported.
    StoreResult save_hidden_list();

    // The project editor works on a copy that takes the list's place while it is open, so the
    // window shows every change at once.
    /// Puts a copy of the list in use (an empty list when there is none) in its place.
    ProjectList& begin_edit();
    bool editing() const { return my_before_edit != nullptr; }
    /// OK: the copy stays; its project file, hidden list and remembered memos are written.
    /// Failed: the project file could not be written (the user was told); the caller reloads.
    [[nodiscard]] StoreResult keep_edit();
    /// OK of the hide/show dialog: the copy stays and only its hidden list is written; the project
    /// file and the remembered memos are left as they are.
    StoreResult keep_edit_hidden_list();
    /// Cancel: the list of before is back, and no file is touched.
    void cancel_edit();

    /// Puts list in place without reading or writing anything (tests; a list made in memory).
    void adopt(std::unique_ptr<ProjectList> list);

private:
    void replace(std::unique_ptr<ProjectList> list);

    ProjectListStore& my_store;
    std::function<std::string()> my_project_file;
    std::unique_ptr<ProjectList> my_list;
    std::unique_ptr<ProjectList> my_before_edit;
    bool my_had_list_before_edit = false;
    ListFollower* my_follower = nullptr;
    unsigned my_generation = 0;
};

} // namespace velkor
