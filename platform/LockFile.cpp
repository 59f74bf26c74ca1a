#include "platform/LockFile.h"

#include "platform/FileAccess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkor {

LockFile::~LockFile()
{
    close();
}

int LockFile::open(const std::string& path)
{
    close();
    // Never through a symbolic link: a link planted in its place must not make the program
    // write its record into some other file. Only a regular file can be the lock file.
    int fd = open_regular(path, O_RDWR | O_CREAT | O_NOFOLLOW, 0644);
    if (fd < 0)
        return errno;
    // flock belongs to the open file description, so even a second open in this process is refused.
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        int error = errno;
        ::close(fd);
        return error;
    }
    my_fd = fd;
    my_path = path;
    return 0;
}

void LockFile::close()
{
    if (my_fd >= 0)
        ::close(my_fd);
    my_fd = -1;
    my_path.clear();
}

bool LockFile::is_same_file(const std::string& path) const
{
    struct stat mine = {};
    struct stat other = {};
    return my_fd >= 0 && ::fstat(my_fd, &mine) == 0 && ::stat(path.c_str(), &other) == 0 &&
           mine.st_dev == other.st_dev && mine.st_ino == other.st_ino;
}

bool LockFile::write_at_start(std::string_view bytes)
{
    if (my_fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::pwrite(my_fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(my_fd) == 0;
}

long LockFile::read_at(std::uint64_t offset, char* buffer, std::size_t n)
{
    if (my_fd < 0)
        return -1;
    ssize_t got;
    do {
        got = ::pread(my_fd, buffer, n, static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
}

std::string system_error_text(int code)
{
    return std::strerror(code);
}

} // namespace velkor
