#include "platform/qt/ClockChangeWatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace velkor {
namespace {

// Far enough that the timer never expires on its own, near enough for every kernel's range.
constexpr std::time_t kFarFuture = std::time_t{50} * 365 * 24 * 3600;

} // namespace

ClockChangeWatch::ClockChangeWatch(QObject* parent) : QObject(parent)
{
    my_fd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (my_fd < 0)
        return;
    if (!arm()) {
        ::close(my_fd);
        my_fd = -1;
        return;
    }
    my_notifier = new QSocketNotifier(my_fd, QSocketNotifier::Read, this);
    connect(my_notifier, &QSocketNotifier::activated, this, &ClockChangeWatch::on_readable);
}

ClockChangeWatch::~ClockChangeWatch()
{
    delete my_notifier;
    if (my_fd >= 0)
        ::close(my_fd);
}

bool ClockChangeWatch::arm()
{
    timespec now = {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    itimerspec expiry = {};
    expiry.it_value.tv_sec = now.tv_sec + kFarFuture;
    return ::timerfd_settime(my_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &expiry, nullptr) == 0;
}

void ClockChangeWatch::on_readable()
{
    std::uint64_t expirations = 0;
    ssize_t n = ::read(my_fd, &expirations, sizeof expirations);
    if (n < 0 && errno == EAGAIN)
        return;
    bool changed = n < 0 && errno == ECANCELED;
    // A cancelled (or, against all odds, expired) timer must be armed again to keep watching.
    if (!arm())
        my_notifier->setEnabled(false);
    if (changed)
        emit clock_changed();
}

} // namespace velkor
