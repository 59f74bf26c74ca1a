#pragma once
// Where the help file is: the `HelpPath` setting names its folder ("!0" the program folder, "!1"
// the current folder, anything else that folder), and the "Configure Online Help" check of a
// folder, which fetches the help file from the program folder when the folder lacks it.

#include "base/Prompt.h"

#include <functional>
#include <optional>
#include <string>

namespace velkor {

inline constexpr const char* kHelpFileName = "velkors.qch";
inline constexpr const char* kHelpInProgramFolder = "!0";
inline constexpr const char* kHelpInCurrentFolder = "!1";

/// Topic shown when the help file is missing from the program folder.
inline constexpr int kTopicHelpFileMissing = 1110;

/// Told once, when the help path is resolved and no help file is there.
inline constexpr const char* kHelpMissingText =
    "Sorry, online help is not available because the help\nfile is missing.  You may need to reinstall Velkor.";

/// The help path resolved against the program folder and the current folder of the moment.
struct HelpLocation
{
    std::string folder;              ///< absolute, so that later changes of the working folder do not move it
    std::optional<std::string> file; ///< folder + "/velkors.qch" when that file can be read
};

/// Resolves setting ("!0", "!1" or a folder, relative ones taken in current_folder).
HelpLocation locate_help(const std::string& setting, const std::string& program_folder,
                         const std::string& current_folder);

/// Whether two folders are the same by name, letter case significant, ignoring a final separator.
bool same_folder(const std::string& a, const std::string& b);

/// The folder check of "Configure Online Help": folder must exist; if it holds a readable help
/// file the check passes; otherwise the file is copied there from the program folder, which needs
/// read and write access to folder. A missing source shows topic 1110 through show_topic and a
/// message. Every failure has been told through prompt when this returns false.
bool check_help_folder(const std::string& folder, const std::string& program_folder, Prompt& prompt,
                       const std::function<void(int)>& show_topic);

} // namespace velkor
