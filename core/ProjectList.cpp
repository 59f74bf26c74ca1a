#include "core/ProjectList.h"

#include "core/Assert.h"

#include <algorithm>
#include <utility>

namespace velkor {

char memo_behavior_letter(MemoBehavior behavior)
{
    switch (behavior) {
    case MemoBehavior::Never:
        return 'N';
    case MemoBehavior::AtCheckIn:
        return 'I';
    case MemoBehavior::AtCheckOut:
        return 'O';
    case MemoBehavior::Default:
        break;
    }
    return 'D';
}

bool memo_behavior_from_letter(char letter, MemoBehavior& behavior)
{
    switch (letter) {
    case 'D':
        behavior = MemoBehavior::Default;
        return true;
    case 'N':
        behavior = MemoBehavior::Never;
        return true;
    case 'I':
        behavior = MemoBehavior::AtCheckIn;
        return true;
    case 'O':
        behavior = MemoBehavior::AtCheckOut;
        return true;
    default:
        return false;
    }
}

ProjectList::Category& ProjectList::category(std::size_t c)
{
    VELKOR_ASSERT(c < my_categories.size(), "c < my_n_categories");
    return my_categories[c];
}

const ProjectList::Category& ProjectList::category(std::size_t c) const
{
    VELKOR_ASSERT(c < my_categories.size(), "c < my_n_categories");
    return my_categories[c];
}

ProjectList::Project& ProjectList::project(std::size_t c, std::size_t p)
{
    Category& cat = category(c);
    VELKOR_ASSERT(p < cat.my_projects.size(), "p < my_n_projects");
    return cat.my_projects[p];
}

const ProjectList::Project& ProjectList::project(std::size_t c, std::size_t p) const
{
    const Category& cat = category(c);
    VELKOR_ASSERT(p < cat.my_projects.size(), "p < my_n_projects");
    return cat.my_projects[p];
}

// --- Plain accessors -------------------------------------------------------------------------

std::size_t ProjectList::n_projects(std::size_t c) const
{
    return category(c).my_projects.size();
}
const std::string& ProjectList::category_name(std::size_t c) const
{
    return category(c).my_name;
}
const std::string& ProjectList::project_name(std::size_t c, std::size_t p) const
{
    return project(c, p).my_name;
}
Color ProjectList::category_color(std::size_t c) const
{
    return category(c).my_color;
}
int ProjectList::category_name_width(std::size_t c) const
{
    return category(c).my_name_width;
}
std::int32_t ProjectList::category_rate(std::size_t c) const
{
    return category(c).my_rate;
}
std::int32_t ProjectList::project_rate(std::size_t c, std::size_t p) const
{
    return project(c, p).my_rate;
}

MemoBehavior ProjectList::category_memo_behavior(std::size_t c) const
{
    return category(c).my_memo_behavior;
}

MemoBehavior ProjectList::project_memo_behavior(std::size_t c, std::size_t p) const
{
    return project(c, p).my_memo_behavior;
}

std::uint32_t ProjectList::project_seconds(std::size_t c, std::size_t p) const
{
    return project(c, p).my_seconds;
}

std::int32_t ProjectList::effective_rate(std::size_t c, std::size_t p, std::int32_t default_rate) const
{
    const Project& proj = project(c, p);
    if (proj.my_rate >= 0)
        return proj.my_rate;
    if (my_categories[c].my_rate >= 0)
        return my_categories[c].my_rate;
    return default_rate;
}

bool ProjectList::is_category_displayed(std::size_t c) const
{
    return category(c).my_flags.is_displayed();
}
bool ProjectList::is_project_displayed(std::size_t c, std::size_t p) const
{
    return project(c, p).my_flags.is_displayed();
}
bool ProjectList::is_category_shown(std::size_t c) const
{
    return category(c).my_flags.is_shown();
}
bool ProjectList::is_project_shown(std::size_t c, std::size_t p) const
{
    return project(c, p).my_flags.is_shown();
}
bool ProjectList::is_category_temporary(std::size_t c) const
{
    return category(c).my_flags.is_temporary();
}
bool ProjectList::is_project_temporary(std::size_t c, std::size_t p) const
{
    return project(c, p).my_flags.is_temporary();
}
bool ProjectList::is_category_temporarily_shown(std::size_t c) const
{
    return category(c).my_flags.is_temporarily_shown();
}
bool ProjectList::is_project_temporarily_shown(std::size_t c, std::size_t p) const
{
    return project(c, p).my_flags.is_temporarily_shown();
}

std::size_t ProjectList::n_displayed_categories() const
{
    return static_cast<std::size_t>(std::count_if(my_categories.begin(), my_categories.end(),
                                                  [](const Category& cat) { return cat.my_flags.is_displayed(); }));
}

std::size_t ProjectList::n_displayed_projects(std::size_t c) const
{
    const auto& projects = category(c).my_projects;
    return static_cast<std::size_t>(std::count_if(projects.begin(), projects.end(),
                                                  [](const Project& proj) { return proj.my_flags.is_displayed(); }));
}

// --- Setters ---------------------------------------------------------------------------------

void ProjectList::set_category_color(std::size_t c, Color color)
{
    category(c).my_color = color;
}
void ProjectList::set_category_rate(std::size_t c, std::int32_t rate)
{
    category(c).my_rate = rate;
}
void ProjectList::set_project_rate(std::size_t c, std::size_t p, std::int32_t rate)
{
    project(c, p).my_rate = rate;
}
void ProjectList::set_category_memo_behavior(std::size_t c, MemoBehavior behavior)
{
    category(c).my_memo_behavior = behavior;
}
void ProjectList::set_project_memo_behavior(std::size_t c, std::size_t p, MemoBehavior behavior)
{
    project(c, p).my_memo_behavior = behavior;
}
void ProjectList::set_category_shown(std::size_t c, bool shown)
{
    category(c).my_flags.set_shown(shown);
}
void ProjectList::set_project_shown(std::size_t c, std::size_t p, bool shown)
{
    project(c, p).my_flags.set_shown(shown);
}
void ProjectList::set_category_temporary(std::size_t c, bool temporary)
{
    category(c).my_flags.set_temporary(temporary);
}
void ProjectList::set_project_temporary(std::size_t c, std::size_t p, bool temporary)
{
    project(c, p).my_flags.set_temporary(temporary);
}
void ProjectList::set_category_temporarily_shown(std::size_t c, bool on)
{
    category(c).my_flags.set_temporarily_shown(on);
}
void ProjectList::set_project_temporarily_shown(std::size_t c, std::size_t p, bool on)
{
    project(c, p).my_flags.set_temporarily_shown(on);
}
void ProjectList::rename_category(std::size_t c, const std::string& name)
{
    category(c).my_name = name;
}
void ProjectList::rename_project(std::size_t c, std::size_t p, const std::string& name)
{
    project(c, p).my_name = name;
}
void ProjectList::add_seconds(std::size_t c, std::size_t p, std::uint32_t seconds)
{
    project(c, p).my_seconds += seconds;
}

void ProjectList::clear_all_seconds()
{
    for (Category& cat : my_categories) {
        for (Project& proj : cat.my_projects)
            proj.my_seconds = 0;
    }
}

void ProjectList::compute_name_widths(const std::function<int(const std::string&)>& measure)
{
    for (Category& cat : my_categories) {
        int widest = 0;
        for (const Project& proj : cat.my_projects)
            widest = std::max(widest, measure(proj.my_name));
        cat.my_name_width = widest;
    }
}

// --- Remembered memos ------------------------------------------------------------------------

bool ProjectList::has_remembered_memos(std::size_t c, std::size_t p) const
{
    return !project(c, p).my_memos.empty();
}
std::size_t ProjectList::n_remembered_memos(std::size_t c, std::size_t p) const
{
    return project(c, p).my_memos.size();
}

std::string ProjectList::remembered_memo(std::size_t c, std::size_t p, std::size_t n) const
{
    const MemoList& memos = project(c, p).my_memos;
    if (memos.empty())
        return std::string();
    return memos.at(n);
}

const MemoList& ProjectList::first_remembered_memo(std::size_t c, std::size_t p) const
{
    return project(c, p).my_memos;
}

void ProjectList::remember_memo(std::size_t c, std::size_t p, const std::string& memo)
{
    project(c, p).my_memos.remember(memo);
}

void ProjectList::append_remembered_memo(std::size_t c, std::size_t p, std::string memo)
{
    project(c, p).my_memos.push_back(std::move(memo));
}

void ProjectList::replace_remembered_memos(std::size_t c, std::size_t p, MemoList chain)
{
    project(c, p).my_memos = std::move(chain);
}

} // namespace velkor
