#pragma once
// Where the program works: the settings store of the working folder, the project file and its
// store, and the log with its lock file and crash record. Whatever reads or writes these asks
// the workspace for the place each time, so replacing the log (Options), the project file
// (Options) or the whole workspace (entering and leaving the tutorial) is one call each, after
// which nothing points at the old place.

#include "base/Prompt.h"
#include "classlib/IniFile.h"
#include "core/DazezUrureRecord.h"
#include "core/LogLock.h"
#include "core/ProjectListStore.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velkor {

/// Name of the settings file, in the working folder.
inline constexpr const char* kSettingsFile = "./velkors.ini";

/// The files a workspace switch takes when the new folder's settings name none.
struct WorkspaceDefaults
{
    std::string project_file;
    std::string log_file;
};

/// How a workspace switch ended.
enum class WorkspaceSwitch
{
    Switched,
    FolderUnavailable, ///< the folder could not be entered: nothing changed
    LogInUse,          ///< in the new folder, but its log is locked by another copy; the old log stays locked
};

class Workspace
{
public:
    /// Opens the settings store on settings_file. A relative name is taken in the working folder
    /// at every access, which is how the store follows a workspace switch.
    explicit Workspace(Prompt& prompt, const std::string& settings_file = kSettingsFile);
    /// The settings get a last flush.
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    IniFile& settings() const { return *my_settings; }
    /// The current folder, absolute.
    std::string working_folder() const;
    /// The date order every dialog that shows dates uses: [Reporter] DateFormat, read now.
    int date_order() const;

    /// The project file the next load of the program-wide list reads.
    const std::string& project_file() const { return my_project_file; }
    ProjectListStore& project_store() { return my_project_store; }
    /// From now on the program-wide list is read from path at its next reload (Options sets
    /// the reload flag with this). The list in use is still saved where it came from.
    void replace_project_file(std::string path);

    /// The log every record is appended to and every scan reads.
    const std::string& log_file() const { return my_log_file; }
    /// The readable mirror of the crash record beside the log (stem + ".clg").
    const std::string& mirror_file() const { return my_log_lock.mirror_path(); }
    /// The lock file that holds the crash record (stem + ".lck"); empty while no lock is held.
    std::string lock_file() const;
    bool holds_log_lock() const { return my_log_lock.is_held(); }
    /// Takes the lock of path and makes it the log: records go there, the crash record lives in
    /// its lock file and mirror, the previous lock is released. False (the lock message has been
    /// shown, nothing changed) when another copy holds it.
    [[nodiscard]] bool replace_log(const std::string& path);
    /// The crash record in the lock file of the log; not open while no lock is held.
    DazezUrureRecord& crash_record() { return my_record; }

    /// Moves to folder: the settings are flushed, folder becomes the working folder and the
    /// settings store forgets what it read, so later reads come from the folder's own settings
    /// file; the project file and the log are taken from there (`ProjectFile`, `LogFile`, with
    /// defaults when absent) and the new log's lock is taken. The program-wide list must have
    /// been dropped first (ProgramWideList::drop), so its memos went to the old folder.
    [[nodiscard]] WorkspaceSwitch replace_workspace(const std::string& folder, const WorkspaceDefaults& defaults);

    /// How often the log was replaced and the workspace switched: whoever keeps something worked
    /// out from the log's path or read from the settings (AutoBackup) sees at its next use that
    /// it must work it out or read it again.
    std::uint64_t log_changes() const { return my_log_changes; }
    std::uint64_t workspace_changes() const { return my_workspace_changes; }

private:
    class LockRecordStore;

    Prompt& my_prompt;
    std::unique_ptr<IniFile> my_settings;
    ProjectListStore my_project_store;
    std::string my_project_file;
    std::string my_log_file;
    LogLock my_log_lock;
    std::unique_ptr<LockRecordStore> my_record_store;
    DazezUrureRecord my_record;
    std::uint64_t my_log_changes = 0;
    std::uint64_t my_workspace_changes = 0;
};

} // namespace velkor
