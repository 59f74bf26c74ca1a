#pragma once
// Tells when the program is asked to end from outside: SIGTERM (a logout, a shutdown, kill),
// SIGINT (Ctrl+C in its terminal) and SIGHUP (its terminal went away). The signal handler only
// writes the signal's number into a pipe; the event loop reads it and emits end_requested, so
// whatever follows runs as ordinary code on the user-interface thread.

#include <QObject>

class QSocketNotifier;

namespace velkor {

class EndSignalWatch : public QObject
{
    Q_OBJECT
public:
    /// Installs the handlers; one watch at a time in a process.
    explicit EndSignalWatch(QObject* parent = nullptr);
    /// Puts the handlers that were there before back.
    ~EndSignalWatch() override;
    EndSignalWatch(const EndSignalWatch&) = delete;
    EndSignalWatch& operator=(const EndSignalWatch&) = delete;

    /// False when the pipe or a handler could not be had; the signals then end the program as usual.
    bool is_active() const { return my_notifier != nullptr; }

signals:
    /// One of the signals arrived (its number); more of them before the loop saw the first count as one.
    void end_requested(int signal);

private:
    void on_readable();

    int my_read_fd = -1;
    QSocketNotifier* my_notifier = nullptr;
};

} // namespace velkor
