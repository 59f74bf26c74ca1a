#pragma once
// Copying a file the program ships (the help file, the tutorial's sample files) from the program
// folder to where it is used.

#include <optional>
#include <string>

namespace velkor {

/// Why a copy failed: the source could not be read, or the target could not be written.
struct CopyFailure
{
    enum class Step
    {
        OpenSource,
        CreateTarget,
    };
    Step step;
    int error; ///< the errno value
};

/// Copies the regular file source to target, replacing target. The target is written under a
/// temporary name and renamed, so a failure (a full disk) never leaves a shortened target behind.
std::optional<CopyFailure> copy_file(const std::string& source, const std::string& target);

/// folder and name joined by one "/" (folder may end with "/" or "\\" already, or be empty).
std::string join_path(const std::string& folder, const std::string& name);

/// True when path names a regular file this process can open for reading.
bool is_readable_file(const std::string& path);

} // namespace velkor
