#include "backup/AutoBackup.h"

#include "backup/BackupRotation.h"
#include "backup/BlockCopy.h"
#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "classlib/SettingsKeys.h"
#include "core/Workspace.h"
#include "platform/DurableFile.h"
#include "platform/FileAccess.h"
#include "platform/LockFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace velkor {
namespace {

constexpr const char* kCaption = "Velkor AutoBackup";

struct RunningScope
{
    explicit RunningScope(bool& flag) : my_flag(flag) { my_flag = true; }
    ~RunningScope() { my_flag = false; }
    bool& my_flag;
};

std::string quoted_path(const std::string& path)
{
    return "\"" + message_excerpt(path) + "\"\n";
}

// The local date copy 1 was last written, or nothing when it cannot be opened.
std::optional<Date> modification_date(const std::string& path)
{
    const int fd = open_regular(path, O_RDONLY);
    if (fd < 0)
        return std::nullopt;
    struct stat info
    {
    };
    const bool known = ::fstat(fd, &info) == 0;
    ::close(fd);
    if (!known)
        return std::nullopt;
    return Date(ToLocal(static_cast<TimeStamp>(info.st_mtime)));
}

bool is_missing(const std::string& path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) != 0 && errno == ENOENT;
}

} // namespace

AutoBackup::AutoBackup(const Workspace& workspace, Prompt& prompt, const Clock& clock)
    : my_workspace(workspace), my_prompt(prompt), my_clock(clock)
{
}

void AutoBackup::load_settings()
{
    my_settings = read_autobackup_settings(my_workspace.settings());
    // Fewer than one copy would make the log itself the oldest copy, deleted to make room.
    my_settings.copies = std::max(my_settings.copies, 1);
    my_seen_workspace_changes = my_workspace.workspace_changes();
    my_seen_log_changes = my_workspace.log_changes();
    my_recompute = true;
}

void AutoBackup::log_file_changed()
{
    my_recompute = true;
}

const AutoBackupSettings& AutoBackup::settings()
{
    follow_workspace();
    return my_settings;
}

void AutoBackup::follow_workspace()
{
    if (my_workspace.workspace_changes() != my_seen_workspace_changes)
        load_settings();
    if (my_workspace.log_changes() != my_seen_log_changes) {
        my_seen_log_changes = my_workspace.log_changes();
        my_recompute = true;
    }
}

void AutoBackup::recompute()
{
    my_recompute = false;
    my_names = BackupCopyNames(my_workspace.log_file(), my_settings.folder);
    my_due = modification_date(my_names.name(1)).value_or(Date()).AddDays(my_settings.days);
}

void AutoBackup::run()
{
    if (my_running)
        return; // a message box of this run lets a click through to a check-in
    RunningScope running(my_running);
    follow_workspace();
    if (!my_settings.enabled)
        return;
    if (my_recompute)
        recompute();
    const Date today = Date::Today(my_clock);
    if (today < my_due)
        return;
    const std::string log_file = my_workspace.log_file();
    if (is_missing(log_file))
        return; // nothing recorded yet, so nothing to back up; the first record will be

    BackupRotation rotation(my_names, log_file, my_prompt);
    int copies = my_settings.copies;
    const bool room = rotation.make_room(copies, my_settings.smart);
    if (copies != my_settings.copies) {
        my_settings.copies = copies;
        put_int(my_workspace.settings(), kBackupNCopies, copies);
    }
    if (!room || !rotation.shift(copies) || !copy_log(log_file, rotation.name(1)))
        return;
    my_due = today.AddDays(1);
    if (my_settings.report)
        my_prompt.message("AutoBackup completed successfully.", kCaption, Buttons::Ok, Icon::Information);
}

bool AutoBackup::fail(const std::string& text)
{
    my_prompt.message("AutoBackup failed!\n\n" + text, kCaption, Buttons::Ok, Icon::Stop);
    return false;
}

bool AutoBackup::copy_log(const std::string& log_file, const std::string& copy)
{
    const int in = open_regular(log_file, O_RDONLY);
    if (in < 0)
        return fail("Could not open log file for reading:\n" + quoted_path(log_file) + system_error_text(errno));
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{in};

    // Copy 1 appears only complete: a copy cut short must never be the newest copy, which Smart
    // Backup would compare the others with.
    remove_interrupted_rewrites(copy);
    ReplacingFile out(copy, Links::Replace);
    if (const int error = out.open())
        return fail("Could not open backup log file for writing:\n" + quoted_path(copy) + system_error_text(error));
    CopyOutcome outcome = copy_blocks(in, [&out](std::string_view block) { return out.write(block); });
    if (outcome.step == CopyOutcome::Done) {
        if (const int error = out.commit())
            outcome = {CopyOutcome::WriteFailed, error};
    }
    switch (outcome.step) {
    case CopyOutcome::Done:
        return true;
    case CopyOutcome::ReadFailed:
        return fail("Could not read log file:\n" + quoted_path(log_file) + system_error_text(outcome.error));
    case CopyOutcome::WriteFailed:
        break;
    }
    return fail("Could not write backup log file:\n" + quoted_path(copy) + system_error_text(outcome.error));
}

} // namespace velkor
