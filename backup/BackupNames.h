#pragma once
// The names the backup features work with: the file the Backup and Restore dialogs propose, and
// the numbered copies AutoBackup keeps of the log.

#include <string>
#include <string_view>

namespace velkor {

/// The position of the last "/" or "\" in path, or npos when it has none.
std::size_t last_separator(std::string_view path);

/// Where a file dialog starts: its folder and the name it proposes (empty: none).
struct FileProposal
{
    std::string folder;
    std::string name;

    bool operator==(const FileProposal&) const = default;
};

/// The proposal of `BackupFile`: split at its last separator into folder and name; a value
/// without one is the folder, with no name proposed.
FileProposal propose_backup_file(const std::string& backup_file);

/// The numbered copies of a log in a backup folder: copy i (1 is the newest) is
/// folder + "/" + stem + i + extension, where stem and extension are the log's name without its
/// folder, split at the name's last point (the extension keeps the point; no point, none).
class BackupCopyNames
{
public:
    BackupCopyNames() = default;
    /// An empty folder stands for the current folder, never the root.
    BackupCopyNames(std::string_view log_file, std::string folder);

    /// The name of copy i, i >= 1.
    std::string name(int i) const;
    const std::string& stem() const { return my_stem; }
    const std::string& extension() const { return my_extension; }

private:
    std::string my_folder;
    std::string my_stem;
    std::string my_extension;
};

} // namespace velkor
