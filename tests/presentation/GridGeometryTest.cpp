#include "presentation/GridGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace velkor;

namespace {

// 1000 x 601 client, lines of 20 px, time column 60 px, margin 4, scroll bars 16 px wide.
GridInput make_input(int categories, int desired_rows, int projects = 3, int height = 601)
{
    GridInput in{1000, height, 20, 60, 4, desired_rows, 16, {}};
    in.categories.assign(static_cast<std::size_t>(categories), GridCategoryInput{projects, 100, 0, -1});
    return in;
}

} // namespace

TEST(GridGeometry, FiveCategoriesInTwoRowsLeaveTheSixthCellEmpty)
{
    const GridLayout g = layout_grid(make_input(5, 2));
    EXPECT_EQ(std::tie(g.columns, g.rows, g.row_height, g.column_width, g.last_column_width),
              std::make_tuple(3, 2, 300, 333, 334));
    ASSERT_EQ(g.cells.size(), 5u);
    const GridCell& last = g.cells[4];
    EXPECT_EQ(std::tie(last.row, last.column, last.left, last.header_y), std::make_tuple(1, 1, 333, 305));
    EXPECT_EQ(g.cells[2].width, 334);
    // The last row reaches the client bottom; its project area grows by the odd pixel.
    EXPECT_EQ(std::tie(last.row_bottom, last.text_limit, last.project_area), std::make_tuple(601, 600, 261));
    EXPECT_EQ(g.cells[0].project_area, 260);
    EXPECT_EQ(g.cells[0].clear_after, (GridRect{4, 100, 4 + 160, 120}));

    // No double rule above the first row, no column edge left of the first column.
    const std::vector<GridLine> lines{{0, 30, 1000, 30, 1},
                                      {0, 300, 1000, 300, 2},
                                      {0, 330, 1000, 330, 1},
                                      {333, 0, 333, 601, 1},
                                      {666, 0, 666, 601, 1}};
    EXPECT_TRUE(std::is_permutation(lines.begin(), lines.end(), g.lines.begin(), g.lines.end()));
}

TEST(GridGeometry, DesiredRowsPicksOneRowOrOneColumn)
{
    for (int rows : {1, 0, -3})
        EXPECT_EQ(layout_grid(make_input(5, rows)).columns, 5) << rows;
    for (int rows : {5, 9})
        EXPECT_EQ(layout_grid(make_input(5, rows)).rows, 5) << rows;
    EXPECT_TRUE(layout_grid(make_input(0, 1)).cells.empty());
}

TEST(GridGeometry, ScrollBarAppearsWhenProjectsDoNotFit)
{
    GridInput in = make_input(2, 1, 8, 200); // 160 px of projects: 8 lines fit
    in.categories[1] = {10, 600, 0, -1};
    const GridLayout g = layout_grid(in);
    EXPECT_FALSE(g.cells[0].bar.needed);
    const GridScrollBar& bar = g.cells[1].bar;
    ASSERT_TRUE(bar.needed);
    EXPECT_EQ(std::tie(bar.left, bar.top, bar.height), std::make_tuple(1000 - 16, 31, 160 + 40 - 31 - 1));
    EXPECT_EQ(std::tie(bar.range_min, bar.range_max, bar.page), std::make_tuple(0, 9, 8));
    EXPECT_EQ(g.cells[1].line_width, 500 - 16 - 8); // name too wide: the cell less bar and margins
    EXPECT_EQ(grid_line_width(0, 0, 333, 4), 325);
    EXPECT_EQ(grid_line_width(10, 10, 5, 4), 0); // a cell narrower than its margins

    // In a column that is not the last, the bar stands at the cell's own right edge.
    std::swap(in.categories[0], in.categories[1]);
    EXPECT_EQ(layout_grid(in).cells[0].bar.left, 500 - 16);
}

