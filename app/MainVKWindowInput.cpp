// The input side of the main window: mouse clicks on the grid, the menu commands and their
// dynamic items, the hot key, the notification icon and the reminder.

#include "app/Application.h"
#include "app/HotKeyRegistration.h"
#include "app/MainMenu.h"
#include "app/MainVKWindow.h"
#include "app/ReminderTimer.h"
#include "app/SystemTray.h"
#include "base/Prompt.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/Clock.h"
#include "core/LockdownSwitches.h"
#include "core/SessionEngine.h"
#include "platform/FileAccess.h"
#include "platform/qt/HotKey.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>

namespace velkor {
namespace {

const char kClickCurrentWarning[] =
    "Left-clicking the current project while holding down the Shift key\nnow works differently than it used "
    "to.\n\nIn previous versions of Velkor, this allowed you to\nenter a memo (or change the memo) for the current "
    "project.\n\nNow, left-clicking the current project checks you out and then\nimmediately checks you back into "
    "the same project.  Holding down\nthe Shift key while doing this allows you to enter a memo for the\nnew "
    "session.\n\nIf you don't want to check out and back in, but you do want to\nenter (or change) the memo on the "
    "current project, you can use\nthe \"Memos>Enter memo now\" menu.\n\n==========\n\nClick Yes if you want to "
    "check out and check back in.\nOtherwise, click No and proceed to the Memos menu.\n\nTo prevent this message "
    "from being shown again, hold down the\nAlt key while clicking Yes or No.  Thank you.";

// Every click or command ends with the adjustment offset forgotten, however it ended.
class OffsetReset
{
public:
    explicit OffsetReset(SessionEngine& engine) : my_engine(engine) {}
    ~OffsetReset() { my_engine.reset_offset(); }
    OffsetReset(const OffsetReset&) = delete;
    OffsetReset& operator=(const OffsetReset&) = delete;

private:
    SessionEngine& my_engine;
};

} // namespace

void MainVKWindow::SetupInput()
{
    IniFile& settings = my_app.settings();
    if (auto* frame = qobject_cast<QMainWindow*>(window()); frame && !my_menu) {
        my_menu = new MainMenu(
            frame->menuBar(), frame, [this](int id) { input_command(id); },
            [this] {
                MenuState state;
                state.memo_mode = engine().memo().ask_memo_mode();
                state.checked_in = engine().is_checked_in();
                state.can_change_projects = can_change_projects();
                state.tutorial_mode = get_flag(my_app.settings(), kTutorialMode);
                return state;
            });
    }
    if (!my_tray) {
        my_tray = new SystemTray(this);
        connect(my_tray, &SystemTray::clicked, this, &MainVKWindow::restore_window);
        my_tray->hide_frame_on_minimize(window());
    }
    set_on_caption_changed([this](bool checked_in, const std::string& project_name) {
        if (my_tray)
            my_tray->modify(checked_in ? 1 : 2, checked_in ? project_name : "(idle)");
    });

    set_on_start_reminder([this] {
        if (my_reminder)
            my_reminder->StartReminderTimer();
    });
    // Reads the intervals now rather than inside an event. Their messages let the first paint
    // through, whose arming finds no timer yet, so it is armed here instead.
    reminder_timer();
    if (!first_paint_pending())
        my_reminder->StartReminderTimer();

    connect(&hot_key(), &HotKey::pressed, this, &MainVKWindow::restore_window, Qt::UniqueConnection);
    if (int code = get_int(settings, kHotkey); code != 0)
        RegisterHotKey(code);
    my_app.set_exit_hooks([this] { hot_key().unregister(); }, nullptr);

    // Size changes (minimizing and restoring included) re-arm the reminder.
    installEventFilter(this);
    window()->installEventFilter(this);
    update_icon();
}

bool MainVKWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool resized = watched == this && event->type() == QEvent::Resize;
    const bool state_changed = watched == window() && event->type() == QEvent::WindowStateChange;
    if ((resized || state_changed) && my_reminder && !first_paint_pending())
        my_reminder->StartReminderTimer();
    return QWidget::eventFilter(watched, event);
}

