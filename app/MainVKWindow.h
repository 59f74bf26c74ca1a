#pragma once
// The main window's client: the grid of categories and projects with its once-a-second refresh,
// the session engine and its wiring, the project list's loading, the caption, the menu commands,
// the close query and the window set-up. Mouse, keyboard, menus, tray and reminders build on it.

#include "app/DisplaySettings.h"
#include "app/GridGeometry.h"
#include "app/GridPainter.h"
#include "core/ProjectList.h"
#include "core/SessionUi.h"
#include "dialogs/ProjectEditorHost.h"

#include <QTimer>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMenuBar;

namespace velkor {

class Application;
class Clock;
class DazezUrureRecord;
class HotKey;
class LogWriter;
class MonotonicClock;
class MainMenu;
class QtSessionDialogs;
class RecordStore;
class ReminderTimer;
class ScrollBarManager;
class SessionEngine;
class SystemTray;
struct RecoveryResult;

/// Menu command ids; each QAction is named "cmd" + its id.
inline constexpr int kCmdExit = 102;
inline constexpr int kCmdExitWithoutCheckingOut = 9070;

class MainVKWindow : public QWidget, public SessionListener, public ProjectListHost, public ProjectEditorHost
{
    Q_OBJECT
public:
    /// A category header (project NPOS) or project line of the last paint, as list indices.
    struct Hit
    {
        std::size_t category = NPOS;
        std::size_t project = NPOS;
        bool operator==(const Hit&) const = default;
    };
    using CaptionHook = std::function<void(bool checked_in, const std::string& project_name)>;

    /// Creates the session engine and registers it with the application. clock is for tests.
    explicit MainVKWindow(Application& app, QWidget* parent = nullptr, const Clock* clock = nullptr);
    /// Flushes the settings and unregisters the session engine.
    ~MainVKWindow() override;

    /// Fills the frame's menu bar; every item is a QAction named "cmd<id>" carrying its id as data.
    void create_menus(QMenuBar* bar);
    /// Runs the menu command with that id.
    void command(int id);

    /// Once, after the window exists and the log lock is taken: the log file, the crash record,
    /// the input side, the clock-change flags, the notification icon and the caption.
    void SetupWindow();
    /// Whether the program may close now: flushes the settings, then applies `ConfirmExit`
    /// (no project list) or writes the remembered memos and applies `ExitWhileCheckedIn`.
    bool QueryClose();

    /// Exit: the close query, then the exit steps.
    void ExitCommand();
    /// Exit without checking out: as Exit when idle; when checked in, asks and then runs the
    /// exit steps without the close query, leaving the session open for recovery.
    void ExitWithoutCheckingOut();

    // The session.
    SessionEngine& engine() { return *my_engine; }
    /// Points the crash record at the application's current lock file and mirror (after a new log lock).
    void attach_crash_record();
    /// The crash-record recovery and its follow-up on the window.
    RecoveryResult RecoverSession();
    /// Adds up the log's past times per project (with a progress window for long logs).
    void ScanPastTimes(bool reset_first);
    /// The steady clock that paces the scan's progress window; for tests.
    void set_scan_ticks(const MonotonicClock* ticks) { my_scan_ticks = ticks; }

    // The display.
    /// Reads the display settings again (start-up, Options, tutorial switch).
    void read_display_settings();
    const DisplaySettings& display() const { return my_display; }
    /// Repaints the whole grid at once.
    void draw_grid_now();
    /// The next paint draws the current project's line with its leader.
    void set_full_redraw() { my_line_memory.full_redraw = true; }
    /// Marks the project list for reloading from the project file and repaints.
    void request_reload_list();
    /// The category header or project line under point in the grid of the last paint.
    std::optional<Hit> hit_test(QPoint point, bool header_allowed) const;
    /// Rebuilds the frame caption and tells the notification icon (through the caption hook).
    void update_caption() override;
    /// The notification icon's state follows the session.
    void update_tray_icon();
    /// Redraws the current project's line (timer 1); stops the timer once nobody is checked in.
    void refresh_current_line();
    bool refresh_timer_running() const { return my_refresh_timer.isActive(); }
    /// True until the start-up actions of the first paint have run.
    bool first_paint_pending() const { return my_first_paint; }
    /// The grid of the last paint.
    const GridLayout& layout() const { return my_layout; }
    ScrollBarManager& scroll_bars() { return *my_scroll_bars; }

