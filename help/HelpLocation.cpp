#include "help/HelpLocation.h"

#include "base/Utf8Text.h"
#include "help/FileCopy.h"

#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace velkor {
namespace {

std::string without_final_separator(std::string folder)
{
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    return folder;
}

std::string absolute_folder(const std::string& folder, const std::string& current_folder)
{
    if (folder.empty())
        return current_folder;
    std::filesystem::path path(folder);
    if (path.is_absolute())
        return without_final_separator(folder);
    return without_final_separator((std::filesystem::path(current_folder) / path).lexically_normal().string());
}

bool is_folder(const std::string& path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void folder_missing(const std::string& folder, Prompt& prompt)
{
    prompt.message("Folder does not exist:\n\n" + message_excerpt(folder) + "\n\nPlease create it and try again.",
                   "Error", Buttons::Ok, Icon::Stop);
}

} // namespace

HelpLocation locate_help(const std::string& setting, const std::string& program_folder,
                         const std::string& current_folder)
{
    HelpLocation location;
    if (setting == kHelpInProgramFolder)
        location.folder = absolute_folder(program_folder, current_folder);
    else if (setting == kHelpInCurrentFolder)
        location.folder = without_final_separator(current_folder);
    else
        location.folder = absolute_folder(setting, current_folder);
    const std::string file = join_path(location.folder, kHelpFileName);
    if (is_readable_file(file))
        location.file = file;
    return location;
}

bool same_folder(const std::string& a, const std::string& b)
{
    return without_final_separator(a) == without_final_separator(b);
}

bool check_help_folder(const std::string& folder, const std::string& program_folder, Prompt& prompt,
                       const std::function<void(int)>& show_topic)
{
    if (!is_folder(folder)) {
        folder_missing(folder, prompt);
        return false;
    }
    const std::string target = join_path(folder, kHelpFileName);
    if (is_readable_file(target))
        return true;
    // Only a folder the file is copied into needs to be writable; the program folder of an
    // installation that already holds the file is not.
    if (::access(folder.c_str(), R_OK | W_OK | X_OK) != 0) {
        folder_missing(folder, prompt);
        return false;
    }
    const std::string source = join_path(program_folder, kHelpFileName);
    if (!is_readable_file(source)) {
        show_topic(kTopicHelpFileMissing);
        prompt.message("The help file was not found.\nYou may need to reinstall Velkor.", "Error", Buttons::Ok,
                       Icon::Information);
        return false;
    }
    if (std::optional<CopyFailure> failure = copy_file(source, target)) {
        const bool source_failed = failure->step == CopyFailure::Step::OpenSource;
        prompt.message(std::string(source_failed ? "Could not open " : "Could not create ") +
                           message_excerpt(source_failed ? source : target) +
                           "\n\nReason: " + std::strerror(failure->error),
                       "Error", Buttons::Ok, Icon::Stop);
        return false;
    }
    return true;
}

} // namespace velkor
