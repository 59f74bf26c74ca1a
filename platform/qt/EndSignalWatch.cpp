#include "platform/qt/EndSignalWatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace velkor {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// Written only by the handler, which may run at any moment: a plain descriptor is all it touches.
volatile std::sig_atomic_t g_write_fd = -1;
struct sigaction g_previous[kSignalCount];

extern "C" void on_end_signal(int signal)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a request; the byte is not needed then.
    (void)!::write(g_write_fd, &byte, 1);
    errno = saved;
}

} // namespace

EndSignalWatch::EndSignalWatch(QObject* parent) : QObject(parent)
{
    int fds[2];
    if (g_write_fd >= 0 || ::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    my_read_fd = fds[0];
    g_write_fd = fds[1];
    struct sigaction action = {};
    action.sa_handler = on_end_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kSignalCount; ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
    my_notifier = new QSocketNotifier(my_read_fd, QSocketNotifier::Read, this);
    connect(my_notifier, &QSocketNotifier::activated, this, &EndSignalWatch::on_readable);
}

EndSignalWatch::~EndSignalWatch()
{
    if (my_read_fd < 0)
        return;
    for (int i = 0; i < kSignalCount; ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    delete my_notifier;
    ::close(g_write_fd);
    g_write_fd = -1;
    ::close(my_read_fd);
}

void EndSignalWatch::on_readable()
{
    unsigned char bytes[64];
    ssize_t n;
    int first = 0;
    while ((n = ::read(my_read_fd, bytes, sizeof bytes)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0 && first == 0)
            first = bytes[0];
    }
    if (first != 0)
        emit end_requested(first);
}

} // namespace velkor
