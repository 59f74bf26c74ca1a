#pragma once
// One category: its display attributes and its projects in display order.

#include "classlib/Color.h"
#include "core/Project.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velkor {

struct Category
{
    std::string my_name;
    int my_name_width = 0; ///< widest project name in display units; a layout cache
    Color my_color = kBlack;
    std::int32_t my_rate = -1; ///< hundredths per hour; negative = none
    MemoBehavior my_memo_behavior = MemoBehavior::Default;
    VisibilityFlags my_flags;
    std::vector<Project> my_projects;

    std::size_t n_projects() const { return my_projects.size(); }
    /// Index of the first project named name (case-sensitive), else NPOS.
    std::size_t find_project(const std::string& name) const;

    bool operator==(const Category&) const = default;
};

} // namespace velkor
