#pragma once
// Reading a project list from its three files and writing them back: the project file, the
// hidden list and the remembered-memo file. The store remembers which project file the list in
// use came from and whether its remembered-memo file belongs to it; the list itself knows no
// files.

#include "base/Prompt.h"
#include "core/ProjectList.h"

#include <string>

namespace velkor {

/// Name of the hidden list, in the working folder.
inline constexpr const char* kHiddenListFile = "hidden.ini";

/// What a write achieved.
enum class StoreResult
{
    Written,
    NotWritten, ///< nothing to write to: the list owns no remembered-memo file
    Failed,     ///< the file could not be written; it is as it was, and the user was told where it was asked
};

class ProjectListStore
{
public:
    explicit ProjectListStore(Prompt& prompt) : my_prompt(prompt) {}

    /// Reads the project file at path, then the hidden list, then the remembered-memo file, and
    /// returns the list. Problems are shown as they are found; a missing project file gives an
    /// empty list silently. From now on saves go to path, and the remembered memos are written to
    /// the file derived from path only when the project file could be read (or has been written
    /// since, with no such file there yet).
    [[nodiscard]] ProjectList load(const std::string& path);

    /// Writes the hidden list (failures not reported), then the project file of the list last
    /// loaded. A project file that cannot be written is reported and gives Failed: the caller
    /// reads the list again, so that what is shown is what the file holds.
    [[nodiscard]] StoreResult save(const ProjectList& list);
    /// Writes the hidden list alone; failures are not reported.
    StoreResult save_hidden_list(const ProjectList& list);
    /// Writes the remembered-memo file of the list last loaded; a failure is reported.
    [[nodiscard]] StoreResult save_remembered_memos(const ProjectList& list);

    /// The project file the list in use was read from and is saved to.
    const std::string& project_file() const { return my_project_file; }
    /// The remembered-memo file the list in use writes; empty while it owns none.
    const std::string& memo_file() const { return my_memo_file; }

private:
    StoreResult write_project_file(const ProjectList& list);

    Prompt& my_prompt;
    std::string my_project_file;
    std::string my_memo_file;
};

} // namespace velkor
