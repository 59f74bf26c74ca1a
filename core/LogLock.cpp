#include "core/LogLock.h"

#include "core/CommandLine.h"
#include "platform/DurableFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace velkor {

namespace {

// The old mirror is removed after a switch of working folder too, so it is kept by its full name.
std::string absolute_path(const std::string& path)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

} // namespace

bool LogLock::take(const std::string& log_path, Prompt& prompt)
{
    LockFileNames names = lock_file_names(log_path);
    // The same lock file under another name is already ours: reopening it would only fail.
    if (my_file && my_file->is_same_file(names.lock)) {
        my_mirror_path = names.mirror;
        my_mirror_absolute = absolute_path(names.mirror);
        return true;
    }
    auto file = std::make_unique<LockFile>();
    if (int error = file->open(names.lock)) {
        prompt.message(std::to_string(error) + ": " + system_error_text(error), "Lock file error", Buttons::Ok,
                       Icon::Information);
        return false;
    }
    if (my_file)
        std::remove(my_mirror_absolute.c_str());
    my_file = std::move(file);
    my_mirror_path = names.mirror;
    my_mirror_absolute = absolute_path(names.mirror);
    std::remove(my_mirror_absolute.c_str());
    // Only the holder of the lock writes this mirror, and the mirror is rewritten at every
    // check-in: a kill during one of those leaves its temporary file.
    remove_interrupted_rewrites(my_mirror_absolute);
    return true;
}

} // namespace velkor
