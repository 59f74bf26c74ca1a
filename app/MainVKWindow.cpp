#include "app/MainVKWindow.h"

#include "app/Application.h"
#include "app/ClickHandler.h"
#include "app/ExitControl.h"
#include "app/HelpCommands.h"
#include "app/MainCommands.h"
#include "app/QtPrompt.h"
#include "app/ScrollBarManager.h"
#include "app/SessionHost.h"
#include "app/WindowChrome.h"
#include "backup/AutoBackup.h"
#include "base/Utf8Text.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/Assert.h"
#include "core/Clock.h"
#include "core/PastTimeScan.h"
#include "core/SessionControl.h"
#include "core/SessionEngine.h"
#include "core/SessionRecovery.h"
#include "dialogs/TProgress.h"
#include "dialogs/TProjectDialog.h"
#include "presentation/Caption.h"

#include <QMouseEvent>

#include <algorithm>
#include <cstring>

namespace velkor {

namespace {

struct BusyScope
{
    explicit BusyScope(bool& flag) : my_flag(flag) { my_flag = true; }
    ~BusyScope() { my_flag = false; }
    bool& my_flag;
};

} // namespace

MainVKWindow::MainVKWindow(Application& app, QWidget* parent, const Clock* clock)
    : QWidget(parent), my_app(app), my_clock(clock ? *clock : SystemClock::instance()),
      my_session(std::make_unique<SessionHost>(app, my_clock, *this, this)),
      my_exit(std::make_unique<ExitControl>(app)), my_chrome(new WindowChrome(app, *this, my_clock)),
      my_commands(std::make_unique<MainCommands>(app, *this, *my_chrome, *my_exit)),
      my_clicks(std::make_unique<ClickHandler>(app, *this, engine(), *my_chrome)),
      my_scroll_bars(std::make_unique<ScrollBarManager>(*this))
{
    setObjectName("mainVKWindow");
    // Every paint fills what it draws, so the per-second line update leaves the rest as it is.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    my_refresh_timer.setInterval(1000);
    connect(&my_refresh_timer, &QTimer::timeout, this, &MainVKWindow::refresh_current_line);
    my_app.set_session_control(&engine());
    my_autobackup = std::make_unique<AutoBackup>(app.workspace(), app.prompt(), my_clock);
    read_display_settings();
}

MainVKWindow::~MainVKWindow()
{
    my_refresh_timer.stop();
    my_app.set_session_control(nullptr);
    my_app.settings().flush();
}

SessionEngine& MainVKWindow::engine()
{
    return my_session->engine();
}

void MainVKWindow::SetupWindow()
{
    {
        // The help path and the tutorial offer come first, so that a Yes moves the rest of the
        // set-up to the tutorial's settings. The offer's message box lets paints through, which
        // must not load the list or run the start-up actions under it.
        BusyScope busy(my_busy);
        my_commands->help().set_up();
    }
    update();
    my_chrome->set_up(
        [this] {
            ReminderSubject subject;
            const ProjectList* list = my_app.project_list();
            subject.checked_in = list && list->is_current_project();
            if (subject.checked_in) {
                subject.category = list->current_category_name();
                subject.project = list->current_project_name();
                subject.memo = engine().state().memo;
            }
            return subject;
        },
        [this] { update_caption(); }, [this] { return !my_first_paint; });
    my_app.session().load_clock_flags();
    update_tray_icon();
    update_caption();
    my_autobackup->load_settings();
    // A start hidden to the notification icon or minimized gets no paint, yet the list, the
    // recovery and the reminder are wanted from the start.
    if (!shown_on_screen())
        queue_load();
}

bool MainVKWindow::shown_on_screen() const
{
    return window()->isVisible() && !window()->isMinimized();
}

void MainVKWindow::read_display_settings()
{
    QFont old_font = my_display.font;
    my_display = velkor::read_display_settings(my_app.settings(), from_qcolor(palette().color(QPalette::Button)),
                                               my_app.prompt());
    if (my_display.font != old_font)
        my_font_changed = true;
    engine().memo().read_settings();
    my_chrome->read_reminder_settings();
    set_full_redraw();
    my_chrome->update_icon();
    update();
}

void MainVKWindow::preview_display(const std::function<void(DisplaySettings&)>& change)
{
    const FontDescription old_font = my_display.font_description;
    change(my_display);
    my_display.line = line_color(my_display.background);
    my_display.desired_rows = std::max(1, my_display.desired_rows);
    if (my_display.font_description != old_font) {
        my_display.font = font_from_description(my_display.font_description);
        my_font_changed = true;
    }
    set_full_redraw();
    update();
}

void MainVKWindow::mousePressEvent(QMouseEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const ClickKeys keys{modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)};
    if (event->button() == Qt::LeftButton)
        my_clicks->left_button_down(event->position().toPoint(), keys, event->buttons().testFlag(Qt::RightButton));
    else if (event->button() == Qt::RightButton)
        my_clicks->right_button_pressed(keys);
    else
        QWidget::mousePressEvent(event);
}

void MainVKWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        my_clicks->right_button_released();
    else
        QWidget::mouseReleaseEvent(event);
}

// ---- The project list ------------------------------------------------------------------------

ProjectList& MainVKWindow::begin_edit()
{
    ProjectList& copy = my_app.lists().begin_edit();
    set_measure_flag();
    return copy;
}

void MainVKWindow::keep_edit()
{
    // What is shown goes back to what the file holds when the file could not be written.
    if (my_app.lists().keep_edit() == StoreResult::Failed || my_reload_list)
        request_reload_list();
}

