#pragma once
// The rules of the project editor, on its working copy of the list: the names it accepts, the
// guards that keep the checked-in project where it is, moves that skip hidden neighbours, the
// project it remembers as selected in each category, and Copy Cat, whose source category is
// followed while categories are deleted, moved and sorted. Refusals and questions go through
// the prompt; the dialog only runs the name dialogs and shows what the model holds.

#include "base/Prompt.h"
#include "core/ProjectList.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velkor {

class ProjectEditorModel
{
public:
    /// Works on list (the editor's copy) and asks through prompt; both outlive the model.
    ProjectEditorModel(ProjectList& list, Prompt& prompt);

    const ProjectList& list() const { return my_list; }

    // Names: trimmed, then refused (with a message) when blank, holding a TAB or line break, or
    // taken. The accepted name, or nothing after a refusal.
    std::optional<std::string> accept_category_name(const std::string& typed);
    std::optional<std::string> accept_project_name(std::size_t c, const std::string& typed);

    // Categories. c is a valid index unless said otherwise.
    /// Adds a category at the end and returns its index.
    std::size_t add_category(const std::string& name);
    /// False (after telling the user) for the category of the current project.
    bool may_rename_category(std::size_t c);
    void rename_category(std::size_t c, const std::string& name);
    /// Deletes c unless it holds the current project (refused); true when deleted.
    bool delete_category(std::size_t c);
    /// Moves c one place up (step -1) or down (1); a shown category skips hidden ones. The index it
    /// ends at (c when it cannot move).
    std::size_t move_category(std::size_t c, int step);
    void sort_categories();
    /// Hides or shows c; hiding the category of the current project is refused (false).
    bool set_category_hidden(std::size_t c, bool hidden);

    // Projects of category c.
    /// Adds name to c, or to every category that lacks it when to_all; temporary categories take none.
    void add_project(std::size_t c, const std::string& name, bool to_all);
    /// False (after telling the user) for the current project.
    bool may_rename_project(std::size_t c, std::size_t p);
    void rename_project(std::size_t c, std::size_t p, const std::string& name);
    bool delete_project(std::size_t c, std::size_t p);
    std::size_t move_project(std::size_t c, std::size_t p, int step);
    void sort_projects(std::size_t c);
    bool set_project_hidden(std::size_t c, std::size_t p, bool hidden);

    /// The project to select when category c is shown (within its projects, when it has any).
    std::size_t selected_project(std::size_t c);
    void select_project(std::size_t c, std::size_t p);

    /// What a click on Copy Cat did.
    enum class CopyCat
    {
        Nothing, ///< refused or cancelled
        Started, ///< c is the source; the next click copies into the category selected then
        Copied,  ///< the source's projects that c lacked were added to c
    };
    /// A click on Copy Cat with category c selected (NPOS: none).
    CopyCat copy_cat(std::size_t c);
    bool copy_pending() const { return my_copy_pending; }
    std::size_t copy_source() const { return my_copy_source; }

private:
    void refuse(const std::string& text, const std::string& caption);
    std::size_t& remembered(std::size_t c);
    bool is_current_category(std::size_t c) const;

    ProjectList& my_list;
    Prompt& my_prompt;
    std::vector<std::size_t> my_selected; ///< last selected project per category
    bool my_copy_pending = false;
    std::size_t my_copy_source = 0;
};

} // namespace velkor
