// POSIX half. A Windows half would use ReplaceFileW / MoveFileExW with MOVEFILE_WRITE_THROUGH.
#include "platform/DurableFile.h"

#include "platform/FileAccess.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace velkor {
namespace {

// Temporary files are named after the file they replace plus this and six random characters, a
// name no user file is likely to have, so that leftovers can be told apart and removed.
constexpr std::string_view kTempMark = ".velkor-";
constexpr std::size_t kRandomChars = 6;
constexpr std::size_t kMaxNameBytes = 255;
constexpr int kMaxLinks = 40;

int write_all(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// The folder part of path with its slash ("" for a bare name) and the name after it.
std::pair<std::string, std::string> split_path(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Follows symbolic links until a name that is not one (or does not exist yet).
int resolve_links(const std::string& path, std::string& target)
{
    target = path;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat info
        {
        };
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return 0; // a missing file or an unreadable folder is the next step's to report
        std::vector<char> link(PATH_MAX + 1);
        ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0)
            return errno;
        if (static_cast<std::size_t>(n) >= link.size())
            return ENAMETOOLONG;
        std::string next(link.data(), static_cast<std::size_t>(n));
        target = next.front() == '/' ? next : split_path(target).first + next;
    }
    return ELOOP;
}

// Where the temporary files of a rewrite of target start: the same folder, the same name (cut
// so that the whole name still fits) and the mark.
std::string temp_prefix(const std::string& target)
{
    auto [folder, name] = split_path(target);
    name.resize(std::min(name.size(), kMaxNameBytes - kTempMark.size() - kRandomChars));
    return folder + name + std::string(kTempMark);
}

mode_t new_file_mode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int write_in_place(const std::string& path, std::string_view bytes, Links links)
{
    int fd = open_regular(path, O_WRONLY | O_CREAT | O_TRUNC | (links == Links::Replace ? O_NOFOLLOW : 0));
    if (fd < 0)
        return errno;
    int err = write_all(fd, bytes);
    if (err == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    return err;
}

// Gives the temporary file the old file's owner and mode, or a new file's mode.
void take_over_attributes(int fd, const struct stat* old)
{
    if (old == nullptr) {
        ::fchmod(fd, new_file_mode());
        return;
    }
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
        int ignored = ::fchown(fd, old->st_uid, old->st_gid); // only the superuser may give files away
        (void)ignored;
    }
    ::fchmod(fd, old->st_mode & 07777);
}

void sync_folder(const std::string& path)
{
    std::string folder = split_path(path).first;
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

int make_temp_file(char* name_template)
{
    return ::mkostemp(name_template, O_CLOEXEC);
}

bool is_temp_name(std::string_view name, std::string_view prefix)
{
    if (name.size() != prefix.size() + kRandomChars || name.substr(0, prefix.size()) != prefix)
        return false;
    for (char c : name.substr(prefix.size())) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// Removes one leftover, unless a rewrite still holds its lock or it is no longer that file.
void remove_if_abandoned(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened
    {
    };
    struct stat named
    {
    };
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
        ::unlink(path.c_str());
    ::close(fd);
}

} // namespace

int write_file_atomically(const std::string& path, std::string_view bytes, Links links, TempFileMaker make_temp)
{
    std::string target = path;
    if (links == Links::Follow) {
        if (int err = resolve_links(path, target))
            return err;
    }
    struct stat old
    {
    };
    // A link that is to be replaced counts as no file: nothing of its target is taken over.
    const bool exists = ::lstat(target.c_str(), &old) == 0 && !S_ISLNK(old.st_mode);
    if (exists && !S_ISREG(old.st_mode))
        return non_regular_error(old.st_mode); // renaming over a folder or device would be worse

    std::string temp = temp_prefix(target) + std::string(kRandomChars, 'X');
    int fd = (make_temp ? make_temp : make_temp_file)(temp.data());
    if (fd < 0) {
        int err = errno;
        // Only a folder that forbids new files is a reason to write in place. Any other failure
        // (no free inode or block, too many open files) would make the in-place write fail
        // half-way too, and the old file would be lost.
        if (err == EACCES || err == EPERM || err == EROFS)
            return write_in_place(target, bytes, links);
        return err;
    }
    // Held until after the rename, so that a clean-up at another start leaves this file alone.
    ::flock(fd, LOCK_EX | LOCK_NB);
    take_over_attributes(fd, exists ? &old : nullptr);
    int err = write_all(fd, bytes);
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        err = errno;
    ::close(fd); // written and flushed: a late close error cannot undo that
    if (err == EXDEV || err == EBUSY) {
        ::unlink(temp.c_str());
        return write_in_place(target, bytes, links);
    }
    if (err != 0) {
        ::unlink(temp.c_str()); // the old file stays untouched
        return err;
    }
    sync_folder(target); // makes the rename itself durable
    return 0;
}

ReplacingFile::ReplacingFile(std::string path, Links links, TempFileMaker make_temp)
    : my_path(std::move(path)), my_links(links), my_make_temp(make_temp ? make_temp : make_temp_file)
{
}

ReplacingFile::~ReplacingFile()
{
    discard();
}

void ReplacingFile::discard()
{
    if (my_fd < 0)
        return;
    ::unlink(my_temp.c_str());
    ::close(my_fd);
    my_fd = -1;
}

int ReplacingFile::open()
{
    discard();
    my_target = my_path;
    if (my_links == Links::Follow) {
        if (int err = resolve_links(my_path, my_target))
            return err;
    }
    struct stat old
    {
    };
    const bool exists = ::lstat(my_target.c_str(), &old) == 0 && !S_ISLNK(old.st_mode);
    if (exists && !S_ISREG(old.st_mode))
        return non_regular_error(old.st_mode);
    my_temp = temp_prefix(my_target) + std::string(kRandomChars, 'X');
    my_fd = my_make_temp(my_temp.data());
    if (my_fd < 0)
        return errno;
    // Held until the file is renamed or removed, so that a clean-up at another start leaves it alone.
    ::flock(my_fd, LOCK_EX | LOCK_NB);
    take_over_attributes(my_fd, exists ? &old : nullptr);
    return 0;
}

int ReplacingFile::write(std::string_view bytes)
{
    return my_fd < 0 ? EBADF : write_all(my_fd, bytes);
}

int ReplacingFile::commit()
{
    if (my_fd < 0)
        return EBADF;
    int err = ::fsync(my_fd) != 0 ? errno : 0;
    if (err == 0 && ::rename(my_temp.c_str(), my_target.c_str()) != 0)
        err = errno;
    if (err != 0) {
        discard();
        return err;
    }
    ::close(my_fd); // written and flushed: a late close error cannot undo that
    my_fd = -1;
    sync_folder(my_target);
    return 0;
}

void remove_interrupted_rewrites(const std::string& path)
{
    std::string target;
    if (resolve_links(path, target) != 0)
        return;
    const std::string prefix = temp_prefix(target);
    auto [folder, name_prefix] = split_path(prefix);
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (is_temp_name(entry->d_name, name_prefix))
            remove_if_abandoned(folder + entry->d_name);
    }
    ::closedir(dir);
}

} // namespace velkor
