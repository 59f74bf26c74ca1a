#pragma once
// The reminder: a timer armed for the current state (checked in or idle) with that state's
// interval in minutes; when it fires, a dialog asks whether the user is still working on the
// current project or still idle. Yes arms it again; No brings the main window back.

#include "dialogs/ReminderDialog.h"
#include "platform/qt/ForegroundWindow.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QTimer;

namespace velkor {

class Clock;
class IniFile;
class Prompt;

/// The minutes in text (leading blanks skipped, anything after the number ignored: "10 minutes"
/// is 10). When there is no number or it is negative, tells the user and gives 0.
int ParseReminderInterval(const std::string& text, const std::string& label, Prompt& prompt);

/// The session as the reminder describes it.
struct ReminderSubject
{
    bool checked_in = false;
    std::string category;
    std::string project;
    std::string memo;
};

class ReminderTimer : public QObject
{
    Q_OBJECT
public:
    /// Reads the intervals at once (see read_settings).
    ReminderTimer(IniFile& settings, Prompt& prompt, const Clock& clock, QObject* parent = nullptr);

    /// Where the state comes from, what No does, and the dialog (tests replace it; true = Yes).
    void set_subject(std::function<ReminderSubject()> subject) { my_subject = std::move(subject); }
    void set_restore_window(std::function<void()> restore) { my_restore = std::move(restore); }
    void set_dialog(std::function<bool(const ReminderTexts&)> dialog) { my_dialog = std::move(dialog); }
    /// Where the focus goes back to after Yes (tests watch it); the desktop's by default.
    void set_foreground(std::unique_ptr<ForegroundWindow> foreground) { my_foreground = std::move(foreground); }
    void set_window_title(std::string title) { my_window_title = std::move(title); }

    /// Parses `ReminderDuration` and `ReminderDurationIdle` (start-up and after the options change).
    void read_settings();

    /// Arms the timer for the current state, or stops it when that state has no reminders.
    void StartReminderTimer();
    /// The main window changed its size or state (minimized, restored): arms the timer as
    /// StartReminderTimer does, except after a "No", which leaves reminders off until the next
    /// arming for a reason of its own (a check-in or check-out above all).
    void window_changed();
    void StopReminderTimer();
    /// The timer fired.
    void OnReminderTimer();

    /// What the dialog would show now.
    ReminderTexts texts() const;

    bool is_armed() const;
    int period_ms() const { return my_period_ms; }
    int busy_interval() const { return my_busy_interval; }
    int idle_interval() const { return my_idle_interval; }

private:
    bool run_dialog(const ReminderTexts& texts);

    IniFile& my_settings;
    Prompt& my_prompt;
    const Clock& my_clock;
    QTimer* my_timer;
    std::function<ReminderSubject()> my_subject;
    std::function<void()> my_restore;
    std::function<bool(const ReminderTexts&)> my_dialog;
    std::unique_ptr<ForegroundWindow> my_foreground;
    bool my_off_after_no = false;
    std::string my_window_title = "Velkor";
    int my_busy_interval = 0;
    int my_idle_interval = 0;
    int my_period_ms = 0;
};

} // namespace velkor