void MainVKWindow::cancel_edit()
{
    my_app.lists().cancel_edit();
    set_measure_flag();
    if (my_reload_list)
        queue_load(); // asked for while the editor was open
}

bool MainVKWindow::may_load() const
{
    // Never while loading or scanning, nor while the editor's copy is in the list's place.
    return !my_busy && !my_app.lists().editing();
}

void MainVKWindow::set_measure_flag()
{
    my_measure = true;
    set_full_redraw();
}

void MainVKWindow::request_reload_list()
{
    my_reload_list = true;
    queue_load();
    update();
}

WorkspaceSwitch MainVKWindow::switch_workspace(const std::string& folder, const WorkspaceDefaults& defaults)
{
    VELKOR_ASSERT(!engine().is_checked_in(), "!is_current_project()");
    my_app.lists().drop();
    const WorkspaceSwitch result = my_app.workspace().replace_workspace(folder, defaults);
    if (result != WorkspaceSwitch::FolderUnavailable)
        read_display_settings();
    request_reload_list();
    return result;
}

// Loading shows message boxes and may run the project editor, which must not happen inside a
// paint; it runs as a queued step right before the paint that needs it.
void MainVKWindow::queue_load()
{
    if (my_load_queued)
        return;
    my_load_queued = true;
    QTimer::singleShot(0, this, [this] {
        my_load_queued = false;
        if (!my_reload_list || !may_load())
            return; // a load or an edit under way ends with a repaint, which queues this again

        load_project_list();
        update();
        if (my_first_paint && !my_startup_queued && !shown_on_screen()) {
            my_startup_queued = true;
            QTimer::singleShot(0, this, &MainVKWindow::run_startup_actions);
        }
    });
}

void MainVKWindow::load_project_list()
{
    if (!may_load())
        return;
    BusyScope busy(my_busy);
    my_reload_list = false;
    my_scroll_bars->clear();
    ProgramWideList& lists = my_app.lists();
    if (lists.reload().n_categories() == 0 &&
        my_app.prompt().message("You have no projects.  Would you like to create some now?", "Warning", Buttons::YesNo,
                                Icon::Question) == Answer::Yes) {
        open_project_editor();
        lists.reload();
    }
    my_measure = true;
    if (my_scan_pending) {
        my_scan_pending = false;
        ScanPastTimes(false);
    }
    // A reloaded list starts from zero, so the total in the caption changes too.
    if (my_display.show_grand_total)
        update_caption();
}

void MainVKWindow::open_project_editor()
{
    TProjectDialog dialog(*this, my_app.settings(), my_app.prompt(), this);
    dialog.exec();
}

void MainVKWindow::ScanPastTimes(bool reset_first)
{
    ProjectList* list = my_app.project_list();
    if (!list)
        return;
    bool was_busy = my_busy;
    my_busy = true;
    TProgress progress(this);
    velkor::ScanPastTimes(*list, read_past_time_settings(my_app.settings()), my_app.workspace().log_file(), my_clock,
                          progress, reset_first, my_scan_ticks ? *my_scan_ticks : SteadyClock::instance());
    my_busy = was_busy;
    update();
}

// ---- Start-up actions of the first paint -------------------------------------------------------

void MainVKWindow::run_startup_actions()
{
    if (!my_first_paint)
        return;
    my_first_paint = false;
    update_tray_icon();
    RecoverSession();
    start_reminder_timer();
    autobackup_check();
}

RecoveryResult MainVKWindow::RecoverSession()
{
    RecoveryResult result = velkor::RecoverSession(engine(), my_app.prompt());
    if (result.outcome == RecoveryOutcome::Continued)
        follow_up_recovery(result);
    return result;
}

void MainVKWindow::log_replaced()
{
    ScanPastTimes(true);
    RecoverSession();
    // AutoBackup needs no call here: it sees the replaced log (Workspace) at its next run.
}

void MainVKWindow::follow_up_recovery(const RecoveryResult& result)
{
    if (result.layout_changed)
        set_measure_flag();
    if (my_app.close_on_select()) {
        QWidget* frame = window();
        if (get_flag(my_app.settings(), kUseSystemTray))
            frame->hide();
        else
            frame->showMinimized();
        my_refresh_timer.stop();
        return;
    }
    set_full_redraw();
    update();
}

// ---- Session listener ----------------------------------------------------------------------

void MainVKWindow::start_reminder_timer()
{
    my_chrome->start_reminder();
}

void MainVKWindow::autobackup_check()
{
    my_autobackup->run();
}

void MainVKWindow::session_closed()
{
    my_refresh_timer.stop();
    my_line_memory.category = NPOS;
    my_line_memory.project = NPOS;
}

void MainVKWindow::crash_record_not_written(int error)
{
    // The session goes on: it is timed as usual, only a crash would lose it.
    my_app.prompt().message("Cannot write the session to " + message_excerpt(my_app.workspace().lock_file()) + "\n" +
                                std::strerror(error) +
                                "\n\nThe session is being timed, but it cannot be recovered\nafter a crash.",
                            "Warning", Buttons::Ok, Icon::Exclamation);
}

void MainVKWindow::update_caption()
{
    const long elapsed = engine().is_checked_in() ? engine().elapsed_seconds() : 0;
    const CaptionInput input = caption_input(my_app.project_list(), elapsed, my_display.show_grand_total,
                                             my_display.title_mode, my_app.window_title());
    window()->setWindowTitle(shown_title(build_caption(input).caption));
    update_tray_icon();
}

void MainVKWindow::update_tray_icon()
{
    my_chrome->show_state(build_caption(caption_input(my_app.project_list(), 0, false, 0, std::string())));
}

} // namespace velkor
