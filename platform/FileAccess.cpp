#include "platform/FileAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkor {

bool is_absent_or_writable(const std::string& path)
{
    struct stat info
    {
    };
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT;
    // A file without any write permission counts as read-only even for the superuser, who
    // could write it anyway: the user marked it so.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return access(path.c_str(), W_OK) == 0;
}

int non_regular_error(unsigned mode)
{
    if (S_ISREG(mode))
        return 0;
    return S_ISDIR(mode) ? EISDIR : EINVAL;
}

int open_regular(const std::string& path, int flags, unsigned create_mode)
{
    // O_NONBLOCK keeps open from waiting for the other end of a FIFO; on a regular file it
    // changes nothing, and it is cleared again below all the same.
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, static_cast<mode_t>(create_mode));
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    struct stat info
    {
    };
    int error = ::fstat(fd, &info) != 0 ? errno : non_regular_error(info.st_mode);
    if (error == 0 && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        error = errno;
    if (error != 0) {
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::FILE* fopen_regular(const std::string& path)
{
    int fd = open_regular(path, O_RDONLY);
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        int error = errno;
        ::close(fd);
        errno = error;
    }
    return file;
}

int read_regular_file(const std::string& path, std::string& bytes)
{
    bytes.clear();
    std::FILE* file = fopen_regular(path);
    if (file == nullptr)
        return errno != 0 ? errno : EIO;
    char buffer[65536];
    std::size_t got;
    errno = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    int error = std::ferror(file) ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(file);
    return error;
}

} // namespace velkor
