#include "app/ReminderTimer.h"

#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "classlib/SettingsKeys.h"
#include "core/Clock.h"
#include "core/TimeValues.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace velkor {

int ParseReminderInterval(const std::string& text, const std::string& label, Prompt& prompt)
{
    const std::string padded = text + " ";
    const char* start = padded.c_str();
    char* end = nullptr;
    errno = 0;
    long minutes = std::strtol(start, &end, 10);
    // A number too large for the interval is as unusable as none at all.
    if (end == start || errno == ERANGE || minutes < 0 || minutes > INT_MAX) {
        prompt.message("Invalid reminder interval when " + label + ": " + message_excerpt(text), "", Buttons::Ok,
                       Icon::Exclamation);
        return 0;
    }
    return static_cast<int>(minutes);
}

ReminderTimer::ReminderTimer(IniFile& settings, Prompt& prompt, const Clock& clock, QObject* parent)
    : QObject(parent), my_settings(settings), my_prompt(prompt), my_clock(clock), my_timer(new QTimer(this))
{
    my_timer->setObjectName("reminderTimer");
    connect(my_timer, &QTimer::timeout, this, &ReminderTimer::OnReminderTimer);
    read_settings();
}

void ReminderTimer::read_settings()
{
    my_busy_interval = ParseReminderInterval(get(my_settings, kReminderDuration), "checked in", my_prompt);
    my_idle_interval = ParseReminderInterval(get(my_settings, kReminderDurationIdle), "not checked in", my_prompt);
}

void ReminderTimer::StartReminderTimer()
{
    const bool checked_in = my_subject && my_subject().checked_in;
    const int interval = checked_in ? my_busy_interval : my_idle_interval;
    if (interval < 1) {
        StopReminderTimer();
        return;
    }
    const long long minute_ms = get_int(my_settings, kDebug) != 0 ? 5000 : 60000;
    // A timer cannot wait longer than INT_MAX milliseconds (about 24 days); longer waits are cut.
    my_period_ms = static_cast<int>(std::min<long long>(interval * minute_ms, INT_MAX));
    my_timer->stop();
    my_timer->start(my_period_ms);
}

void ReminderTimer::StopReminderTimer()
{
    my_timer->stop();
}

bool ReminderTimer::is_armed() const
{
    return my_timer->isActive();
}

ReminderTexts ReminderTimer::texts() const
{
    ReminderSubject subject = my_subject ? my_subject() : ReminderSubject{};
    ReminderTexts texts;
    texts.caption = my_window_title + " Reminder";
    texts.time_line = "It is now " + FormatTimeOfDay(ToLocal(my_clock.now()), get_int(my_settings, kTimeFormat));
    if (subject.checked_in) {
        texts.question = "Are you still working on:";
        texts.category = subject.category;
        texts.project = subject.project;
        texts.memo = subject.memo;
    } else {
        texts.question = "Are you still idle?";
    }
    return texts;
}

void ReminderTimer::OnReminderTimer()
{
    const bool checked_in = my_subject && my_subject().checked_in;
    if (!checked_in && my_idle_interval < 1) {
        StopReminderTimer();
        return;
    }
    // No second reminder may queue behind one that is not answered yet.
    StopReminderTimer();
    QPointer<QWidget> foreground = QApplication::activeWindow();

    ReminderTexts shown = texts();
    if (checked_in ? get_flag(my_settings, kReminderSoundBusy) : get_flag(my_settings, kReminderSoundIdle))
        QApplication::beep();

    if (run_dialog(shown)) {
        StartReminderTimer();
        if (foreground)
            foreground->activateWindow();
        return;
    }
    if (my_restore)
        my_restore();
}

bool ReminderTimer::run_dialog(const ReminderTexts& shown)
{
    if (my_dialog)
        return my_dialog(shown);
    ReminderDialog dialog(shown, qobject_cast<QWidget*>(parent()));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace velkor
