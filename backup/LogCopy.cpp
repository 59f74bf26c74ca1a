#include "backup/LogCopy.h"

#include "backup/BlockCopy.h"
#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "platform/DurableFile.h"
#include "platform/FileAccess.h"
#include "platform/LockFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkor {
namespace {

constexpr const char* kBackupStatus = "Backup status:";
constexpr const char* kRestoreStatus = "Restore status:";

bool tell_failure(Prompt& prompt, const char* caption, const std::string& path, const std::string& reason)
{
    prompt.message("Error on " + message_excerpt(path) + "\n" + reason, caption, Buttons::Ok, Icon::Stop);
    return false;
}

bool tell_failure(Prompt& prompt, const char* caption, const std::string& path, int error)
{
    return tell_failure(prompt, caption, path, system_error_text(error));
}

bool tell_completed(Prompt& prompt, const char* caption)
{
    prompt.message("Completed", caption, Buttons::Ok, Icon::Information);
    return true;
}

// Closes a descriptor when the copy is over, however it ended.
struct Descriptor
{
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    /// Closes now: 0, or the errno value of a failed close (a write the system had held back).
    int close()
    {
        const int result = ::close(fd);
        fd = -1;
        return result == 0 ? 0 : errno;
    }

    int fd;
};

bool same_file(int a, int b)
{
    struct stat first
    {
    };
    struct stat second
    {
    };
    return ::fstat(a, &first) == 0 && ::fstat(b, &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

// The backup target, opened without losing anything yet: an existing file is truncated only
// once the log is open, a new one is remembered so that a failure can take it away again.
int open_target(const std::string& target, bool& created)
{
    created = true;
    int fd = open_regular(target, O_WRONLY | O_CREAT | O_EXCL);
    if (fd < 0 && errno == EEXIST) {
        created = false;
        fd = open_regular(target, O_WRONLY);
    }
    return fd;
}

int flush_to_disk(int fd)
{
    // Some file systems cannot sync at all (EINVAL); what they hold is all there is.
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
}

} // namespace

bool BackupLogFile(const std::string& log_file, const std::string& target, Prompt& prompt)
{
    bool created = false;
    Descriptor out(open_target(target, created));
    if (out.fd < 0)
        return tell_failure(prompt, kBackupStatus, target, errno);
    Descriptor in(open_regular(log_file, O_RDONLY));
    if (in.fd < 0) {
        const int error = errno;
        if (created)
            ::unlink(target.c_str());
        return tell_failure(prompt, kBackupStatus, log_file, error);
    }
    // Truncating the target would empty the log itself.
    if (same_file(in.fd, out.fd))
        return tell_failure(prompt, kBackupStatus, target, "The log file cannot be backed up onto itself.");

    CopyOutcome outcome;
    if (::ftruncate(out.fd, 0) != 0)
        outcome = {CopyOutcome::WriteFailed, errno};
    else
        outcome = copy_blocks(in.fd, [&out](std::string_view block) { return write_all(out.fd, block); });
    if (outcome.step == CopyOutcome::Done) {
        int error = flush_to_disk(out.fd);
        if (const int closed = out.close(); error == 0)
            error = closed;
        if (error != 0)
            outcome = {CopyOutcome::WriteFailed, error};
    }
    if (outcome.step == CopyOutcome::Done)
        return tell_completed(prompt, kBackupStatus);

    // A partial copy would pass for a backup.
    out.close();
    ::unlink(target.c_str());
    const bool read_failed = outcome.step == CopyOutcome::ReadFailed;
    return tell_failure(prompt, kBackupStatus, read_failed ? log_file : target, outcome.error);
}

bool RestoreLogFile(const std::string& log_file, const std::string& source, Prompt& prompt)
{
    struct stat info
    {
    };
    if (::stat(log_file.c_str(), &info) == 0 &&
        prompt.message("The log file " + message_excerpt(log_file) +
                           "\nalready exists.  Is it ok to replace it with\n" + message_excerpt(source) + "?",
                       "Log file already exists", Buttons::YesNo, Icon::Question) != Answer::Yes)
        return false;

    Descriptor in(open_regular(source, O_RDONLY));
    if (in.fd < 0)
        return tell_failure(prompt, kRestoreStatus, source, errno);
    remove_interrupted_rewrites(log_file);
    ReplacingFile out(log_file);
    if (const int error = out.open())
        return tell_failure(prompt, kRestoreStatus, log_file, error);
    const CopyOutcome outcome = copy_blocks(in.fd, [&out](std::string_view block) { return out.write(block); });
    if (outcome.step == CopyOutcome::ReadFailed)
        return tell_failure(prompt, kRestoreStatus, source, outcome.error);
    if (outcome.step == CopyOutcome::WriteFailed)
        return tell_failure(prompt, kRestoreStatus, log_file, outcome.error);
    if (const int error = out.commit())
        return tell_failure(prompt, kRestoreStatus, log_file, error);
    return tell_completed(prompt, kRestoreStatus);
}

} // namespace velkor
