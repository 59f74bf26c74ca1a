#pragma once
// The main window's grid as plain arithmetic on sizes and counts: where each category cell,
// header, project line, separator and scroll bar goes, which point hits which project, and the
// time texts of the lines. The paint code only draws what these functions computed.

#include "classlib/Color.h"
#include "core/Rect.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velkor {

using GridRect = Rect;

/// A straight separator line from (x1, y1) to (x2, y2) drawn with the given pen width.
struct GridLine
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int pen_width = 1;
    bool operator==(const GridLine&) const = default;
};

/// What the layout needs to know about one visible category.
struct GridCategoryInput
{
    int visible_projects = 0;
    int widest_name = 0;      ///< pixels of the widest visible project name
    int scroll_position = 0;  ///< the scroll bar's position: visible projects skipped at the top
    int current_project = -1; ///< visible ordinal of the current project in this category, or -1
};

struct GridInput
{
    int client_width = 0;
    int client_height = 0;
    int line_height = 1; ///< height of "Xy"
    int time_width = 0;  ///< width of " 999:99:99"
    int margin = 1;
    int desired_rows = 1;
    int scroll_bar_width = 0;
    std::vector<GridCategoryInput> categories; ///< the visible categories in drawing order
};

struct GridScrollBar
{
    bool needed = false;
    int left = 0;
    int top = 0;
    int height = 0;
    int range_min = 0;
    int range_max = 0;
    int page = 0;
};

struct GridProjectLine
{
    int project = 0; ///< visible ordinal within the category
    int top = 0;     ///< unclipped top of the line
    GridRect clip;   ///< line width wide, one line high, cut at the row's text limit
    bool fully_fits = false;
    bool is_current = false;
};

struct GridCell
{
    int category = 0; ///< visible ordinal, also the scroll-bar id offset (id = 300 + category)
    int row = 0;
    int column = 0;
    int left = 0;
    int width = 0; ///< full cell width (the remainder in the last column)
    int row_top = 0;
    int row_bottom = 0; ///< the client bottom in the last row
    int text_limit = 0; ///< row_bottom - 1
    int project_area = 0;
    int lines_fit = 0;
    GridScrollBar bar;
    int skipped = 0;   ///< visible projects scrolled out at the top
    int line_left = 0; ///< left + margin
    int line_width = 0;
    int header_y = 0;
    GridRect header_clip;                ///< the cell less the margin on both sides; the name is centred in the cell
    std::vector<GridProjectLine> lines;  ///< the visible projects that are not scrolled out
    std::optional<GridRect> clear_after; ///< the line after the last one, cleared of leftovers
    bool hides_current = false;          ///< draw the header inverted
};

struct GridLayout
{
    int client_width = 0;
    int client_height = 0;
    int line_height = 1;
    int time_width = 0;
    int margin = 1;
    int columns = 0;
    int rows = 0;
    int row_height = 0;
    int column_width = 0;
    int last_column_width = 0;
    std::vector<GridCell> cells; ///< one per visible category, in drawing order
    std::vector<GridLine> lines; ///< separators: row tops, header underlines, column edges
};

/// Lays out the grid for the given client size, font metrics and visible categories.
GridLayout layout_grid(const GridInput& input);

struct GridHit
{
    int category = 0; ///< visible ordinal of the category
    int project = -1; ///< visible ordinal of the project, -1 for the header
    bool operator==(const GridHit&) const = default;
};

/// Which category header or project line lies under the point, if any.
std::optional<GridHit> hit_test(const GridLayout& layout, int x, int y, bool header_allowed);

/// The rectangle redrawn every second for the current project (visible ordinal `project` of
/// visible category `category`); none when it is scrolled out or has no room.
std::optional<GridRect> current_line_rect(const GridLayout& layout, int category, int project);

/// The width rule of project lines for a cell whose usable width is cell_width.
int grid_line_width(int widest_name, int time_width, int cell_width, int margin);

/// " m:ss" under an hour, " h:mm:ss" from an hour on; hours are not limited.
std::string format_grid_time(std::int64_t seconds);

/// Black or white per component, whichever stands out against the background.
Color line_color(Color background);

} // namespace velkor
