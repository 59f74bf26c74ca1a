#pragma once
// AutoBackup's six settings, and the rules of its settings dialog: what OK accepts, and the
// creation of a missing backup folder.

#include <optional>
#include <string>

namespace velkor {

class IniFile;
class Prompt;

struct AutoBackupSettings
{
    bool enabled = false; ///< `AutoBackup`
    bool smart = true;    ///< `SmartBackup`
    bool report = true;   ///< `BackupReport`
    int days = 1;         ///< `BackupNDays`
    int copies = 3;       ///< `BackupNCopies`
    std::string folder = "Backup";

    bool operator==(const AutoBackupSettings&) const = default;
};

AutoBackupSettings read_autobackup_settings(IniFile& ini);

/// Writes `AutoBackup`, and the five others only while it is on: switched off, they keep their values.
void write_autobackup_settings(IniFile& ini, const AutoBackupSettings& settings);

/// What the dialog's controls hold when OK is pressed.
struct AutoBackupFields
{
    bool enabled = false;
    bool smart = false;
    bool report = false;
    std::string days;
    std::string copies;
    std::string folder;
};

/// The control OK sends the user back to.
enum class AutoBackupField
{
    Days,
    Copies,
    Folder
};

/// What OK decided: the settings to save, or the field to go back to (its message has been shown).
struct AutoBackupCheck
{
    std::optional<AutoBackupSettings> settings;
    AutoBackupField refused = AutoBackupField::Days;
};

/// OK's checks while AutoBackup is switched on: days and copies at least 1, a folder name, and
/// the folder existing or, asked first, created. Switched off, nothing is checked; only
/// `enabled` counts then.
AutoBackupCheck check_autobackup_fields(const AutoBackupFields& fields, Prompt& prompt);

/// Makes folder; where that fails, the folder above it (the part before the last separator) is
/// made first in the same way and the folder tried again. True when folder is a folder now.
bool create_backup_folder(const std::string& folder);

} // namespace velkor
