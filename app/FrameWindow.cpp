#include "app/FrameWindow.h"

#include "app/AppIcons.h"
#include "app/Application.h"
#include "app/ExitControl.h"
#include "app/MainCommands.h"
#include "app/MainMenu.h"
#include "app/MainVKWindow.h"
#include "classlib/SettingsKeys.h"
#include "core/WindowPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace velkor {
namespace {

std::vector<Rect> screen_rects()
{
    std::vector<Rect> rects;
    for (const QScreen* screen : QGuiApplication::screens()) {
        QRect g = screen->geometry();
        rects.push_back({g.left(), g.top(), g.left() + g.width(), g.top() + g.height()});
    }
    return rects;
}

} // namespace

FrameWindow::FrameWindow(Application& app, const QString& title) : my_app(app), my_client(new MainVKWindow(app, this))
{
    setObjectName("frameWindow");
    setWindowTitle(title);
    setWindowIcon(velkor_icon(IconKind::CheckedIn));
    setCentralWidget(my_client);
    MainCommands& commands = my_client->commands();
    my_menu = new MainMenu(
        menuBar(), this, commands.table(), [&commands](int id) { commands.run(id); },
        [&commands] { return commands.menu_state(); });
}

FrameWindow::~FrameWindow() = default;

void FrameWindow::place_window(const std::string& default_size, const std::string& default_position)
{
    IniFile& settings = my_app.settings();
    Rect stored =
        read_window_rect(get(settings, kWindowSize, default_size), get(settings, kWindowPosition, default_position));
    Rect r = fit_to_monitors(stored, screen_rects());
    QSize outer(r.width(), r.height());
    move(r.left, r.top);
    resize(outer);
    my_pending_outer_size = outer;
    adopt_frame_margins();
}

// The stored size is the outer size; Qt sizes the inside. Once the frame's margins are known
// (with some window managers only after the first show) the inside is made smaller by them.
void FrameWindow::adopt_frame_margins()
{
    if (!my_pending_outer_size || !isVisible())
        return;
    if (frameGeometry().size() == size())
        return;
    QSize inner = *my_pending_outer_size - (frameGeometry().size() - size());
    my_pending_outer_size.reset();
    if (!isMaximized() && !isMinimized())
        resize(inner);
}

void FrameWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    adopt_frame_margins();
    QPoint p = frameGeometry().topLeft();
    if (isMinimized() || p.x() == kMinimizedPosition || p.y() == kMinimizedPosition)
        return;
    put(my_app.settings(), kWindowPosition, std::to_string(p.x()) + " " + std::to_string(p.y()));
}

void FrameWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    adopt_frame_margins();
    store_size();
}

void FrameWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    adopt_frame_margins();
}

void FrameWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Maximizing and restoring may reach us after the resize that goes with them.
    if (event->type() == QEvent::WindowStateChange)
        store_size();
}

void FrameWindow::store_size()
{
    if (isMinimized())
        return;
    IniFile& settings = my_app.settings();
    if (isMaximized()) {
        put(settings, kWindowMaximized, "y");
        return;
    }
    QSize outer = frameGeometry().size();
    put(settings, kWindowMaximized, "n");
    put(settings, kWindowSize, std::to_string(outer.width()) + "x" + std::to_string(outer.height()));
}

void FrameWindow::closeEvent(QCloseEvent* event)
{
    if (!my_client->exit_control().QueryClose()) {
        event->ignore();
        return;
    }
    // Closing the frame ends the program, without the exit steps.
    event->accept();
    Application::quit_event_loop(0);
}

} // namespace velkor
