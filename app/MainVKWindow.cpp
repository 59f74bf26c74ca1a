#include "app/MainVKWindow.h"

#include "app/Application.h"
#include "app/QtSessionDialogs.h"
#include "app/ReminderTimer.h"
#include "app/ScrollBarManager.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/Clock.h"
#include "core/DazezUrureRecord.h"
#include "core/EnvList.h"
#include "core/LogWriter.h"
#include "core/PastTimeScan.h"
#include "core/Prompt.h"
#include "core/SessionControl.h"
#include "core/SessionEngine.h"
#include "core/SessionRecovery.h"
#include "core/VariableLookup.h"
#include "dialogs/TProgress.h"
#include "dialogs/TProjectDialog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace velkor {

namespace {

// The crash record lives in whatever lock file the application holds at the moment.
class LockRecordStore : public RecordStore
{
public:
    explicit LockRecordStore(Application& app) : my_app(app) {}

    bool write_at_start(std::string_view bytes) override
    {
        LockFile* file = my_app.log_lock().lock_file();
        return file && file->write_at_start(bytes);
    }
    long read_at(std::uint64_t offset, char* buffer, std::size_t n) override
    {
        LockFile* file = my_app.log_lock().lock_file();
        return file ? file->read_at(offset, buffer, n) : -1;
    }

private:
    Application& my_app;
};

struct BusyScope
{
    explicit BusyScope(bool& flag) : my_flag(flag) { my_flag = true; }
    ~BusyScope() { my_flag = false; }
    bool& my_flag;
};

} // namespace

MainVKWindow::MainVKWindow(Application& app, QWidget* parent, const Clock* clock)
    : QWidget(parent), my_app(app), my_clock(clock ? *clock : SystemClock::instance()),
      my_scroll_bars(std::make_unique<ScrollBarManager>(*this))
{
    setObjectName("mainVKWindow");
    // Every paint fills what it draws, so the per-second line update leaves the rest as it is.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    my_refresh_timer.setInterval(1000);
    connect(&my_refresh_timer, &QTimer::timeout, this, &MainVKWindow::refresh_current_line);
    create_session_engine();
    read_display_settings();
}

MainVKWindow::~MainVKWindow()
{
    my_refresh_timer.stop();
    my_app.set_session_control(nullptr);
    my_app.settings().flush();
}

void MainVKWindow::create_session_engine()
{
    IniFile& settings = my_app.settings();
    Prompt& prompt = my_app.prompt();
    my_dialogs = std::make_unique<QtSessionDialogs>(settings, prompt, my_clock, this);
    my_log = std::make_unique<LogWriter>(
        prompt, settings,
        [this]() -> const ProjectList& {
            static const ProjectList none;
            const ProjectList* list = my_engine ? my_engine->project_list() : nullptr;
            return list ? *list : none;
        },
        [this] { return my_engine ? my_engine->state().environment : std::string(); }, [this] { my_app.exit_steps(); });
    my_record_store = std::make_unique<LockRecordStore>(my_app);
    my_record = std::make_unique<DazezUrureRecord>();
    auto check_environment = [this](std::string& environment) {
        VariableLookup lookup(my_app.command_line().arguments());
        return my_app.env_list().build_environment_string(lookup, my_app.prompt(), environment);
    };
    my_engine = std::make_unique<SessionEngine>(
        SessionServices{my_clock, settings, *my_dialogs, *this, *my_log, *my_record, check_environment});
    my_app.set_session_control(my_engine.get());
}

void MainVKWindow::attach_crash_record()
{
    LogLock& lock = my_app.log_lock();
    my_record->attach(lock.is_held() ? my_record_store.get() : nullptr, lock.mirror_path());
}

void MainVKWindow::create_menus(QMenuBar* bar)
{
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("menuFile");
    auto add = [this, file](const char* text, int id) {
        QAction* action = file->addAction(text);
        action->setObjectName(QString("cmd%1").arg(id));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { command(id); });
    };
    add("Exit &without checking out", kCmdExitWithoutCheckingOut);
    add("&Exit", kCmdExit);
}

void MainVKWindow::command(int id)
{
    switch (id) {
    case kCmdExit:
        ExitCommand();
        break;
    case kCmdExitWithoutCheckingOut:
        ExitWithoutCheckingOut();
        break;
    default:
        break;
    }
}

void MainVKWindow::SetupWindow()
{
    // The log's path and lock are final only now (the window is created before the lock is taken).
    set_log_file_name(my_app.log_file_path());
    attach_crash_record();
    SetupInput();
    my_app.session().load_clock_flags();
    update_tray_icon();
    update_caption();
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
    my_engine->memo().read_settings();
    // The reminder exists once the window is set up; it reads its intervals itself then.
    if (my_reminder)
        my_reminder->read_settings();
    set_full_redraw();
    update_icon();
    update();
}

// ---- The project list ------------------------------------------------------------------------

Prompt& MainVKWindow::prompt()
{
    return my_app.prompt();
}

const ProjectList* MainVKWindow::program_wide_list() const
{
    return my_app.project_list();
}

ProjectList* MainVKWindow::program_wide_list()
{
    return my_app.project_list();
}

std::unique_ptr<ProjectList> MainVKWindow::set_list(std::unique_ptr<ProjectList> list)
{
    ProjectList* raw = list.get();
    ++my_list_generation;
    my_engine->set_project_list(raw);
    my_dialogs->set_project_list(raw);
    return my_app.set_project_list(std::move(list));
}

