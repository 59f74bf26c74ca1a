#include "app/GridPainter.h"

#include "app/DisplaySettings.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace velkor {

namespace {

QRect to_qrect(const GridRect& r)
{
    return QRect(r.left, r.top, std::max(0, r.width()), std::max(0, r.height()));
}

} // namespace

const std::string& grid_leader()
{
    static const std::string leader = [] {
        std::string text;
        for (int i = 0; i < 161; ++i)
            text += " .";
        return text;
    }();
    return leader;
}

GridPainter::GridPainter(QPainter& painter, const QFont& font, int line_height, Color background, Color line)
    : my_painter(painter), my_line_height(line_height), my_background(background), my_line(line)
{
    my_painter.setFont(font);
    my_painter.setBackgroundMode(Qt::TransparentMode);
}

void GridPainter::fill_background(const GridRect& area)
{
    my_painter.fillRect(to_qrect(area), to_qcolor(my_background));
}

void GridPainter::draw_separators(const GridLayout& layout)
{
    my_painter.setClipping(false);
    for (const GridLine& line : layout.lines) {
        QPen pen(to_qcolor(my_line));
        pen.setWidth(line.pen_width);
        pen.setCapStyle(Qt::FlatCap);
        my_painter.setPen(pen);
        my_painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

// Text drawn the way an opaque text call does: the background fills the text's own extent.
void GridPainter::draw_opaque(int x, int top, const QString& text, Color text_color, Color back)
{
    QFontMetrics metrics = my_painter.fontMetrics();
    my_painter.fillRect(QRect(x, top, metrics.horizontalAdvance(text), my_line_height), to_qcolor(back));
    my_painter.setPen(to_qcolor(text_color));
    my_painter.drawText(x, top + metrics.ascent(), text);
}

void GridPainter::draw_header(const GridCell& cell, const QString& name, Color category)
{
    if (cell.header_clip.empty())
        return;
    my_painter.setClipRect(to_qrect(cell.header_clip));
    const int width = my_painter.fontMetrics().horizontalAdvance(name);
    const int x = cell.left + (cell.width - width) / 2;
    if (cell.hides_current)
        draw_opaque(x, cell.header_y, name, my_background, category);
    else
        draw_opaque(x, cell.header_y, name, category, my_background);
    my_painter.setClipping(false);
}

void GridPainter::draw_project_line(const GridProjectLine& line, const LineText& text, Color text_color, Color back,
                                    bool highlighted, std::size_t c, std::size_t p, CurrentLineMemory& memory)
{
    const GridRect& clip = line.clip;
    if (clip.empty() || line.top < clip.top - my_line_height || line.top > clip.bottom)
        return;
    my_painter.setClipRect(to_qrect(clip));
    if (!highlighted && (text.seconds == 0 || !text.show_time)) {
        draw_opaque(clip.left, line.top, text.name, text_color, back);
        my_painter.setClipping(false);
        return;
    }
    const bool same_line = memory.category == c && memory.project == p;
    if (!highlighted || !same_line || memory.full_redraw) {
        my_painter.fillRect(to_qrect(clip), to_qcolor(back));
        draw_opaque(clip.left, line.top, QString::fromStdString(grid_leader()), text_color, back);
        draw_opaque(clip.left, line.top, text.name + ' ', text_color, back);
    }
    if (highlighted) {
        memory.category = c;
        memory.project = p;
        memory.full_redraw = false;
    }
    const QString time = QString::fromStdString(format_grid_time(text.seconds));
    const int width = my_painter.fontMetrics().horizontalAdvance(time);
    draw_opaque(clip.right - width, line.top, time, text_color, back);
    my_painter.setClipping(false);
}

void GridPainter::clear_line(const GridRect& rect)
{
    if (!rect.empty())
        my_painter.fillRect(to_qrect(rect), to_qcolor(my_background));
}

} // namespace velkor
