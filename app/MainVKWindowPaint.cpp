// The main window's grid: measuring, laying out, the scroll bars, painting, the per-second
// refresh of the current line and the hit test against the last paint.

#include "app/Application.h"
#include "app/GridPainter.h"
#include "app/MainVKWindow.h"
#include "app/MyScrollBar.h"
#include "app/ScrollBarManager.h"
#include "core/SessionEngine.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace velkor {

namespace {

QRect to_qrect(const GridRect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

} // namespace

void MainVKWindow::measure()
{
    QFontMetrics metrics(my_display.font);
    // The full cell height of "Xy", ascent and descent, as the text is drawn.
    my_line_height = std::max(1, metrics.height());
    my_time_width = metrics.horizontalAdvance(" 999:99:99");
    if (ProjectList* list = my_app.project_list())
        list->compute_name_widths(
            [&metrics](const std::string& name) { return metrics.horizontalAdvance(QString::fromStdString(name)); });
    my_font_changed = false;
    my_measure = false;
}

GridInput MainVKWindow::grid_input()
{
    GridInput input;
    input.client_width = width();
    input.client_height = height();
    input.line_height = my_line_height;
    input.time_width = my_time_width;
    input.margin = my_display.margin;
    input.desired_rows = my_display.desired_rows;
    input.scroll_bar_width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);

    const ProjectList& list = *my_app.project_list();
    my_shown = ShownItems(list, my_app.lists().generation());
    input.categories = my_shown.layout_input(list, [this](std::size_t ordinal) {
        MyScrollBar* bar = my_scroll_bars->find(kFirstScrollBarId + static_cast<int>(ordinal));
        return bar ? bar->value() : 0;
    });
    return input;
}

// Lays the grid out and brings the scroll bars in line with it.
void MainVKWindow::layout_and_place_bars()
{
    my_layout = layout_grid(grid_input());
    const int n = static_cast<int>(my_layout.cells.size());
    for (int i = 0; i < n; ++i) {
        const GridScrollBar& wanted = my_layout.cells[static_cast<std::size_t>(i)].bar;
        const int id = kFirstScrollBarId + i;
        if (!wanted.needed) {
            my_scroll_bars->destroy(id);
            continue;
        }
        MyScrollBar* bar = my_scroll_bars->find(id);
        if (!bar) {
            bar = my_scroll_bars->create(id);
            connect(bar, &QScrollBar::valueChanged, this, &MainVKWindow::scrolled);
        }
        bar->set_range(wanted.range_min, wanted.range_max);
        bar->set_page(wanted.page);
        bar->place(wanted.left, wanted.top, wanted.height);
    }
    my_scroll_bars->destroy_from(kFirstScrollBarId + n);
}

void MainVKWindow::scrolled()
{
    // Ranges set while painting move a bar too; that paint already shows the result.
    if (my_in_paint)
        return;
    setFocus();
    set_full_redraw();
    draw_grid_now();
}

void MainVKWindow::draw_grid_now()
{
    if (my_reload_list && may_load())
        load_project_list();
    repaint();
}

void MainVKWindow::paintEvent(QPaintEvent* event)
{
    my_in_paint = true;
    QPainter painter(this);
    if (my_line_update && event->region() == QRegion(to_qrect(*my_line_update))) {
        paint_current_line(painter, *my_line_update);
        my_line_update.reset();
        my_in_paint = false;
        return;
    }
    my_line_update.reset();
    painter.fillRect(event->rect(), to_qcolor(my_display.background));
    set_full_redraw();
    if (my_reload_list) {
        queue_load();
    } else {
        paint_grid(painter);
        if (my_first_paint && !my_startup_queued && !my_busy) {
            my_startup_queued = true;
            QTimer::singleShot(0, this, &MainVKWindow::run_startup_actions);
        }
    }
    my_in_paint = false;
}

