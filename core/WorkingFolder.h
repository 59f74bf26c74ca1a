#pragma once
// The working-folder switch: a program started with its installation folder as the working folder
// keeps its files in the user's documents folder instead, so that they stay writable.

#include <optional>
#include <string>

namespace velkor {

/// The folder to switch to, or none to stay. It acts only when cwd equals the program folder
/// (ignoring case) and that folder is an installation folder. Under "Program Files" the rest of
/// the folder after it (from the next separator on; "/Default" when nothing remains) is appended
/// to documents; under /usr/ or /opt/ the folder is documents + "/Velkor". No documents folder:
/// none.
std::optional<std::string> working_folder_target(const std::string& cwd, const std::string& program_folder,
                                                 const std::optional<std::string>& documents);

/// Creates the target folder with its missing parents and makes it the working folder; false on failure.
bool switch_working_folder(const std::string& target);

} // namespace velkor
