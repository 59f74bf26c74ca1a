#pragma once
// The log lock of a running program: the lock file beside the log (stem + ".lck") held open,
// and the path of its readable mirror (stem + ".clg").

#include "base/Prompt.h"
#include "platform/LockFile.h"

#include <memory>
#include <string>

namespace velkor {

class LogLock
{
public:
    /// Locks the lock file of log_path. On failure shows "%d: %s" (errno and its text) with the
    /// caption "Lock file error" and returns false; a lock held before stays held. On success the
    /// previous lock is released (its mirror deleted) and the new mirror is deleted.
    bool take(const std::string& log_path, Prompt& prompt);

    bool is_held() const { return my_file != nullptr; }
    /// The open lock file, or null; the crash record is kept in it.
    LockFile* lock_file() const { return my_file.get(); }
    const std::string& mirror_path() const { return my_mirror_path; }
    /// The mirror's full name, as it was when the lock was taken (the working folder may change).
    const std::string& mirror_full_path() const { return my_mirror_absolute; }

private:
    std::unique_ptr<LockFile> my_file;
    std::string my_mirror_path;
    std::string my_mirror_absolute;
};

} // namespace velkor
