#pragma once
// The rules of the hide/show dialog, on its working copy of the list: the clean-up of what the
// temporary/hidden chooser left behind, the "S:" and "H:" entries of its two lists, the radios
// that tell the state of a selection, and Show and Hide with the refusals that keep the
// checked-in project on the grid. The dialog keeps the selections and shows what the model says.
//
// Entry k of the category list stands for the k-th category that is not temporary; entry k of
// the project list for the k-th project of that category that is not temporary.

#include "base/Prompt.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velkor {

class ProjectList;

/// Which radio of a Show/Hide pair is checked for a selection.
enum class ShowHideRadio
{
    Neither, ///< nothing selected, or shown and hidden items mixed
    Show,
    Hide,
};

/// Deletes the temporary projects, then each temporary category left without projects, and
/// clears every temporarily-shown mark (a hidden item is hidden again). True when anything changed.
bool clean_up_temporary_items(ProjectList& list);

/// True while the checked-in project, or its category, is temporary or temporarily shown: the
/// clean-up would take it off the grid, so the hide/show dialog must not open.
bool checked_into_temporary_item(const ProjectList& list);

class HideShowModel
{
public:
    /// Works on list (the dialog's copy, cleaned up) and tells refusals through prompt.
    HideShowModel(ProjectList& list, Prompt& prompt);

    /// "S:   " or "H:   " followed by the name, one per category entry.
    std::vector<std::string> category_entries() const;
    /// The same for the projects of category entry `category`.
    std::vector<std::string> project_entries(std::size_t category) const;

    ShowHideRadio category_radio(const std::vector<std::size_t>& selected) const;
    ShowHideRadio project_radio(std::size_t category, const std::vector<std::size_t>& selected) const;

    /// The project list is in use only while exactly one category entry is selected.
    static bool projects_available(const std::vector<std::size_t>& selected_categories)
    {
        return selected_categories.size() == 1;
    }
    /// Caption of the projects group box for the selected category entries.
    std::string projects_caption(const std::vector<std::size_t>& selected_categories) const;

    /// Shows or hides the selected categories; hiding the current project's category is refused
    /// as a whole (false, after the message).
    bool show_categories(const std::vector<std::size_t>& selected, bool show);
    /// Shows or hides the selected projects of category entry `category`; hiding the current
    /// project is refused as a whole (false, after the message).
    bool show_projects(std::size_t category, const std::vector<std::size_t>& selected, bool show);

    /// List index of category entry k.
    std::size_t category_index(std::size_t k) const;
    /// List index (within category entry `category`) of project entry k.
    std::size_t project_index(std::size_t category, std::size_t k) const;

private:
    void refuse(const char* text);

    ProjectList& my_list;
    Prompt& my_prompt;
};

} // namespace velkor
