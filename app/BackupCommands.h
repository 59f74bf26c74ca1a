#pragma once
// The File menu's backup commands: "&Backup log file" and "Restore log file" with their file
// dialogs, and "Configure &automatic backup" with the AutoBackup settings dialog.

class QWidget;

namespace velkor {

class Application;
class AutoBackup;

/// Asks where to copy the log ("Backup To:"), remembers the place in `BackupFile` and copies.
void BackupLogCommand(Application& app, QWidget* parent);
/// Asks which file to copy over the log ("Restore From:") and copies it; `BackupFile` stays.
void RestoreLogCommand(Application& app, QWidget* parent);
/// Runs the AutoBackup settings dialog; after OK AutoBackup reads its settings again. Either
/// way AutoBackup then runs once.
void ConfigureAutoBackupCommand(Application& app, AutoBackup& autobackup, QWidget* parent);

} // namespace velkor
