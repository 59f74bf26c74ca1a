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

// --- Lookup and structure --------------------------------------------------------------------

std::size_t ProjectList::find_category(const std::string& name) const
{
    for (std::size_t c = 0; c < my_categories.size(); ++c) {
        if (my_categories[c].my_name == name)
            return c;
    }
    return NPOS;
}

std::size_t ProjectList::find_project(std::size_t c, const std::string& name) const
{
    const auto& projects = category(c).my_projects;
    for (std::size_t p = 0; p < projects.size(); ++p) {
        if (projects[p].my_name == name)
            return p;
    }
    return NPOS;
}

void ProjectList::add_category(const std::string& name, Color color, bool temporary)
{
    Category cat;
    cat.my_name = name;
    cat.my_color = color;
    cat.my_flags.set_temporary(temporary);
    my_categories.push_back(std::move(cat));
}

std::size_t ProjectList::add_temporary_category(const std::string& name, Color color)
{
    add_category(name, color, true);
    return find_category(name);
}

void ProjectList::add_project(std::size_t c, const std::string& name, bool temporary)
{
    Project proj;
    proj.my_name = name;
    proj.my_flags.set_temporary(temporary);
    category(c).my_projects.push_back(std::move(proj));
}

std::size_t ProjectList::add_temporary_project(std::size_t c, const std::string& name)
{
    add_project(c, name, true);
    return find_project(c, name);
}

void ProjectList::delete_category(std::size_t c)
{
    category(c);
    my_categories.erase(my_categories.begin() + static_cast<std::ptrdiff_t>(c));
    if (!is_current_project())
        return;
    if (my_current_category == c)
        clear_current(); // the checked-in project is gone; never leave the index on a neighbour
    else if (my_current_category > c)
        --my_current_category;
}

void ProjectList::delete_project(std::size_t c, std::size_t p)
{
    project(c, p);
    auto& projects = my_categories[c].my_projects;
    projects.erase(projects.begin() + static_cast<std::ptrdiff_t>(p));
    if (!is_current_project() || my_current_category != c)
        return;
    if (my_current_project == p)
        clear_current();
    else if (my_current_project > p)
        --my_current_project;
}

namespace {

// Follows an index across an exchange of positions a and b.
void follow_swap(std::size_t& index, std::size_t a, std::size_t b)
{
    if (index == a)
        index = b;
    else if (index == b)
        index = a;
}

int compare_unsigned(const std::string& a, const std::string& b, bool ignore_case)
{
    auto fold = [ignore_case](char ch) {
        auto u = static_cast<unsigned char>(ch);
        return (ignore_case && u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
    };
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = fold(a[i]);
        unsigned char y = fold(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The plain exchange sort the list has always used; `tracked` follows one element's position.
template <typename T, typename Name> void exchange_sort(std::vector<T>& items, Name name_of, std::size_t& tracked)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            if (ProjectList::name_greater(name_of(items[i]), name_of(items[j]))) {
                std::swap(items[i], items[j]);
                follow_swap(tracked, i, j);
            }
        }
    }
}

} // namespace

bool ProjectList::name_greater(const std::string& a, const std::string& b)
{
    int folded = compare_unsigned(a, b, true);
    if (folded != 0)
        return folded > 0;
    return compare_unsigned(a, b, false) > 0;
}

void ProjectList::swap_categories(std::size_t c1, std::size_t c2)
{
    VELKOR_ASSERT(c1 < my_categories.size() && c2 < my_categories.size(),
                  "c1 < my_n_categories && c2 < my_n_categories");
    std::swap(my_categories[c1], my_categories[c2]);
    if (is_current_project())
        follow_swap(my_current_category, c1, c2);
}

void ProjectList::swap_projects(std::size_t c, std::size_t p1, std::size_t p2)
{
    auto& projects = category(c).my_projects;
    VELKOR_ASSERT(p1 < projects.size() && p2 < projects.size(), "p1 < my_n_projects && p2 < my_n_projects");
    std::swap(projects[p1], projects[p2]);
    if (is_current_project() && my_current_category == c)
        follow_swap(my_current_project, p1, p2);
}

// The current item is followed by position rather than looked up again by name, so that a
// duplicate name cannot move the check-in to a different item.
void ProjectList::sort_categories()
{
    exchange_sort(
        my_categories, [](const Category& cat) -> const std::string& { return cat.my_name; }, my_current_category);
}

void ProjectList::sort_projects(std::size_t c)
{
    std::size_t untracked = NPOS;
    std::size_t& tracked = (is_current_project() && my_current_category == c) ? my_current_project : untracked;
    exchange_sort(
        category(c).my_projects, [](const Project& proj) -> const std::string& { return proj.my_name; }, tracked);
}

// --- Current project -------------------------------------------------------------------------

bool ProjectList::is_current(std::size_t c, std::size_t p) const
{
    VELKOR_ASSERT(c != NPOS && p != NPOS, "c != NPOS && p != NPOS");
    return c == my_current_category && p == my_current_project;
}

void ProjectList::set_current(std::size_t c, std::size_t p)
{
    VELKOR_ASSERT(c < my_categories.size(), "c < my_n_categories");
    VELKOR_ASSERT(p < my_categories[c].my_projects.size(), "p < my_categories[ c ].n_projects()");
    my_current_category = c;
    my_current_project = p;
}

void ProjectList::clear_current()
{
    my_current_category = NPOS;
    my_current_project = NPOS;
}

std::size_t ProjectList::current_category() const
{
    VELKOR_ASSERT(is_current_project(), "is_current_project()");
    return my_current_category;
}

std::size_t ProjectList::current_project() const
{
    VELKOR_ASSERT(is_current_project(), "is_current_project()");
    return my_current_project;
}

const std::string& ProjectList::current_category_name() const
{
    return category_name(current_category());
}
const std::string& ProjectList::current_project_name() const
{
    return project_name(current_category(), my_current_project);
}
std::uint32_t ProjectList::current_project_seconds() const
{
    return project_seconds(current_category(), my_current_project);
}
void ProjectList::add_seconds_to_current(std::uint32_t seconds)
{
    add_seconds(current_category(), my_current_project, seconds);
}

} // namespace velkor
