#include "presentation/GridGeometry.h"

#include <algorithm>
#include <cstdio>

namespace velkor {

namespace {

int ceil_div(int a, int b)
{
    return (a + b - 1) / b;
}

// The header rule sits halfway through the second line.
int header_rule_offset(int line_height)
{
    return 3 * line_height / 2;
}

void place_scroll_bar(GridCell& cell, const GridCategoryInput& in, const GridInput& input, bool last_column,
                      int line_height)
{
    if (in.visible_projects <= cell.lines_fit) {
        cell.skipped = 0;
        return;
    }
    const int h = header_rule_offset(line_height);
    GridScrollBar& bar = cell.bar;
    bar.needed = true;
    const int right = last_column ? input.client_width : cell.left + cell.width;
    bar.left = right - input.scroll_bar_width;
    bar.top = cell.row_top + h + 1;
    bar.height = std::max(0, cell.project_area + 2 * line_height - (h + 1) - 1);
    bar.range_min = 0;
    bar.range_max = in.visible_projects - 1;
    bar.page = std::max(0, cell.lines_fit);
    // The bar itself keeps its position in range; a list that shrank or a taller window may hand
    // us an old one. A full page at the end is as far as it goes.
    cell.skipped = std::clamp(in.scroll_position, 0, std::max(0, bar.range_max - std::max(bar.page - 1, 0)));
}

void place_project_lines(GridCell& cell, const GridCategoryInput& in, const GridLayout& layout)
{
    const int lh = layout.line_height;
    int top = cell.row_top + 2 * lh;
    for (int p = cell.skipped; p < in.visible_projects; ++p, top += lh) {
        GridProjectLine line;
        line.project = p;
        line.top = top;
        line.clip = {cell.line_left, top, cell.line_left + cell.line_width, std::min(top + lh, cell.text_limit)};
        line.fully_fits = top + lh <= cell.text_limit;
        line.is_current = p == in.current_project;
        if (line.is_current && !line.fully_fits)
            cell.hides_current = true;
        cell.lines.push_back(line);
    }
    if (in.current_project >= 0 && in.current_project < cell.skipped)
        cell.hides_current = true;
    if (top < layout.client_height) {
        GridRect rest{cell.line_left, top, cell.line_left + cell.line_width, std::min(top + lh, cell.text_limit)};
        if (!rest.empty())
            cell.clear_after = rest;
    }
}

} // namespace

int grid_line_width(int widest_name, int time_width, int cell_width, int margin)
{
    const int room = cell_width - 2 * margin;
    const int wanted = widest_name + time_width;
    const int width = (wanted == 0 || wanted >= room) ? room : wanted;
    return std::max(0, width);
}

GridLayout layout_grid(const GridInput& input)
{
    GridLayout layout;
    layout.client_width = input.client_width;
    layout.client_height = input.client_height;
    layout.line_height = std::max(1, input.line_height);
    layout.time_width = input.time_width;
    layout.margin = std::max(1, input.margin);
    const int n = static_cast<int>(input.categories.size());
    if (n == 0)
        return layout;

    const int lh = layout.line_height;
    const int desired_rows = std::max(1, input.desired_rows);
    layout.columns = ceil_div(n, desired_rows);
    layout.rows = ceil_div(n, layout.columns);
    layout.row_height = input.client_height / layout.rows;
    layout.column_width = std::max(1, input.client_width / layout.columns);
    layout.last_column_width = std::max(1, input.client_width - (layout.columns - 1) * layout.column_width);

    for (int row = 0; row < layout.rows; ++row) {
        const int top = row * layout.row_height;
        if (row > 0)
            layout.lines.push_back({0, top, input.client_width, top, 2});
        const int rule = top + header_rule_offset(lh);
        layout.lines.push_back({0, rule, input.client_width, rule, 1});
    }
    for (int column = 1; column < layout.columns && column < n; ++column) {
        const int x = column * layout.column_width;
        layout.lines.push_back({x, 0, x, input.client_height, 1});
    }

    for (int i = 0; i < n; ++i) {
        const GridCategoryInput& in = input.categories[static_cast<std::size_t>(i)];
        GridCell cell;
        cell.category = i;
        cell.row = i / layout.columns;
        cell.column = i % layout.columns;
        const bool last_row = cell.row == layout.rows - 1;
        const bool last_column = cell.column == layout.columns - 1;
        cell.row_top = cell.row * layout.row_height;
        cell.row_bottom = last_row ? input.client_height : cell.row_top + layout.row_height;
        cell.text_limit = cell.row_bottom - 1;
        cell.project_area = cell.row_bottom - cell.row_top - 2 * lh;
        cell.lines_fit = cell.project_area / lh;
        cell.left = cell.column * layout.column_width;
        cell.width = last_column ? layout.last_column_width : layout.column_width;

        place_scroll_bar(cell, in, input, last_column, lh);
        const int usable = cell.width - (cell.bar.needed ? input.scroll_bar_width : 0);
        cell.line_left = cell.left + layout.margin;
        cell.line_width = grid_line_width(in.widest_name, input.time_width, usable, layout.margin);
        cell.header_y = cell.row_top + lh / 4;
        cell.header_clip = {cell.left + layout.margin, cell.header_y, cell.left + cell.width - layout.margin,
                            cell.header_y + lh};
        place_project_lines(cell, in, layout);
        layout.cells.push_back(std::move(cell));
    }
    return layout;
}

std::optional<GridHit> hit_test(const GridLayout& layout, int x, int y, bool header_allowed)
{
    if (layout.column_width < 1 || layout.row_height < 1 || x < 0 || y < 0)
        return std::nullopt;
    const int column = x / layout.column_width;
    if (column >= layout.columns)
        return std::nullopt;
    // The last row reaches down to the client bottom, so the pixels under the last full row
    // height still belong to it.
    const int row = std::min(y / layout.row_height, layout.rows - 1);
    const int index = row * layout.columns + column;
    if (index >= static_cast<int>(layout.cells.size()))
        return std::nullopt;
    const GridCell& cell = layout.cells[static_cast<std::size_t>(index)];
    const int line = (y - row * layout.row_height) / layout.line_height - 2;
    if (line < 0) {
        if (!header_allowed)
            return std::nullopt;
        return GridHit{index, -1};
    }
    const int project = line + cell.skipped;
    const int visible = cell.skipped + static_cast<int>(cell.lines.size());
    if (project >= visible)
        return std::nullopt;
    return GridHit{index, project};
}

std::optional<GridRect> current_line_rect(const GridLayout& layout, int category, int project)
{
    if (category < 0 || category >= static_cast<int>(layout.cells.size()))
        return std::nullopt;
    const GridCell& cell = layout.cells[static_cast<std::size_t>(category)];
    if (project < cell.skipped)
        return std::nullopt;
    const int lh = layout.line_height;
    const int top = (project - cell.skipped + 2) * lh + cell.row * layout.row_height;
    // Two pixels above the row's end, so the next row's double rule is never painted over.
    const int bottom = std::min(top + lh, cell.row_bottom - 2);
    const GridRect rect{cell.line_left, top, cell.line_left + cell.line_width, bottom};
    if (rect.empty())
        return std::nullopt;
    return rect;
}

std::string format_grid_time(std::int64_t seconds)
{
    // A clock set back could make a running session negative for a moment; show it as zero.
    const long long s = std::max<std::int64_t>(0, seconds);
    char text[48];
    if (s < 3600)
        std::snprintf(text, sizeof text, " %lld:%02lld", s / 60, s % 60);
    else
        std::snprintf(text, sizeof text, " %lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return text;
}

Color line_color(Color background)
{
    auto pick = [](int component) { return component > 127 ? 0 : 255; };
    return make_rgb(pick(red_of(background)), pick(green_of(background)), pick(blue_of(background)));
}

} // namespace velkor
