#include "platform/FileAccess.h"

#include <cerrno>
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

} // namespace velkor