void MainVKWindow::paint_grid(QPainter& painter)
{
    const ProjectList* list = my_app.project_list();
    if (!list)
        return;
    if (my_font_changed || my_measure)
        measure();
    layout_and_place_bars();
    if (my_layout.cells.empty())
        return;

    const DisplaySettings& d = my_display;
    GridPainter grid(painter, d.font, my_line_height, d.background, d.line);
    grid.draw_separators(my_layout);
    for (std::size_t i = 0; i < my_layout.cells.size(); ++i) {
        const GridCell& cell = my_layout.cells[i];
        const std::size_t c = my_shown.category(i);
        const Color color = list->category_color(c);
        for (const GridProjectLine& line : cell.lines) {
            const std::size_t p = my_shown.project(i, static_cast<std::size_t>(line.project));
            const QString name = QString::fromStdString(list->project_name(c, p));
            if (list->is_current(c, p)) {
                std::int64_t seconds = engine().elapsed_seconds();
                if (d.show_total_time)
                    seconds += list->project_seconds(c, p);
                const bool inverse = d.highlight_current;
                grid.draw_project_line(line, {name, seconds, true}, inverse ? d.background : color,
                                       inverse ? color : d.background, true, c, p, my_line_memory);
            } else {
                grid.draw_project_line(line, {name, list->project_seconds(c, p), d.show_elapsed_times}, color,
                                       d.background, false, c, p, my_line_memory);
            }
        }
        if (cell.clear_after)
            grid.clear_line(*cell.clear_after);
        grid.draw_header(cell, QString::fromStdString(list->category_name(c)), color);
    }
    if (engine().is_checked_in() && !my_refresh_timer.isActive())
        my_refresh_timer.start();
}

void MainVKWindow::paint_current_line(QPainter& painter, const GridRect& rect)
{
    const ProjectList* list = my_app.project_list();
    if (!list || !list->is_current_project())
        return;
    const std::size_t c = list->current_category();
    const std::size_t p = list->current_project();
    const DisplaySettings& d = my_display;
    std::int64_t seconds = engine().elapsed_seconds();
    if (d.show_total_time)
        seconds += list->project_seconds(c, p);
    const Color color = list->category_color(c);
    GridProjectLine line;
    line.top = rect.top;
    line.clip = rect;
    GridPainter grid(painter, d.font, my_line_height, d.background, d.line);
    const QString name = QString::fromStdString(list->project_name(c, p));
    grid.draw_project_line(line, {name, seconds, true}, d.highlight_current ? d.background : color,
                           d.highlight_current ? color : d.background, true, c, p, my_line_memory);
}

std::optional<GridRect> MainVKWindow::current_line_rect() const
{
    const ProjectList* list = my_app.project_list();
    if (!list || !list->is_current_project() || !my_shown.is_of(my_app.lists().generation()))
        return std::nullopt;
    const std::optional<GridHit> shown = my_shown.to_grid(list->current_category(), list->current_project());
    if (!shown || static_cast<std::size_t>(shown->category) >= my_layout.cells.size())
        return std::nullopt;
    return velkor::current_line_rect(my_layout, shown->category, shown->project);
}

void MainVKWindow::refresh_current_line()
{
    if (!engine().is_checked_in()) {
        my_refresh_timer.stop();
        return;
    }
    if (std::optional<GridRect> rect = current_line_rect()) {
        my_line_update = rect;
        update(to_qrect(*rect));
    }
    if (my_display.show_grand_total)
        update_caption();
}

std::optional<ListHit> MainVKWindow::hit_test(QPoint point, bool header_allowed) const
{
    if (!my_shown.is_of(my_app.lists().generation()))
        return std::nullopt; // the list was replaced since the last paint
    std::optional<GridHit> hit = velkor::hit_test(my_layout, point.x(), point.y(), header_allowed);
    return hit ? my_shown.to_list(*hit) : std::nullopt;
}

void MainVKWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (size().width() != my_last_size.width())
        set_full_redraw();
    my_last_size = size();
    update();
}

void MainVKWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (my_reload_list)
        queue_load();
}

} // namespace velkor
