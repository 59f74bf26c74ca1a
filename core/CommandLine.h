#pragma once
// The start-up values that come from the command line and the three VKR_ variables: program
// folder, reporter path, file overrides and the window title, and the check of the arguments.

#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "core/VariableLookup.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

inline constexpr std::size_t kMaxTitleBytes = 99;
inline constexpr std::size_t kMaxPathBytes = 511;
/// The reporter program, started from the program folder.
inline constexpr const char* kReporterFileName = "vkrept";

/// The folder part of a path up to and including its last "/" or "\\"; empty when there is none.
std::string folder_of(const std::string& path);

/// The path without its extension; the extension starts at the last "." after the last separator.
std::string path_stem(const std::string& path);

/// Names of the lock file (stem + ".lck") and its readable mirror (stem + ".clg").
struct LockFileNames
{
    std::string lock;
    std::string mirror;
};
LockFileNames lock_file_names(const std::string& log_path);

class CommandLine
{
public:
    /// argument0 is the program's own path; arguments are the ones after it, in order.
    CommandLine(const std::string& argument0, std::vector<std::string> arguments);

    /// Takes the overrides from VKR_LOG_FILE, VKR_PROJECT_FILE and VKR_TITLE.
    void apply_variables(const VariableLookup& lookup);
    /// Takes -l, -p and -t (by their first two characters); later than and stronger than the variables.
    void apply_options();
    /// Shows one message for each unknown option or argument without "="; false when any was bad.
    bool check_arguments(Prompt& prompt) const;

    /// The log file override (cut to 511 bytes), else the LogFile setting.
    std::string log_file_path(const std::string& setting) const;
    /// The project file override (cut to 511 bytes), else the ProjectFile setting.
    std::string project_file_path(const std::string& setting) const;

    const std::string& program_folder() const { return my_program_folder; }
    const std::string& reporter_path() const { return my_reporter_path; }
    const std::vector<std::string>& arguments() const { return my_arguments; }
    const std::optional<std::string>& log_file_override() const { return my_log_file_override; }
    const std::optional<std::string>& project_file_override() const { return my_project_file_override; }
    /// The title from -t or VKR_TITLE, at most 99 bytes; none when the setting decides.
    const std::optional<std::string>& window_title() const { return my_window_title; }

private:
    std::string my_program_folder;
    std::string my_reporter_path;
    std::vector<std::string> my_arguments;
    std::optional<std::string> my_log_file_override;
    std::optional<std::string> my_project_file_override;
    std::optional<std::string> my_window_title;
};

} // namespace velkor
