#include "backup/BackupNames.h"

namespace velkor {

std::size_t last_separator(std::string_view path)
{
    return path.find_last_of("/\\");
}

FileProposal propose_backup_file(const std::string& backup_file)
{
    const std::size_t separator = last_separator(backup_file);
    if (separator == std::string::npos)
        return {backup_file, std::string()};
    // A file in the root keeps its separator as the folder.
    return {backup_file.substr(0, separator == 0 ? 1 : separator), backup_file.substr(separator + 1)};
}

BackupCopyNames::BackupCopyNames(std::string_view log_file, std::string folder)
    : my_folder(folder.empty() ? std::string(".") : std::move(folder))
{
    const std::size_t separator = last_separator(log_file);
    const std::string_view name = separator == std::string::npos ? log_file : log_file.substr(separator + 1);
    const std::size_t point = name.rfind('.');
    my_stem = std::string(name.substr(0, point));
    if (point != std::string_view::npos)
        my_extension = std::string(name.substr(point));
}

std::string BackupCopyNames::name(int i) const
{
    return my_folder + "/" + my_stem + std::to_string(i) + my_extension;
}

} // namespace velkor
