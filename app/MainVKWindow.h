#pragma once
// The main window's client: it paints the grid of categories and projects with its once-a-second
// refresh, and turns events into calls on its parts. The rules live elsewhere: the session in
// SessionHost, clicks in ClickHandler (ClickRules), commands in MainCommands (CommandTable),
// closing in ExitControl (ExitRule), the tray, hot key and reminder in WindowChrome, what is
// shown in ShownItems and the grid geometry. The window also keeps the repaint flags and runs
// the loading of the project list that the first paint needs.

#include "app/DisplaySettings.h"
#include "app/GridPainter.h"
#include "core/SessionUi.h"
#include "core/Workspace.h"
#include "dialogs/ProjectEditorHost.h"
#include "presentation/GridGeometry.h"
#include "presentation/ShownItems.h"

#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

namespace velkor {

class Application;
class ClickHandler;
class Clock;
class MonotonicClock;
class ExitControl;
class MainCommands;
class ScrollBarManager;
class SessionEngine;
class SessionHost;
class WindowChrome;
struct RecoveryResult;

class MainVKWindow : public QWidget, public SessionListener, public ProjectEditorHost
{
    Q_OBJECT
public:
    /// Creates the session engine and registers it with the application. clock is for tests.
    explicit MainVKWindow(Application& app, QWidget* parent = nullptr, const Clock* clock = nullptr);
    /// Flushes the settings and unregisters the session engine.
    ~MainVKWindow() override;

    /// Once, after the window exists and the log lock is taken: the tray, hot key and reminder,
    /// the clock-change flags and the caption.
    void SetupWindow();

    // The parts.
    SessionEngine& engine();
    MainCommands& commands() { return *my_commands; }
    ExitControl& exit_control() { return *my_exit; }
    WindowChrome& chrome() { return *my_chrome; }

    // The project list.
    /// Marks the project list for reloading from the project file and repaints.
    void request_reload_list();
    /// Moves the program to another folder (entering and leaving the tutorial): the list's
    /// remembered memos are written where it came from and the list is dropped; settings, project
    /// file, log, lock and crash record move (Workspace::replace_workspace); the display settings
    /// are read again and the list is read from the new project file at the next paint. Only while
    /// nobody is checked in.
    WorkspaceSwitch switch_workspace(const std::string& folder, const WorkspaceDefaults& defaults);
    /// Runs the project editor on the program-wide list.
    void open_project_editor();
    /// Adds up the log's past times per project (with a progress window for long logs).
    void ScanPastTimes(bool reset_first);
    /// The steady clock that paces the scan's progress window; for tests.
    void set_scan_ticks(const MonotonicClock* ticks) { my_scan_ticks = ticks; }
    /// The crash-record recovery and its follow-up on the window.
    RecoveryResult RecoverSession();
    /// Loading or scanning: the scan's progress window lets events through, which must not start
    /// another load, the start-up actions or the project editor meanwhile.
    bool busy() const { return my_busy; }
    /// True until the start-up actions of the first paint have run.
    bool first_paint_pending() const { return my_first_paint; }

    // The display.
    /// Reads the display settings again (start-up, Options, tutorial switch).
    void read_display_settings();
    const DisplaySettings& display() const { return my_display; }
    /// Repaints the whole grid at once.
    void draw_grid_now();
    /// The next paint draws the current project's line with its leader.
    void set_full_redraw() { my_line_memory.full_redraw = true; }
    /// The category header or project line under point in the grid of the last paint.
    std::optional<ListHit> hit_test(QPoint point, bool header_allowed) const;
    /// Redraws the current project's line (timer 1); stops the timer once nobody is checked in.
    void refresh_current_line();
    bool refresh_timer_running() const { return my_refresh_timer.isActive(); }
    void stop_refresh() { my_refresh_timer.stop(); }
    /// The grid of the last paint.
    const GridLayout& layout() const { return my_layout; }
    ScrollBarManager& scroll_bars() { return *my_scroll_bars; }

    // SessionListener
    /// Rebuilds the frame caption and the notification icon's state.
    void update_caption() override;
    void start_reminder_timer() override;
    void autobackup_check() override {}
    void session_closed() override;
    void crash_record_not_written(RecordWriteResult result) override;

    // ProjectEditorHost
    ProjectList& begin_edit() override;
    void keep_edit() override;
    void cancel_edit() override;
    void set_measure_flag() override;
    void invalidate() override { update(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool shown_on_screen() const;
    bool may_load() const;
    void queue_load();
    void load_project_list();
    void run_startup_actions();
    void follow_up_recovery(const RecoveryResult& result);
    void update_tray_icon();
    void measure();
    void layout_and_place_bars();
    GridInput grid_input();
    void paint_grid(QPainter& painter);
    void paint_current_line(QPainter& painter, const GridRect& rect);
    std::optional<GridRect> current_line_rect() const;
    void scrolled();

    Application& my_app;
    const Clock& my_clock;
    const MonotonicClock* my_scan_ticks = nullptr; ///< null: the steady clock
    DisplaySettings my_display;

    // The parts; the chrome and the click handler are children of this window.
    std::unique_ptr<SessionHost> my_session;
    std::unique_ptr<ExitControl> my_exit;
    WindowChrome* my_chrome;
    std::unique_ptr<MainCommands> my_commands;
    std::unique_ptr<ClickHandler> my_clicks;

    // The grid of the last paint and what it showed.
    std::unique_ptr<ScrollBarManager> my_scroll_bars;
    GridLayout my_layout;
    ShownItems my_shown;
    int my_line_height = 1;
    int my_time_width = 0;
    QSize my_last_size;

    // The repaint flags.
    bool my_reload_list = true;
    bool my_measure = true;
    bool my_font_changed = true;
    bool my_first_paint = true;
    bool my_scan_pending = true;
    bool my_load_queued = false;
    bool my_in_paint = false;
    bool my_startup_queued = false;
    bool my_busy = false;
    /// The last drawn current line and the full-redraw flag.
    CurrentLineMemory my_line_memory;
    /// The one line that the pending per-second update redraws.
    std::optional<GridRect> my_line_update;

    QTimer my_refresh_timer; ///< timer 1
};

} // namespace velkor