TEST(GridGeometry, ScrollingSkipsProjectsAndMarksAHiddenCurrentProject)
{
    GridInput in = make_input(1, 1, 10, 200); // 8 of 10 lines fit
    in.categories[0] = {10, 100, 2, 1};
    GridCell cell = layout_grid(in).cells[0];
    EXPECT_EQ(std::tie(cell.skipped, cell.lines[0].project, cell.lines[0].top), std::make_tuple(2, 2, 40));
    EXPECT_TRUE(cell.hides_current);

    in.categories[0].current_project = 5;
    cell = layout_grid(in).cells[0];
    EXPECT_FALSE(cell.hides_current);
    EXPECT_TRUE(cell.lines[3].is_current);

    in.categories[0] = {10, 100, 0, 9}; // unscrolled, project 9 stands below the text limit
    cell = layout_grid(in).cells[0];
    EXPECT_TRUE(cell.hides_current);
    EXPECT_EQ(cell.lines[7].clip.bottom, 199);
    EXPECT_TRUE(cell.lines[8].clip.empty());

    // A stale position from a longer list, or one past the last full page: scrolling stops
    // once the last project stands at the bottom.
    for (int position : {50, 3}) {
        in.categories[0].scroll_position = position;
        EXPECT_EQ(layout_grid(in).cells[0].skipped, 2) << position;
    }
}

TEST(GridGeometry, HitTest)
{
    GridInput in = make_input(5, 2, 3, 200); // rows of 100 px: 3 lines fit
    in.categories[0].visible_projects = 2;
    in.categories[1] = {6, 100, 2, -1};
    const GridLayout g = layout_grid(in);

    EXPECT_EQ(hit_test(g, 10, 5, true), (GridHit{0, -1}));
    EXPECT_EQ(hit_test(g, 10, 5, false), std::nullopt);
    EXPECT_EQ(hit_test(g, 10, 45, false), (GridHit{0, 0}));
    EXPECT_EQ(hit_test(g, 10, 185, false), (GridHit{3, 2}));
    EXPECT_EQ(hit_test(g, 10, 95, false), std::nullopt);     // below the last project
    EXPECT_EQ(hit_test(g, 999, 45, false), std::nullopt);    // extra width of the last column
    EXPECT_EQ(hit_test(g, 700, 150, true), std::nullopt);    // the empty sixth cell
    EXPECT_EQ(hit_test(g, 340, 45, false), (GridHit{1, 2})); // scrolled by two
    EXPECT_EQ(hit_test(g, -1, 45, true), std::nullopt);
    // The last row also owns the pixels left below the last full row height.
    EXPECT_EQ(hit_test(layout_grid(make_input(5, 5, 5, 604)), 10, 602, false), (GridHit{4, 4}));
}

TEST(GridGeometry, CurrentLineRectangleOfTheSecondRefresh)
{
    GridInput in = make_input(4, 2, 10, 200);
    in.categories[3].scroll_position = 2;
    const GridLayout g = layout_grid(in);
    EXPECT_EQ(current_line_rect(g, 3, 4), (GridRect{504, 100 + 4 * 20, 504 + 160, 198}));
    EXPECT_EQ(current_line_rect(g, 3, 1), std::nullopt); // scrolled out
    EXPECT_EQ(current_line_rect(g, 0, 0), (GridRect{4, 40, 164, 60}));
}

TEST(GridGeometry, TimesAndLineColours)
{
    EXPECT_EQ(format_grid_time(59), " 0:59");
    EXPECT_EQ(format_grid_time(3599), " 59:59");
    EXPECT_EQ(format_grid_time(3600), " 1:00:00");
    EXPECT_EQ(format_grid_time(100 * 3600), " 100:00:00");

    EXPECT_EQ(line_color(make_rgb(255, 255, 255)), make_rgb(0, 0, 0));
    EXPECT_EQ(line_color(make_rgb(0, 0, 100)), make_rgb(255, 255, 255));
    EXPECT_EQ(line_color(make_rgb(0, 0, 128)), make_rgb(255, 255, 0));
    EXPECT_EQ(line_color(make_rgb(200, 100, 50)), make_rgb(0, 255, 255));
}
