#pragma once
// Draws what the grid geometry computed: separators, headers, project lines with their dotted
// leaders and right-aligned times, the highlighted current line and the clearing of leftovers.

#include "classlib/Color.h"
#include "presentation/GridGeometry.h"

#include <cstddef>
#include <cstdint>
#include <string>

class QFont;
class QPainter;
class QString;

namespace velkor {

/// The " . . . ." leader behind a project's name and time: 322 characters.
const std::string& grid_leader();

/// The current line as last drawn, so that the per-second refresh skips the leader.
struct CurrentLineMemory
{
    std::size_t category = static_cast<std::size_t>(-1);
    std::size_t project = static_cast<std::size_t>(-1);
    bool full_redraw = true;
};

class GridPainter
{
public:
    /// Paints with font on painter; background and line are the display's colours.
    GridPainter(QPainter& painter, const QFont& font, int line_height, Color background, Color line);

    void fill_background(const GridRect& area);
    /// The row rules, header underlines and column edges.
    void draw_separators(const GridLayout& layout);
    /// The category name centred in the cell; inverse (background on the category colour) when
    /// the cell hides the current project.
    void draw_header(const GridCell& cell, const QString& name, Color category);

    struct LineText
    {
        const QString& name;
        std::int64_t seconds = 0;
        bool show_time = true; ///< off: only the name (not for a highlighted line)
    };
    /// One project line in text colour on back. A highlighted line (the current one) always shows
    /// its time and skips its name and leader when it is the line memory holds and no full redraw
    /// is due; it then becomes the remembered line.
    void draw_project_line(const GridProjectLine& line, const LineText& text, Color text_color, Color back,
                           bool highlighted, std::size_t c, std::size_t p, CurrentLineMemory& memory);
    /// Blanks a line left over from an earlier paint.
    void clear_line(const GridRect& rect);

private:
    void draw_opaque(int x, int top, const QString& text, Color text_color, Color back);

    QPainter& my_painter;
    int my_line_height;
    Color my_background;
    Color my_line;
};

} // namespace velkor
