#include "core/Workspace.h"

#include "classlib/SettingsKeys.h"
#include "classlib/SettingsValues.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

namespace velkor {

// The crash record lives in whatever lock file the workspace holds at the moment.
class Workspace::LockRecordStore : public RecordStore
{
public:
    explicit LockRecordStore(const LogLock& lock) : my_lock(lock) {}

    bool write_at_start(std::string_view bytes) override
    {
        LockFile* file = my_lock.lock_file();
        if (!file) {
            errno = EBADF;
            return false;
        }
        return file->write_at_start(bytes);
    }
    long read_at(std::uint64_t offset, char* buffer, std::size_t n) override
    {
        LockFile* file = my_lock.lock_file();
        return file ? file->read_at(offset, buffer, n) : -1;
    }

private:
    const LogLock& my_lock;
};

Workspace::Workspace(Prompt& prompt, const std::string& settings_file)
    : my_prompt(prompt), my_settings(std::make_unique<PrivateIniFile>(settings_file)), my_project_store(prompt),
      my_record_store(std::make_unique<LockRecordStore>(my_log_lock))
{
}

Workspace::~Workspace()
{
    my_settings->flush();
}

std::string Workspace::working_folder() const
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

int Workspace::date_order() const
{
    return read_date_order(*my_settings);
}

void Workspace::replace_project_file(std::string path)
{
    my_project_file = std::move(path);
}

std::string Workspace::lock_file() const
{
    const LockFile* file = my_log_lock.lock_file();
    return file ? file->path() : std::string();
}

bool Workspace::replace_log(const std::string& path)
{
    if (!my_log_lock.take(path, my_prompt))
        return false;
    my_log_file = path;
    ++my_log_changes;
    // The mirror is written long after the lock was taken, maybe in another working folder.
    my_record.attach(my_record_store.get(), my_log_lock.mirror_full_path());
    return true;
}

WorkspaceSwitch Workspace::replace_workspace(const std::string& folder, const WorkspaceDefaults& defaults)
{
    my_settings->flush();
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error)
        return WorkspaceSwitch::FolderUnavailable;
    my_settings->clear();
    ++my_workspace_changes;
    replace_project_file(get(*my_settings, kProjectFile, defaults.project_file));
    if (!replace_log(get(*my_settings, kLogFile, defaults.log_file)))
        return WorkspaceSwitch::LogInUse;
    return WorkspaceSwitch::Switched;
}

} // namespace velkor