ReminderTimer& MainVKWindow::reminder_timer()
{
    if (!my_reminder) {
        my_reminder = new ReminderTimer(my_app.settings(), my_app.prompt(), engine().clock(), this);
        my_reminder->set_window_title(my_app.window_title());
        my_reminder->set_restore_window([this] { restore_window(); });
        my_reminder->set_subject([this] {
            ReminderSubject subject;
            const ProjectList* list = my_app.project_list();
            subject.checked_in = list && list->is_current_project();
            if (subject.checked_in) {
                subject.category = list->current_category_name();
                subject.project = list->current_project_name();
                subject.memo = engine().state().memo;
            }
            return subject;
        });
    }
    return *my_reminder;
}

HotKey& MainVKWindow::hot_key()
{
    if (!my_hot_key)
        my_hot_key = new HotKey(this);
    return *my_hot_key;
}

bool MainVKWindow::RegisterHotKey(int code)
{
    return velkor::RegisterHotKey(hot_key(), code, my_app.settings(), my_app.prompt());
}

void MainVKWindow::update_icon()
{
    if (!my_tray)
        return;
    if (!get_flag(my_app.settings(), kUseSystemTray)) {
        my_tray->remove();
        return;
    }
    if (!my_tray->is_shown() && my_tray->add(1, "(idle)"))
        update_caption();
}

void MainVKWindow::minimize_after_action()
{
    if (my_tray && my_tray->is_shown())
        window()->hide();
    else
        window()->showMinimized();
}

void MainVKWindow::restore_window()
{
    QWidget* frame = window();
    const std::string maximized = get(my_app.settings(), kWindowMaximized, "y");
    if (!maximized.empty() && maximized[0] == 'y')
        frame->showMaximized();
    else
        frame->showNormal();
    frame->raise();
    frame->activateWindow();
}

bool MainVKWindow::can_change_projects() const
{
    return !lockdown_on(LockdownFeature::ProjectChanges) && is_absent_or_writable(my_app.workspace().project_file());
}

// ---- Commands ----

void MainVKWindow::input_command(int id)
{
    switch (id) {
    case kCmdExit:
    case kCmdExitWithoutCheckingOut:
        command(id);
        return;
    case kCmdClearTotals:
        if (ProjectList* list = my_app.project_list()) {
            list->clear_all_seconds();
            set_full_redraw();
            update();
        }
        break;
    case kCmdEditProjects:
        // The accelerator stays bound while the menu item is greyed; it must not get round it.
        // Nor may it replace the list that a scan, whose progress window lets F2 through, is adding to.
        if (can_change_projects() && !my_busy)
            open_project_editor();
        break;
    case kCmdReloadProjects:
        reload_project_list();
        break;
    case kCmdMemoModeShift:
    case kCmdMemoModeCheckIn:
    case kCmdMemoModeCheckOut:
        set_memo_mode(id == kCmdMemoModeCheckIn    ? AskMemoMode::EveryCheckIn
                      : id == kCmdMemoModeCheckOut ? AskMemoMode::EveryCheckOut
                                                   : AskMemoMode::ShiftOnly);
        break;
    case kCmdEnterMemoNow:
        enter_memo_now();
        break;
    default:
        return;
    }
    engine().reset_offset();
}

void MainVKWindow::set_memo_mode(AskMemoMode mode)
{
    engine().memo().set_ask_memo_mode(mode);
    put(my_app.settings(), kAskMemo, AskMemoSetting(mode));
}

void MainVKWindow::enter_memo_now()
{
    if (!engine().is_checked_in() || !engine().EnterMemoNow())
        return;
    if (get_flag(my_app.settings(), kCloseAfterMemo))
        minimize_after_action();
    reminder_timer().StartReminderTimer();
}

void MainVKWindow::reload_project_list()
{
    const bool was_checked_in = engine().is_checked_in();
    std::string category;
    std::string project;
    if (was_checked_in) {
        category = my_app.project_list()->current_category_name();
        project = my_app.project_list()->current_project_name();
    }
    request_reload_list();
    draw_grid_now();
    if (was_checked_in) {
        // The reload kept the session when the same names exist in the new list.
        const ProjectList* list = my_app.project_list();
        const bool kept = engine().is_checked_in() && list->current_category_name() == category &&
                          list->current_project_name() == project;
        if (!kept) {
            my_app.prompt().message("The project you were checked into is not in\nthe new project list.", "Velkor",
                                    Buttons::Ok, Icon::Exclamation);
        } else {
            reminder_timer().StartReminderTimer();
            update_caption();
        }
    }
    set_full_redraw();
    update();
}