    // Hooks for the input side (tray icon, reminder); unset hooks do nothing.
    void set_on_caption_changed(CaptionHook hook) { my_on_caption_changed = std::move(hook); }
    void set_on_start_reminder(std::function<void()> hook) { my_on_start_reminder = std::move(hook); }

    /// Runs the project editor on the program-wide list.
    void open_project_editor();

    // The input side: clicks, menus, accelerators, hot key, tray icon and reminders.
    /// Window set-up of the input side, called by SetupWindow: the whole menu bar with its
    /// accelerators (replacing the File menu made by create_menus), the tray icon, the hot key
    /// (when `Hotkey` is set) and its release by the exit steps, and the reminder hooks.
    void SetupInput();
    /// Runs a command of the menus or accelerators; Exit and Exit without checking out go to command().
    void input_command(int id);
    /// Registers the hot key of code (0: none); false after telling the user it cannot be had.
    bool RegisterHotKey(int code);
    /// The tray icon follows `UseSystemTray`.
    void update_icon();
    /// Hides the frame while a tray icon is shown, else minimizes it.
    void minimize_after_action();
    /// Shows the frame maximized or normal as `WindowMaximized` says, raised and active.
    void restore_window();
    /// Whether the project editor may open: the lockdown allows it and the project file is absent or writable.
    bool can_change_projects() const;
    ReminderTimer& reminder_timer();
    SystemTray* system_tray() const { return my_tray; }
    HotKey& hot_key();

    // SessionListener
    void start_reminder_timer() override;
    void autobackup_check() override {}
    void session_closed() override;

    // ProjectListHost
    Prompt& prompt() override;
    void request_reload() override { request_reload_list(); }
    const ProjectList* program_wide_list() const override;

    // ProjectEditorHost
    ProjectList* program_wide_list() override;
    std::unique_ptr<ProjectList> replace_program_wide_list(std::unique_ptr<ProjectList> list) override;
    void set_measure_flag() override;
    void invalidate() override { update(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool query_close_while_checked_in();
    void create_session_engine();
    /// Makes list the program-wide one and hands back the list it replaces.
    std::unique_ptr<ProjectList> set_list(std::unique_ptr<ProjectList> list);
    bool shown_on_screen() const;
    void queue_load();
    void load_project_list();
    void read_list_from_file();
    void run_startup_actions();
    void follow_up_recovery(const RecoveryResult& result);
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

    // The session engine and what it works with.
    std::unique_ptr<QtSessionDialogs> my_dialogs;
    std::unique_ptr<LogWriter> my_log;
    std::unique_ptr<RecordStore> my_record_store;
    std::unique_ptr<DazezUrureRecord> my_record;
    std::unique_ptr<SessionEngine> my_engine;

    // The grid of the last paint and what it showed.
    std::unique_ptr<ScrollBarManager> my_scroll_bars;
    GridLayout my_layout;
    std::vector<std::size_t> my_shown_categories;            ///< list index per visible ordinal
    std::vector<std::vector<std::size_t>> my_shown_projects; ///< list indices per visible category
    /// Counts list replacements, so that the last paint's indices are not used on another list.
    unsigned my_list_generation = 0;
    unsigned my_painted_generation = ~0u;
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
    /// Loading or scanning: the scan's progress window lets events through, which must not start
    /// another load or the start-up actions meanwhile.
    bool my_busy = false;
    /// The last drawn current line and the full-redraw flag.
    CurrentLineMemory my_line_memory;
    /// The one line that the pending per-second update redraws.
    std::optional<GridRect> my_line_update;

    QTimer my_refresh_timer; ///< timer 1
    CaptionHook my_on_caption_changed;
    std::function<void()> my_on_start_reminder;

    // The input side (MainVKWindowInput.cpp); its objects are children of this window.
    void left_button_down(QPoint point, Qt::KeyboardModifiers modifiers, bool right_held);
    void right_button_down(Qt::KeyboardModifiers modifiers);
    bool lockdown_refuses(bool refused);
    void reload_project_list();
    void enter_memo_now();
    void set_memo_mode(int mode);
    MainMenu* my_menu = nullptr;
    SystemTray* my_tray = nullptr;
    HotKey* my_hot_key = nullptr;
    ReminderTimer* my_reminder = nullptr;
};

} // namespace velkor
