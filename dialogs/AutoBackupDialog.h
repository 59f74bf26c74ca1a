#pragma once
// "Configure Automatic Backup": switches AutoBackup on or off and sets how often it copies the
// log, how many copies it keeps, whether Smart Backup checks them, whether it reports, and where
// the copies go. OK checks the fields (AutoBackupSettings) and saves the settings.

#include "backup/AutoBackupSettings.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace velkor {

class IniFile;
class Prompt;

class AutoBackupDialog : public QDialog
{
    // No Q_OBJECT: nothing here needs it.
public:
    /// The controls start with current, the settings AutoBackup uses.
    AutoBackupDialog(const AutoBackupSettings& current, IniFile& settings, Prompt& prompt, QWidget* parent = nullptr);

    void accept() override;

private:
    void update_enabling();
    void go_back_to(QLineEdit* field);

    IniFile& my_settings;
    Prompt& my_prompt;
    QCheckBox* my_enabled = nullptr;
    QCheckBox* my_smart = nullptr;
    QCheckBox* my_report = nullptr;
    QLineEdit* my_days = nullptr;
    QLineEdit* my_copies = nullptr;
    QLineEdit* my_folder = nullptr;
    QList<QWidget*> my_dependents;
};

} // namespace velkor
