#include "help/FileCopy.h"

#include "platform/DurableFile.h"
#include "platform/FileAccess.h"

#include <fcntl.h>
#include <unistd.h>

namespace velkor {

std::optional<CopyFailure> copy_file(const std::string& source, const std::string& target)
{
    std::string bytes;
    if (int error = read_regular_file(source, bytes); error != 0)
        return CopyFailure{CopyFailure::Step::OpenSource, error};
    if (int error = write_file_atomically(target, bytes); error != 0)
        return CopyFailure{CopyFailure::Step::CreateTarget, error};
    return std::nullopt;
}

std::string join_path(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    const char last = folder.back();
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

bool is_readable_file(const std::string& path)
{
    int fd = open_regular(path, O_RDONLY);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace velkor
