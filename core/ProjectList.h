#pragma once
// The user's work breakdown in memory: ordered categories, each with ordered projects, and the
// project the user is checked into. Categories are addressed by index c, projects by (c, p).
// Passing an index that is out of range is a programming error and stops the program.
//
// A list is a plain value: copying, assigning and destroying it touch no file. Reading and
// writing its files is the ProjectListStore's business; which list the program uses is the
// ProgramWideList's.

#include "classlib/Color.h"
#include "core/MemoList.h"
#include "core/ProjectAttributes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velkor {

class ProjectList
{
public:
    // Plain accessors.
    std::size_t n_categories() const { return my_categories.size(); }
    std::size_t n_projects(std::size_t c) const;
    const std::string& category_name(std::size_t c) const;
    const std::string& project_name(std::size_t c, std::size_t p) const;
    Color category_color(std::size_t c) const;
    int category_name_width(std::size_t c) const;
    std::int32_t category_rate(std::size_t c) const;
    std::int32_t project_rate(std::size_t c, std::size_t p) const;
    MemoBehavior category_memo_behavior(std::size_t c) const;
    MemoBehavior project_memo_behavior(std::size_t c, std::size_t p) const;
    std::uint32_t project_seconds(std::size_t c, std::size_t p) const;
    /// The project's rate if 0 or more, else the category's if 0 or more, else default_rate.
    std::int32_t effective_rate(std::size_t c, std::size_t p, std::int32_t default_rate) const;

    bool is_category_displayed(std::size_t c) const;
    bool is_project_displayed(std::size_t c, std::size_t p) const;
    bool is_category_shown(std::size_t c) const;
    bool is_project_shown(std::size_t c, std::size_t p) const;
    bool is_category_temporary(std::size_t c) const;
    bool is_project_temporary(std::size_t c, std::size_t p) const;
    bool is_category_temporarily_shown(std::size_t c) const;
    bool is_project_temporarily_shown(std::size_t c, std::size_t p) const;
    std::size_t n_displayed_categories() const;
    std::size_t n_displayed_projects(std::size_t c) const;

    // Setters.
    void set_category_color(std::size_t c, Color color);
    void set_category_rate(std::size_t c, std::int32_t rate);
    void set_project_rate(std::size_t c, std::size_t p, std::int32_t rate);
    void set_category_memo_behavior(std::size_t c, MemoBehavior behavior);
    void set_project_memo_behavior(std::size_t c, std::size_t p, MemoBehavior behavior);
    void set_category_shown(std::size_t c, bool shown);
    void set_project_shown(std::size_t c, std::size_t p, bool shown);
    void set_category_temporary(std::size_t c, bool temporary);
    void set_project_temporary(std::size_t c, std::size_t p, bool temporary);
    void set_category_temporarily_shown(std::size_t c, bool on);
    void set_project_temporarily_shown(std::size_t c, std::size_t p, bool on);
    void rename_category(std::size_t c, const std::string& name);
    void rename_project(std::size_t c, std::size_t p, const std::string& name);
    void add_seconds(std::size_t c, std::size_t p, std::uint32_t seconds);
    void clear_all_seconds();
    /// Each category's name width = the widest of its project names under measure (0 without projects).
    void compute_name_widths(const std::function<int(const std::string&)>& measure);

    // Remembered memos of project (c, p), most recent first.
    bool has_remembered_memos(std::size_t c, std::size_t p) const;
    std::size_t n_remembered_memos(std::size_t c, std::size_t p) const;
    /// The n-th memo, 0 = most recent; "" when the project has none; n past the end is an error.
    std::string remembered_memo(std::size_t c, std::size_t p, std::size_t n) const;
    /// The whole chain, for walking or copying it.
    const MemoList& first_remembered_memo(std::size_t c, std::size_t p) const;
    /// Puts memo at the front (moving an equal one there); an empty memo does nothing.
    void remember_memo(std::size_t c, std::size_t p, const std::string& memo);
    /// Adds memo at the end without any check (file reading).
    void append_remembered_memo(std::size_t c, std::size_t p, std::string memo);
    void replace_remembered_memos(std::size_t c, std::size_t p, MemoList chain);

    // Lookup and structure.
    /// Index of the first category named name (case-sensitive), else NPOS.
    std::size_t find_category(const std::string& name) const;
    /// Index of the first project of c named name (case-sensitive), else NPOS.
    std::size_t find_project(std::size_t c, const std::string& name) const;
    void add_category(const std::string& name, Color color, bool temporary);
    std::size_t add_temporary_category(const std::string& name, Color color);
    void add_project(std::size_t c, const std::string& name, bool temporary);
    std::size_t add_temporary_project(std::size_t c, const std::string& name);
    void delete_category(std::size_t c);
    void delete_project(std::size_t c, std::size_t p);
    void swap_categories(std::size_t c1, std::size_t c2);
    void swap_projects(std::size_t c, std::size_t p1, std::size_t p2);
    /// Orders by name ignoring case (a-z as A-Z, unsigned bytes), ties case-sensitively.
    void sort_categories();
    void sort_projects(std::size_t c);

    // The checked-in project.
    bool is_current_project() const { return my_current_category != NPOS && my_current_project != NPOS; }
    bool is_current(std::size_t c, std::size_t p) const;
    void set_current(std::size_t c, std::size_t p);
    void clear_current();
    std::size_t current_category() const;
    std::size_t current_project() const;
    const std::string& current_category_name() const;
    const std::string& current_project_name() const;
    std::uint32_t current_project_seconds() const;
    void add_seconds_to_current(std::uint32_t seconds);

    /// Same categories, projects, attributes, times, memos and current project.
    bool operator==(const ProjectList& other) const = default;

    /// True when `a` sorts after `b` (ignoring case first, then case-sensitively).
    static bool name_greater(const std::string& a, const std::string& b);

private:
    struct Project
    {
        std::string my_name;
        MemoList my_memos;
        std::uint32_t my_seconds = 0;
        std::int32_t my_rate = -1; ///< hundredths per hour; negative = none of its own
        VisibilityFlags my_flags;
        MemoBehavior my_memo_behavior = MemoBehavior::Default;

        bool operator==(const Project&) const = default;
    };

    struct Category
    {
        std::string my_name;
        int my_name_width = 0; ///< widest project name in display units; a layout cache
        Color my_color = kBlack;
        std::int32_t my_rate = -1; ///< hundredths per hour; negative = none
        MemoBehavior my_memo_behavior = MemoBehavior::Default;
        VisibilityFlags my_flags;
        std::vector<Project> my_projects;

        bool operator==(const Category&) const = default;
    };

    Category& category(std::size_t c);
    const Category& category(std::size_t c) const;
    Project& project(std::size_t c, std::size_t p);
    const Project& project(std::size_t c, std::size_t p) const;
    std::vector<Category> my_categories;
    std::size_t my_current_category = NPOS;
    std::size_t my_current_project = NPOS;
};

} // namespace velkor
