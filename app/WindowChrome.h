#pragma once
// What the main window has around its grid: the notification icon, the global hot key and the
// reminder, and how the window is minimized after an action and brought back.

#include "app/ReminderTimer.h"

#include <QObject>

#include <functional>
#include <string>

class QWidget;

namespace velkor {

class Application;
class HotKey;
class SystemTray;
struct CaptionResult;

class WindowChrome : public QObject
{
    Q_OBJECT
public:
    /// client is the main window's client; its frame is client.window().
    WindowChrome(Application& app, QWidget& client, const Clock& clock);

    /// Window set-up: the tray icon, the reminder (what it describes comes from subject), the hot
    /// key (when `Hotkey` is set) and its release by the exit steps, and the re-arming of the
    /// reminder when the window changes size or state, which starts once started() holds (the
    /// start-up actions arm it themselves). A new icon updates the caption through on_icon_added.
    void set_up(std::function<ReminderSubject()> subject, std::function<void()> on_icon_added,
                std::function<bool()> started);

    /// The tray icon and tip follow the caption's state.
    void show_state(const CaptionResult& state);
    /// The tray icon follows `UseSystemTray`.
    void update_icon();
    /// Hides the frame while a tray icon is shown, else minimizes it.
    void minimize_after_action();
    /// Shows the frame maximized or normal as `WindowMaximized` says, raised and active.
    void restore_window();
    /// Re-arms the reminder for the current state (once it exists).
    void start_reminder();
    /// The reminder reads its intervals again (once it exists).
    void read_reminder_settings();

    /// Registers the hot key of code (0: none); false after telling the user it cannot be had.
    bool RegisterHotKey(int code);
    ReminderTimer& reminder_timer();
    SystemTray* system_tray() const { return my_tray; }
    HotKey& hot_key();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Application& my_app;
    QWidget& my_client;
    const Clock& my_clock;
    std::function<ReminderSubject()> my_subject;
    std::function<void()> my_on_icon_added;
    std::function<bool()> my_started;
    SystemTray* my_tray = nullptr;
    HotKey* my_hot_key = nullptr;
    ReminderTimer* my_reminder = nullptr;
};

} // namespace velkor
