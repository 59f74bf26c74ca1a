#include "presentation/ShownItems.h"

#include "core/ProjectList.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

// A(a0 a1 a2) hidden-B(b0) C(c0 c1-hidden c2); names are 10 bytes per character wide.
ProjectList sample()
{
    ProjectList list;
    const char* projects[][3] = {{"a0", "a1", "a2"}, {"b0", nullptr, nullptr}, {"c0", "c1", "c2"}};
    const char* categories[] = {"A", "B", "C"};
    for (std::size_t c = 0; c < 3; ++c) {
        list.add_category(categories[c], kBlack, false);
        for (const char* p : projects[c])
            if (p)
                list.add_project(c, p, false);
    }
    list.set_category_shown(1, false);
    list.set_project_shown(2, 1, false);
    list.compute_name_widths([](const std::string& name) { return static_cast<int>(name.size()) * 10; });
    return list;
}

} // namespace

TEST(ShownItems, GridOrdinalsMapToListIndicesPastHiddenItems)
{
    const ProjectList list = sample();
    const ShownItems shown(list, 7);
    ASSERT_EQ(shown.n_categories(), 2u);
    EXPECT_EQ(shown.to_list({1, 1}), (ListHit{2, 2}));
    EXPECT_EQ(shown.to_list({1, -1}), (ListHit{2, NPOS})) << "a header";
    EXPECT_EQ(shown.to_list({0, 2}), (ListHit{0, 2}));
    EXPECT_EQ(shown.to_list({1, 2}), std::nullopt) << "past the shown projects";
    EXPECT_EQ(shown.to_list({2, 0}), std::nullopt) << "past the shown categories";
    EXPECT_EQ(shown.to_list({-1, 0}), std::nullopt);

    EXPECT_EQ(shown.to_grid(2, 2), (GridHit{1, 1}));
    EXPECT_EQ(shown.to_grid(2, 1), std::nullopt) << "hidden";
    EXPECT_EQ(shown.to_grid(1, 0), std::nullopt) << "in a hidden category";
}

TEST(ShownItems, BelongToTheListGenerationTheyWereTakenFrom)
{
    const ProjectList list = sample();
    EXPECT_FALSE(ShownItems().is_of(0)) << "nothing shown belongs to no list";
    const ShownItems shown(list, 7);
    EXPECT_TRUE(shown.is_of(7));
    EXPECT_FALSE(shown.is_of(8));
}

TEST(ShownItems, LayoutInputCountsShownProjectsAndFindsTheCurrentOne)
{
    ProjectList list = sample();
    list.set_current(2, 2);
    const ShownItems shown(list, 1);
    const std::vector<GridCategoryInput> input =
        shown.layout_input(list, [](std::size_t ordinal) { return static_cast<int>(ordinal) * 5 + 1; });
    ASSERT_EQ(input.size(), 2u);
    EXPECT_EQ(input[0].visible_projects, 3);
    EXPECT_EQ(input[0].current_project, -1);
    EXPECT_EQ(input[0].scroll_position, 1);
    EXPECT_EQ(input[1].visible_projects, 2);
    EXPECT_EQ(input[1].current_project, 1);
    EXPECT_EQ(input[1].scroll_position, 6);
    EXPECT_EQ(input[1].widest_name, 20);
}
