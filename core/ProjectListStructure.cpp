// The project list's structure: lookup, adding, deleting, moving and sorting categories and
// projects, and the checked-in project, which every change of structure keeps track of.

#include "core/Assert.h"
#include "core/ProjectList.h"

#include <algorithm>
#include <utility>

namespace velkor {

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
