#include "backup/AutoBackupSettings.h"

#include "backup/BackupNames.h"
#include "base/Prompt.h"
#include "classlib/SettingsKeys.h"

#include <cerrno>
#include <charconv>
#include <sys/stat.h>

namespace velkor {
namespace {

constexpr const char* kBlanks = " \t\r\n\v\f";

// A whole decimal number, blanks around it allowed; nothing for anything else.
std::optional<int> decimal_number(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(kBlanks) + 1;
    const char* begin = text.data() + first;
    const char* end = text.data() + last;
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

bool is_folder(const std::string& path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool make_folder(const std::string& path)
{
    // A folder that appeared meanwhile (or a name given with a trailing separator) is just as good.
    return ::mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && is_folder(path));
}

AutoBackupCheck refuse(Prompt& prompt, const char* text, AutoBackupField field)
{
    prompt.message(text, "Error", Buttons::Ok, Icon::Stop);
    return {std::nullopt, field};
}

} // namespace

AutoBackupSettings read_autobackup_settings(IniFile& ini)
{
    AutoBackupSettings settings;
    settings.enabled = get_flag(ini, kAutoBackup);
    settings.smart = get_flag(ini, kSmartBackup);
    settings.report = get_flag(ini, kBackupReport);
    settings.days = get_int(ini, kBackupNDays);
    settings.copies = get_int(ini, kBackupNCopies);
    settings.folder = get(ini, kBackupFolder);
    return settings;
}

void write_autobackup_settings(IniFile& ini, const AutoBackupSettings& settings)
{
    put_flag(ini, kAutoBackup, settings.enabled);
    if (!settings.enabled)
        return;
    put_flag(ini, kSmartBackup, settings.smart);
    put_flag(ini, kBackupReport, settings.report);
    put_int(ini, kBackupNDays, settings.days);
    put_int(ini, kBackupNCopies, settings.copies);
    put(ini, kBackupFolder, settings.folder);
}

AutoBackupCheck check_autobackup_fields(const AutoBackupFields& fields, Prompt& prompt)
{
    AutoBackupSettings settings;
    settings.enabled = fields.enabled;
    if (!fields.enabled)
        return {settings};

    const std::optional<int> days = decimal_number(fields.days);
    if (!days || *days < 1)
        return refuse(prompt, "Invalid number of days.", AutoBackupField::Days);
    const std::optional<int> copies = decimal_number(fields.copies);
    if (!copies || *copies < 1)
        return refuse(prompt, "Invalid number of copies.", AutoBackupField::Copies);
    const std::size_t start = fields.folder.find_first_not_of(kBlanks);
    if (start == std::string::npos)
        return refuse(prompt, "No folder name given.", AutoBackupField::Folder);
    const std::string folder = fields.folder.substr(start);
    if (!is_folder(folder)) {
        if (prompt.message("Specified backup folder does not exist.\nShall I create it for you?", "Error",
                           Buttons::YesNo, Icon::Question) != Answer::Yes)
            return {std::nullopt, AutoBackupField::Folder};
        if (!create_backup_folder(folder))
            return refuse(prompt, "Cannot create backup folder.", AutoBackupField::Folder);
    }
    settings.smart = fields.smart;
    settings.report = fields.report;
    settings.days = *days;
    settings.copies = *copies;
    settings.folder = folder;
    return {settings};
}

bool create_backup_folder(const std::string& folder)
{
    if (is_folder(folder) || make_folder(folder))
        return true;
    const std::size_t separator = last_separator(folder);
    if (separator == std::string::npos || separator == 0)
        return false;
    return create_backup_folder(folder.substr(0, separator)) && make_folder(folder);
}

} // namespace velkor
