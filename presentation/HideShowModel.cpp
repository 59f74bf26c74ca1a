#include "presentation/HideShowModel.h"

#include "core/Assert.h"
#include "core/ProjectList.h"

#include <algorithm>

namespace velkor {
namespace {

std::string entry(bool shown, const std::string& name)
{
    return (shown ? "S:   " : "H:   ") + name;
}

// Show when every item is displayed, Hide when none is, else (or for none) Neither.
template <typename Displayed> ShowHideRadio radio_for(const std::vector<std::size_t>& selected, Displayed displayed)
{
    if (selected.empty())
        return ShowHideRadio::Neither;
    const auto n = std::count_if(selected.begin(), selected.end(), displayed);
    if (n == static_cast<std::ptrdiff_t>(selected.size()))
        return ShowHideRadio::Show;
    return n == 0 ? ShowHideRadio::Hide : ShowHideRadio::Neither;
}

} // namespace

bool clean_up_temporary_items(ProjectList& list)
{
    bool changed = false;
    for (std::size_t c = 0; c < list.n_categories();) {
        for (std::size_t p = 0; p < list.n_projects(c);) {
            if (list.is_project_temporary(c, p)) {
                list.delete_project(c, p);
                changed = true;
                continue;
            }
            if (list.is_project_temporarily_shown(c, p)) {
                list.set_project_temporarily_shown(c, p, false);
                changed = true;
            }
            ++p;
        }
        if (list.is_category_temporary(c) && list.n_projects(c) == 0) {
            list.delete_category(c);
            changed = true;
            continue;
        }
        if (list.is_category_temporarily_shown(c)) {
            list.set_category_temporarily_shown(c, false);
            changed = true;
        }
        ++c;
    }
    return changed;
}

bool checked_into_temporary_item(const ProjectList& list)
{
    if (!list.is_current_project())
        return false;
    const std::size_t c = list.current_category();
    const std::size_t p = list.current_project();
    return list.is_category_temporary(c) || list.is_category_temporarily_shown(c) || list.is_project_temporary(c, p) ||
           list.is_project_temporarily_shown(c, p);
}

HideShowModel::HideShowModel(ProjectList& list, Prompt& prompt) : my_list(list), my_prompt(prompt) {}

std::size_t HideShowModel::category_index(std::size_t k) const
{
    for (std::size_t c = 0; c < my_list.n_categories(); ++c) {
        if (!my_list.is_category_temporary(c) && k-- == 0)
            return c;
    }
    VELKOR_ASSERT(false, "k < number of category entries");
    return NPOS;
}

std::size_t HideShowModel::project_index(std::size_t category, std::size_t k) const
{
    const std::size_t c = category_index(category);
    for (std::size_t p = 0; p < my_list.n_projects(c); ++p) {
        if (!my_list.is_project_temporary(c, p) && k-- == 0)
            return p;
    }
    VELKOR_ASSERT(false, "k < number of project entries");
    return NPOS;
}

std::vector<std::string> HideShowModel::category_entries() const
{
    std::vector<std::string> entries;
    for (std::size_t c = 0; c < my_list.n_categories(); ++c) {
        if (!my_list.is_category_temporary(c))
            entries.push_back(entry(my_list.is_category_shown(c), my_list.category_name(c)));
    }
    return entries;
}

std::vector<std::string> HideShowModel::project_entries(std::size_t category) const
{
    const std::size_t c = category_index(category);
    std::vector<std::string> entries;
    for (std::size_t p = 0; p < my_list.n_projects(c); ++p) {
        if (!my_list.is_project_temporary(c, p))
            entries.push_back(entry(my_list.is_project_shown(c, p), my_list.project_name(c, p)));
    }
    return entries;
}

ShowHideRadio HideShowModel::category_radio(const std::vector<std::size_t>& selected) const
{
    return radio_for(selected, [this](std::size_t k) { return my_list.is_category_displayed(category_index(k)); });
}

ShowHideRadio HideShowModel::project_radio(std::size_t category, const std::vector<std::size_t>& selected) const
{
    const std::size_t c = category_index(category);
    return radio_for(selected,
                     [&](std::size_t k) { return my_list.is_project_displayed(c, project_index(category, k)); });
}

std::string HideShowModel::projects_caption(const std::vector<std::size_t>& selected_categories) const
{
    if (selected_categories.empty())
        return "No category selected";
    if (!projects_available(selected_categories))
        return "Multiple categories selected";
    return "Projects in " + my_list.category_name(category_index(selected_categories.front()));
}

void HideShowModel::refuse(const char* text)
{
    my_prompt.message(text, "Velkor", Buttons::Ok, Icon::Exclamation);
}

bool HideShowModel::show_categories(const std::vector<std::size_t>& selected, bool show)
{
    if (!show && my_list.is_current_project()) {
        const std::size_t current = my_list.current_category();
        if (std::any_of(selected.begin(), selected.end(),
                        [&](std::size_t k) { return category_index(k) == current; })) {
            refuse("Sorry, you cannot hide the current category.");
            return false;
        }
    }
    for (std::size_t k : selected)
        my_list.set_category_shown(category_index(k), show);
    return true;
}

bool HideShowModel::show_projects(std::size_t category, const std::vector<std::size_t>& selected, bool show)
{
    const std::size_t c = category_index(category);
    if (!show && my_list.is_current_project() && my_list.current_category() == c) {
        const std::size_t current = my_list.current_project();
        if (std::any_of(selected.begin(), selected.end(),
                        [&](std::size_t k) { return project_index(category, k) == current; })) {
            refuse("Sorry, you cannot hide the current project.");
            return false;
        }
    }
    for (std::size_t k : selected)
        my_list.set_project_shown(c, project_index(category, k), show);
    return true;
}

} // namespace velkor
