#include "core/ProjectList.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

ProjectList list_of(std::initializer_list<const char*> categories, std::size_t projects_each = 0)
{
    ProjectList list;
    for (const char* name : categories) {
        list.add_category(name, kBlack, false);
        for (std::size_t p = 0; p < projects_each; ++p)
            list.add_project(list.n_categories() - 1, "p" + std::to_string(p), false);
    }
    return list;
}

std::vector<std::string> category_names(const ProjectList& list)
{
    std::vector<std::string> names;
    for (std::size_t c = 0; c < list.n_categories(); ++c)
        names.push_back(list.category_name(c));
    return names;
}

std::vector<std::string> memos(const ProjectList& list, std::size_t c, std::size_t p)
{
    const MemoList& chain = list.first_remembered_memo(c, p);
    return std::vector<std::string>(chain.begin(), chain.end());
}

} // namespace

TEST(ProjectList, SortIgnoresCaseFirstAndKeepsTheCheckedInProject)
{
    for (std::size_t current = 0; current < 3; ++current) {
        ProjectList list = list_of({"beta", "Alpha", "alpha"}, 1);
        list.set_current(current, 0);
        std::string name = list.category_name(current);
        list.sort_categories();
        EXPECT_EQ(category_names(list), (std::vector<std::string>{"Alpha", "alpha", "beta"}));
        EXPECT_EQ(list.current_category_name(), name);
        EXPECT_EQ(list.current_project(), 0u);
    }
}

TEST(ProjectList, SortFoldsLettersToUpperCaseAndComparesUnsignedBytes)
{
    // "_" (0x5F) sorts after every letter; a UTF-8 lead byte after everything ASCII.
    ProjectList list = list_of({"_x", "\xC3\xA9t\xC3\xA9", "Zed", "apple"});
    list.sort_categories();
    EXPECT_EQ(category_names(list), (std::vector<std::string>{"apple", "Zed", "_x", "\xC3\xA9t\xC3\xA9"}));
}

TEST(ProjectList, SortFollowsTheCheckedInProjectNotTheFirstOfItsName)
{
    ProjectList dup = list_of({"Other", "Work"});
    for (const char* name : {"b", "a", "b"})
        dup.add_project(1, name, false);
    dup.set_project_rate(1, 2, 222);
    dup.set_current(1, 2);
    dup.sort_projects(0);
    EXPECT_EQ(dup.current_project(), 2u) << "another category's sort moves nothing";
    dup.sort_projects(1);
    EXPECT_EQ(dup.project_name(1, 0), "a");
    EXPECT_EQ(dup.project_rate(1, dup.current_project()), 222);
}

TEST(ProjectList, DeletesAndSwapsMoveTheCheckedInIndices)
{
    ProjectList list = list_of({"A", "B", "C", "D"}, 5);
    list.set_current(2, 4);
    list.delete_category(0);
    EXPECT_EQ(list.current_category_name(), "C");

    list.delete_project(0, 1); // another category: nothing moves
    EXPECT_EQ(list.current_project(), 4u);
    list.delete_project(1, 1);
    EXPECT_EQ(list.current_project_name(), "p4");

    list.swap_projects(1, 3, 0);
    EXPECT_EQ(list.current_project(), 0u);
    list.swap_categories(0, 1);
    EXPECT_EQ(list.current_category(), 0u);
    EXPECT_EQ(list.current_project_name(), "p4");
}

TEST(ProjectList, DeletingTheCheckedInProjectOrItsCategoryLeavesNoCheckIn)
{
    ProjectList list = list_of({"A", "B"}, 2);
    list.set_current(0, 1);
    list.delete_project(0, 1);
    EXPECT_FALSE(list.is_current_project()) << "not a neighbour either";
    list.set_current(1, 0);
    list.delete_category(1);
    EXPECT_FALSE(list.is_current_project());
}

TEST(ProjectList, RememberedMemosMoveToTheFrontWithoutDuplicates)
{
    ProjectList list = list_of({"Work"}, 1);
    EXPECT_EQ(list.remembered_memo(0, 0, 0), "");
    EXPECT_FALSE(list.has_remembered_memos(0, 0));

    for (const char* memo : {"c", "b", "a"})
        list.remember_memo(0, 0, memo);
    list.remember_memo(0, 0, "c");
    EXPECT_EQ(memos(list, 0, 0), (std::vector<std::string>{"c", "a", "b"}));
    list.remember_memo(0, 0, "");
    list.remember_memo(0, 0, "c");
    list.remember_memo(0, 0, "C");
    EXPECT_EQ(memos(list, 0, 0), (std::vector<std::string>{"C", "c", "a", "b"}));

    // A copy owns its own chains.
    ProjectList copy = list;
    copy.append_remembered_memo(0, 0, "late");
    MemoList fresh;
    fresh.push_back("only");
    list.replace_remembered_memos(0, 0, fresh);
    EXPECT_EQ(memos(list, 0, 0), (std::vector<std::string>{"only"}));
    EXPECT_EQ(memos(copy, 0, 0), (std::vector<std::string>{"C", "c", "a", "b", "late"}));
}

TEST(ProjectList, DisplayedCountsAndNameWidths)
{
    ProjectList list = list_of({"Zero", "None"}, 2);
    list.set_project_shown(0, 1, false);
    EXPECT_EQ(list.n_displayed_projects(0), 1u);
    list.set_project_temporarily_shown(0, 1, true);
    EXPECT_EQ(list.n_displayed_projects(0), 2u);
    list.set_project_temporarily_shown(0, 1, false);
    EXPECT_FALSE(list.is_project_displayed(0, 1));
    list.set_category_shown(1, false);
    list.set_category_temporary(1, true);
    EXPECT_EQ(list.n_displayed_categories(), 2u);

    list.add_category("Empty", kBlack, false);
    list.rename_project(1, 0, "a much longer name");
    list.compute_name_widths([](const std::string& s) { return static_cast<int>(s.size()) * 7; });
    EXPECT_EQ(list.category_name_width(0), 14);
    EXPECT_EQ(list.category_name_width(1), 18 * 7);
    EXPECT_EQ(list.category_name_width(2), 0);
}

TEST(ProjectListDeathTest, BadIndicesStopWithTheBrokenCondition)
{
    ProjectList list = list_of({"Work"}, 2);
    EXPECT_DEATH(list.category_name(1), "c < my_n_categories");
    EXPECT_DEATH(list.project_name(0, 2), "p < my_n_projects");
    EXPECT_DEATH(list.swap_projects(0, 0, 5), "p1 < my_n_projects && p2 < my_n_projects");
    EXPECT_DEATH(list.set_current(0, 9), "p < my_categories\\[ c \\].n_projects\\(\\)");
    EXPECT_DEATH(list.current_category(), "is_current_project\\(\\)");
    EXPECT_DEATH(list.is_current(NPOS, 0), "c != NPOS && p != NPOS");
    list.remember_memo(0, 0, "one");
    EXPECT_DEATH(list.remembered_memo(0, 0, 1), "cur != NULL");
}
