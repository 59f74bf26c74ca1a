#include "app/BackupCommands.h"

#include "app/Application.h"
#include "backup/AutoBackup.h"
#include "backup/BackupNames.h"
#include "backup/LogCopy.h"
#include "classlib/SettingsKeys.h"
#include "dialogs/AutoBackupDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include <optional>
#include <string>

namespace velkor {
namespace {

enum class FileUse
{
    Save,
    Open
};

// The file dialog of both commands, starting where `BackupFile` says. Qt's own dialog, so that
// it looks and behaves the same everywhere: it asks before replacing a file, and it never moves
// the program's working folder.
std::optional<std::string> choose_file(QWidget* parent, const QString& title, const std::string& backup_file,
                                       FileUse use)
{
    const FileProposal proposal = propose_backup_file(backup_file);
    // Every file, named with or without a point.
    QFileDialog dialog(parent, title, QFileInfo(QString::fromStdString(proposal.folder)).absoluteFilePath(),
                       QStringLiteral("All Files (*)"));
    dialog.setObjectName(QStringLiteral("backupFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(use == FileUse::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(use == FileUse::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!proposal.name.empty())
        dialog.selectFile(QString::fromStdString(proposal.name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

} // namespace

void BackupLogCommand(Application& app, QWidget* parent)
{
    const std::optional<std::string> target =
        choose_file(parent, QStringLiteral("Backup To:"), get(app.settings(), kBackupFile), FileUse::Save);
    if (!target)
        return;
    if (!target->empty())
        put(app.settings(), kBackupFile, *target);
    BackupLogFile(app.workspace().log_file(), *target, app.prompt());
}

void RestoreLogCommand(Application& app, QWidget* parent)
{
    const std::optional<std::string> source =
        choose_file(parent, QStringLiteral("Restore From:"), get(app.settings(), kBackupFile), FileUse::Open);
    if (source)
        RestoreLogFile(app.workspace().log_file(), *source, app.prompt());
}

void ConfigureAutoBackupCommand(Application& app, AutoBackup& autobackup, QWidget* parent)
{
    AutoBackupDialog dialog(autobackup.settings(), app.settings(), app.prompt(), parent);
    if (dialog.exec() == QDialog::Accepted)
        autobackup.load_settings();
    autobackup.run();
}

} // namespace velkor
