#include "app/WindowChrome.h"

#include "app/Application.h"
#include "app/HotKeyRegistration.h"
#include "app/SystemTray.h"
#include "classlib/SettingsKeys.h"
#include "platform/qt/HotKey.h"
#include "presentation/Caption.h"

#include <QEvent>
#include <QWidget>

namespace velkor {

WindowChrome::WindowChrome(Application& app, QWidget& client, const Clock& clock)
    : QObject(&client), my_app(app), my_client(client), my_clock(clock)
{
}

void WindowChrome::set_up(std::function<ReminderSubject()> subject, std::function<void()> on_icon_added,
                          std::function<bool()> started)
{
    my_subject = std::move(subject);
    my_on_icon_added = std::move(on_icon_added);
    my_started = std::move(started);
    if (!my_tray) {
        my_tray = new SystemTray(this);
        connect(my_tray, &SystemTray::clicked, this, &WindowChrome::restore_window);
        my_tray->hide_frame_on_minimize(my_client.window());
    }
    // Reads the intervals now rather than inside an event. Their messages let the first paint
    // through, whose arming finds no timer yet, so it is armed here instead.
    reminder_timer();
    if (my_started())
        my_reminder->StartReminderTimer();

    connect(&hot_key(), &HotKey::pressed, this, &WindowChrome::restore_window, Qt::UniqueConnection);
    if (int code = get_int(my_app.settings(), kHotkey); code != 0)
        RegisterHotKey(code);
    my_app.set_hot_key_release([this] { hot_key().unregister(); });

    // Size changes (minimizing and restoring included) re-arm the reminder.
    my_client.installEventFilter(this);
    my_client.window()->installEventFilter(this);
    update_icon();
}

bool WindowChrome::eventFilter(QObject* watched, QEvent* event)
{
    const bool resized = watched == &my_client && event->type() == QEvent::Resize;
    const bool state_changed = watched == my_client.window() && event->type() == QEvent::WindowStateChange;
    if ((resized || state_changed) && my_reminder && my_started && my_started())
        my_reminder->window_changed();
    return QObject::eventFilter(watched, event);
}

void WindowChrome::start_reminder()
{
    if (my_reminder)
        my_reminder->StartReminderTimer();
}

void WindowChrome::read_reminder_settings()
{
    // The reminder exists once the window is set up; it reads its intervals itself then.
    if (my_reminder)
        my_reminder->read_settings();
}

ReminderTimer& WindowChrome::reminder_timer()
{
    if (!my_reminder) {
        my_reminder = new ReminderTimer(my_app.settings(), my_app.prompt(), my_clock, this);
        my_reminder->set_window_title(my_app.window_title());
        my_reminder->set_restore_window([this] { restore_window(); });
        my_reminder->set_subject([this] { return my_subject ? my_subject() : ReminderSubject{}; });
    }
    return *my_reminder;
}

HotKey& WindowChrome::hot_key()
{
    if (!my_hot_key)
        my_hot_key = new HotKey(this);
    return *my_hot_key;
}

bool WindowChrome::RegisterHotKey(int code)
{
    return velkor::RegisterHotKey(hot_key(), code, my_app.settings(), my_app.prompt());
}

void WindowChrome::show_state(const CaptionResult& state)
{
    if (my_tray)
        my_tray->modify(state.icon, state.tip);
}

void WindowChrome::update_icon()
{
    if (!my_tray)
        return;
    if (!get_flag(my_app.settings(), kUseSystemTray)) {
        my_tray->remove();
        return;
    }
    if (!my_tray->is_shown() && my_tray->add(1, "(idle)") && my_on_icon_added)
        my_on_icon_added();
}

void WindowChrome::minimize_after_action()
{
    if (my_tray && my_tray->is_shown())
        my_client.window()->hide();
    else
        my_client.window()->showMinimized();
}

void WindowChrome::restore_window()
{
    QWidget* frame = my_client.window();
    const std::string maximized = get(my_app.settings(), kWindowMaximized, "y");
    if (!maximized.empty() && maximized[0] == 'y')
        frame->showMaximized();
    else
        frame->showNormal();
    frame->raise();
    frame->activateWindow();
}

} // namespace velkor