// ---- Mouse ----

void MainVKWindow::mousePressEvent(QMouseEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->button() == Qt::LeftButton)
        left_button_down(event->position().toPoint(), modifiers, event->buttons().testFlag(Qt::RightButton));
    else if (event->button() == Qt::RightButton)
        right_button_down(modifiers);
    else
        QWidget::mousePressEvent(event);
}

bool MainVKWindow::lockdown_refuses(bool refused)
{
    if (refused)
        my_app.prompt().message(kLockdownRefusal, "Error", Buttons::Ok, Icon::Exclamation);
    return refused;
}

void MainVKWindow::left_button_down(QPoint point, Qt::KeyboardModifiers modifiers, bool right_held)
{
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    std::optional<Hit> hit = hit_test(point, false);
    if (!hit) {
        // A header: the temporary/hidden check-in dialog that would choose the project is not
        // part of this build yet, so a header click does nothing for now.
        return;
    }
    SessionEngine& session = engine();
    OffsetReset reset(session);
    IniFile& settings = my_app.settings();
    const ProjectList* list = my_app.project_list();
    if (!list)
        return;

    if (session.is_checked_in() && list->is_current(hit->category, hit->project)) {
        if (shift && !get_flag(settings, kSupressLCCPWarning)) {
            Answer answer = my_app.prompt().message(kClickCurrentWarning, "PLEASE NOTE:", Buttons::YesNo, Icon::None);
            if (QApplication::keyboardModifiers().testFlag(Qt::AltModifier))
                put_flag(settings, kSupressLCCPWarning, true);
            if (answer != Answer::Yes)
                return;
        }
        if (get_flag(settings, kLeftClickCheckOut)) {
            right_button_down(modifiers);
            return;
        }
    }

    if (right_held) {
        // Offline check-in/check-out: the dialog is not part of this build yet.
        lockdown_refuses(lockdown_on(LockdownFeature::OfflineEntry));
        return;
    }

    if (ctrl) {
        const int rule = kLockdownSwitches.value(LockdownFeature::CtrlClickAdjustment);
        if (lockdown_refuses(rule == 1 || (rule == 2 && !session.is_checked_in())))
            return;
        AdjustMode mode = session.is_checked_in()                 ? AdjustMode::CheckOutThenIn
                          : session.state().last_check_out_moment ? AdjustMode::IdleAfterCheckOut
                                                                  : AdjustMode::IdleFirst;
        if (!session.adjust(mode))
            return;
    }

    bool checked_out = false;
    if (session.is_checked_in()) {
        if (!session.CheckOut(shift && session.memo().ask_memo_mode() == AskMemoMode::EveryCheckIn))
            return;
        checked_out = true;
    }

    bool minimized = false;
    const bool close_on_select = get_yes_no(settings, kCloseOnSelect);
    const bool checked_in = session.CheckIn(hit->category, hit->project, shift);
    if (checked_in) {
        if (get_flag(settings, kExitOnCheckin)) {
            my_app.exit_steps();
            return;
        }
        if (close_on_select) {
            my_refresh_timer.stop();
            set_full_redraw();
            minimize_after_action();
            minimized = true;
        }
    }
    if ((checked_out && !minimized) || (checked_in && !close_on_select))
        draw_grid_now();
}

void MainVKWindow::right_button_down(Qt::KeyboardModifiers modifiers)
{
    SessionEngine& session = engine();
    if (!session.is_checked_in())
        return;
    OffsetReset reset(session);
    if (modifiers.testFlag(Qt::ControlModifier)) {
        if (lockdown_refuses(kLockdownSwitches.value(LockdownFeature::CtrlClickAdjustment) != 0))
            return;
        if (!session.adjust(AdjustMode::CheckOut))
            return;
    }
    session.CheckOut(modifiers.testFlag(Qt::ShiftModifier));
    draw_grid_now();
}

} // namespace velkor
