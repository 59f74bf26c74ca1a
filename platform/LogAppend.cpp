#include "platform/LogAppend.h"

#include "platform/FileAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace velkor {

LogAppend::LogAppend(SyncCall sync) : my_sync(sync ? std::move(sync) : SyncCall(::fsync)) {}

LogAppend::~LogAppend()
{
    if (my_fd >= 0)
        ::close(my_fd);
}

bool LogAppend::fail()
{
    my_error = errno;
    return false;
}

bool LogAppend::open(const std::string& path)
{
    if (my_fd >= 0)
        ::close(my_fd);
    my_path = path;
    my_error = 0;
    my_created = false;
    my_opened = false;
    my_start_size = 0;
    // A log that is a FIFO or a device is refused rather than waited on or written into.
    my_fd = open_regular(path, O_WRONLY | O_APPEND);
    if (my_fd < 0 && errno == ENOENT) {
        // Remember that this append made the file, so a failed first record leaves no file.
        my_fd = open_regular(path, O_WRONLY | O_APPEND | O_CREAT | O_EXCL, 0666);
        my_created = my_fd >= 0;
    }
    if (my_fd < 0)
        return fail();
    struct stat st
    {
    };
    if (::fstat(my_fd, &st) != 0) {
        fail();
        ::close(my_fd);
        my_fd = -1;
        return false;
    }
    my_start_size = st.st_size;
    my_opened = true;
    return true;
}

bool LogAppend::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(my_fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail();
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool LogAppend::flush()
{
    return my_sync(my_fd) == 0 || fail();
}

bool LogAppend::close()
{
    int fd = my_fd;
    my_fd = -1;
    // A failed close has still released the descriptor; it must not be closed again.
    return ::close(fd) == 0 || fail();
}

bool LogAppend::roll_back()
{
    if (!my_opened)
        return true; // nothing was appended, so there is nothing to undo
    my_opened = false;
    bool ok;
    if (my_fd >= 0) {
        ok = ::ftruncate(my_fd, my_start_size) == 0 && my_sync(my_fd) == 0;
        ::close(my_fd);
        my_fd = -1;
    } else {
        ok = ::truncate(my_path.c_str(), my_start_size) == 0 || errno == ENOENT;
    }
    if (my_created)
        ok = ::unlink(my_path.c_str()) == 0 || errno == ENOENT;
    my_created = false;
    return ok;
}

} // namespace velkor
