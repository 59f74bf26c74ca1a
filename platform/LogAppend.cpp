#include "platform/LogAppend.h"

#include "platform/FileAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
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
    // A log that is a FIFO or a device is refused rather than waited on or written into. It is
    // opened for reading too, to see how its last line ends; a log that may only be written is
    // appended to all the same.
    my_fd = open_regular(path, O_RDWR | O_APPEND);
    if (my_fd < 0 && errno == EACCES)
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
    my_line_end = missing_line_end();
    return true;
}

std::string_view LogAppend::missing_line_end() const
{
    char last = '\n';
    if (my_start_size > 0 && ::pread(my_fd, &last, 1, static_cast<off_t>(my_start_size - 1)) != 1)
        return {};
    if (last == '\n')
        return {};
    return last == '\r' ? std::string_view("\n") : std::string_view("\r\n");
}

bool LogAppend::write(std::string_view bytes)
{
    // One writev puts the line end and the record in the file together.
    std::string_view head = my_line_end;
    while (!head.empty() || !bytes.empty()) {
        iovec parts[2] = {{const_cast<char*>(head.data()), head.size()},
                          {const_cast<char*>(bytes.data()), bytes.size()}};
        ssize_t n = ::writev(my_fd, parts, 2);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail();
        }
        auto written = static_cast<std::size_t>(n);
        const std::size_t from_head = written < head.size() ? written : head.size();
        head.remove_prefix(from_head);
        bytes.remove_prefix(written - from_head);
    }
    my_line_end = {};
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

bool LogAppend::ends_with(std::string_view bytes)
{
    int fd = open_regular(my_path, O_RDONLY);
    if (fd < 0)
        return false;
    struct stat st
    {
    };
    std::string tail(bytes.size(), '\0');
    bool same = ::fstat(fd, &st) == 0 && st.st_size >= static_cast<off_t>(bytes.size()) &&
                ::pread(fd, tail.data(), tail.size(), st.st_size - static_cast<off_t>(bytes.size())) ==
                    static_cast<ssize_t>(bytes.size()) &&
                tail == bytes;
    ::close(fd);
    return same;
}

} // namespace velkor