std::unique_ptr<ProjectList> MainVKWindow::replace_program_wide_list(std::unique_ptr<ProjectList> list)
{
    std::unique_ptr<ProjectList> old = set_list(std::move(list));
    set_measure_flag();
    return old;
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

// Loading shows message boxes and may run the project editor, which must not happen inside a
// paint; it runs as a queued step right before the paint that needs it.
void MainVKWindow::queue_load()
{
    if (my_load_queued)
        return;
    my_load_queued = true;
    QTimer::singleShot(0, this, [this] {
        my_load_queued = false;
        if (!my_reload_list || my_busy)
            return; // a load under way ends with a repaint, which queues this again

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
    if (my_busy)
        return;
    BusyScope busy(my_busy);
    my_reload_list = false;
    my_scroll_bars->clear();
    read_list_from_file();
    if (my_app.project_list()->n_categories() == 0 &&
        my_app.prompt().message("You have no projects.  Would you like to create some now?", "Warning", Buttons::YesNo,
                                Icon::Question) == Answer::Yes) {
        open_project_editor();
        read_list_from_file();
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

void MainVKWindow::read_list_from_file()
{
    ProjectList* old = my_app.project_list();
    if (old) {
        // The new list reads the remembered-memo file, so the old one writes it first, and only once.
        old->save_remembered_memos();
        old->forget_memo_file();
    }
    auto fresh = std::make_unique<ProjectList>(my_app.project_file_path(), *this);
    if (old)
        my_engine->replace_project_list_after_reload(fresh.get());
    set_list(std::move(fresh));
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
    velkor::ScanPastTimes(*list, read_past_time_settings(my_app.settings()), my_app.log_file_path(), my_clock, progress,
                          reset_first, my_scan_ticks ? *my_scan_ticks : SteadyClock::instance());
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
    attach_crash_record();
    RecoveryResult result = velkor::RecoverSession(*my_engine, my_app.prompt());
    if (result.outcome == RecoveryOutcome::Continued)
        follow_up_recovery(result);
    return result;
}

void MainVKWindow::follow_up_recovery(const RecoveryResult& result)
{
    if (result.layout_changed)
        set_measure_flag();
    if (get_yes_no(my_app.settings(), kCloseOnSelect)) {
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
    if (my_on_start_reminder)
        my_on_start_reminder();
}

void MainVKWindow::session_closed()
{
    my_refresh_timer.stop();
    my_line_memory.category = NPOS;
    my_line_memory.project = NPOS;
}

void MainVKWindow::update_caption()
{
    const ProjectList* list = my_engine->project_list();
    CaptionInput input;
    input.checked_in = list && list->is_current_project();
    input.show_grand_total = my_display.show_grand_total;
    if (input.show_grand_total && list) {
        for (std::size_t c = 0; c < list->n_categories(); ++c)
            for (std::size_t p = 0; p < list->n_projects(c); ++p)
                input.total_seconds += list->project_seconds(c, p);
        if (input.checked_in)
            input.total_seconds += my_engine->elapsed_seconds();
    }
    if (input.checked_in)
        input.project_name = list->current_project_name();
    input.title_mode = my_display.title_mode;
    input.window_title = my_app.window_title();
    window()->setWindowTitle(QString::fromStdString(build_caption(input).caption));
    update_tray_icon();
}

void MainVKWindow::update_tray_icon()
{
    if (!my_on_caption_changed)
        return;
    const ProjectList* list = my_engine->project_list();
    bool checked_in = list && list->is_current_project();
    my_on_caption_changed(checked_in, checked_in ? list->current_project_name() : std::string());
}

// ---- Exit ----------------------------------------------------------------------------------

bool MainVKWindow::QueryClose()
{
    IniFile& settings = my_app.settings();
    settings.flush();
    ProjectList* list = my_app.project_list();
    if (!list) {
        if (!get_flag(settings, kConfirmExit))
            return true;
        return my_app.prompt().message("Do you really want to exit?", "Velkor", Buttons::YesNo, Icon::Question) ==
               Answer::Yes;
    }
    list->save_remembered_memos();
    if (!my_app.session().is_checked_in())
        return true;
    return query_close_while_checked_in();
}

bool MainVKWindow::query_close_while_checked_in()
{
    SessionControl& session = my_app.session();
    switch (get_int(my_app.settings(), kExitWhileCheckedIn)) {
    case 0:
        // A check-out that did not happen (cancelled, log not written) must not end the program.
        return session.check_out_for_exit();
    case 1:
        return true;
    case 2:
        switch (my_app.prompt().message("Velkor is about to exit.\nDo you want to check out of your current project?",
                                        "You are still checked in!", Buttons::YesNoCancel, Icon::Question)) {
        case Answer::Yes:
            return session.check_out_for_exit();
        case Answer::No:
            return true;
        default:
            return false;
        }
    case 3:
        my_app.prompt().message("You must check out of the current project\nbefore Velkor can exit.",
                                "You are still checked in!", Buttons::Ok, Icon::Exclamation);
        return false;
    default:
        return true;
    }
}

void MainVKWindow::ExitCommand()
{
    if (QueryClose())
        my_app.exit_steps();
}

void MainVKWindow::ExitWithoutCheckingOut()
{
    if (!my_app.session().is_checked_in()) {
        ExitCommand();
        return;
    }
    if (my_app.prompt().message("Are you sure?", "Exit without checking out", Buttons::YesNo, Icon::Question) ==
        Answer::Yes)
        my_app.exit_steps();
}

} // namespace velkor
