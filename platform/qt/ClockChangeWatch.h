#pragma once
// Tells when the system clock is set: a timerfd armed far in the future on the real-time clock
// with cancel-on-set, so that setting the clock cancels it and wakes the event loop.

#include <QObject>

class QSocketNotifier;

namespace velkor {

class ClockChangeWatch : public QObject
{
    Q_OBJECT
public:
    explicit ClockChangeWatch(QObject* parent = nullptr);
    ~ClockChangeWatch() override;

    /// False when the system offers no such timer; clock changes then go unnoticed.
    bool is_active() const { return my_fd >= 0; }

signals:
    /// The system clock was set (by the user, or by time synchronisation stepping it).
    void clock_changed();

private:
    bool arm();
    void on_readable();

    int my_fd = -1;
    QSocketNotifier* my_notifier = nullptr;
};

} // namespace velkor
