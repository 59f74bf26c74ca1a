#pragma once
// AutoBackup keeps up to N numbered copies of the log in a backup folder and makes a new one
// every so many days. It runs at fixed moments (the first paint, before each check-in, after each
// check-out, after its settings dialog) and does nothing unless a copy is due. Smart Backup
// throws an old copy away only when its content is still in a newer one, and otherwise keeps one
// copy more.

#include "backup/AutoBackupSettings.h"
#include "backup/BackupNames.h"
#include "core/TimeValues.h"

#include <cstdint>
#include <string>

namespace velkor {

class Clock;
class Prompt;
class Workspace;

class AutoBackup
{
public:
    /// Backs up the workspace's log. The log is looked at anew at every run: after the log was
    /// replaced (Options) the copies are worked out again for it, and after a workspace switch
    /// (the tutorial) the settings are read again from the new folder's settings.
    AutoBackup(const Workspace& workspace, Prompt& prompt, const Clock& clock);

    /// Reads the six settings; the copies and the due date are worked out again at the next run.
    void load_settings();
    /// The copies and the due date are worked out again at the next run.
    void log_file_changed();
    /// Makes a copy when one is due. A run stopped by a failure (told in a message box) leaves
    /// the due date as it was, so that the next run tries again.
    void run();

    /// The settings in use, as the settings dialog starts with them.
    const AutoBackupSettings& settings();

private:
    void follow_workspace();
    void recompute();
    bool copy_log(const std::string& log_file, const std::string& copy);
    bool fail(const std::string& text);

    const Workspace& my_workspace;
    Prompt& my_prompt;
    const Clock& my_clock;
    AutoBackupSettings my_settings;
    BackupCopyNames my_names;
    Date my_due;
    bool my_recompute = true;
    bool my_running = false;
    std::uint64_t my_seen_log_changes = 0;
    std::uint64_t my_seen_workspace_changes = 0;
};

} // namespace velkor
