#include "dialogs/AutoBackupDialog.h"

#include "dialogs/ControlId.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/HelpButton.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/Utf8LimitValidator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {
namespace {

constexpr int kNumberMaxChars = 9;
constexpr int kFolderMaxBytes = 511;

QLineEdit* number_field(int value, int id, QWidget* parent)
{
    auto* field = with_id(new QLineEdit(QString::number(value), parent), id);
    field->setMaxLength(kNumberMaxChars);
    // Room for the nine digits, not a line as wide as the folder's.
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QString(kNumberMaxChars + 3, u'0')));
    return field;
}

} // namespace

AutoBackupDialog::AutoBackupDialog(const AutoBackupSettings& current, IniFile& settings, Prompt& prompt,
                                   QWidget* parent)
    : QDialog(parent), my_settings(settings), my_prompt(prompt)
{
    setWindowTitle(QStringLiteral("Configure Automatic Backup"));
    my_enabled = with_id(new QCheckBox(QStringLiteral("Back up my log file every"), this), 104);
    my_days = number_field(current.days, 102, this);
    my_smart = with_id(new QCheckBox(QStringLiteral("Use \"Smart Backup\""), this), 106);
    my_report = with_id(new QCheckBox(QStringLiteral("Report successful backup"), this), 110);
    my_copies = number_field(current.copies, 105, this);
    my_folder = with_id(new QLineEdit(QString::fromStdString(current.folder), this), 108);
    my_folder->setValidator(new Utf8LimitValidator(kFolderMaxBytes, my_folder));
    my_folder->setMinimumWidth(320);
    my_enabled->setChecked(current.enabled);
    my_smart->setChecked(current.smart);
    my_report->setChecked(current.report);

    QLabel* days_label = plain_label(QStringLiteral("days."), this);
    QLabel* copies_label = plain_label(QStringLiteral("Number of backup copies to keep:"), this);
    QLabel* folder_label = plain_label(QStringLiteral("Put my backup files in this folder:"), this);
    days_label->setObjectName(QStringLiteral("daysLabel"));
    copies_label->setObjectName(QStringLiteral("copiesLabel"));
    folder_label->setObjectName(QStringLiteral("folderLabel"));
    my_dependents = {my_days, days_label, my_smart, my_report, copies_label, my_copies, folder_label, my_folder};

    auto* grid = new QGridLayout;
    grid->addWidget(my_enabled, 0, 0, 1, 2);
    grid->addWidget(my_days, 0, 2);
    grid->addWidget(days_label, 0, 3);
    grid->addWidget(my_smart, 1, 1, 1, 3);
    grid->addWidget(my_report, 2, 1, 1, 3);
    grid->addWidget(copies_label, 3, 1, 1, 2);
    grid->addWidget(my_copies, 3, 3);
    grid->addWidget(folder_label, 4, 1, 1, 3);
    grid->addWidget(my_folder, 5, 1, 1, 3);
    grid->setColumnMinimumWidth(0, 16);

    const DialogButtons foot = make_dialog_buttons(this, 109, 1130);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(foot.row);

    connect(my_enabled, &QCheckBox::toggled, this, [this] { update_enabling(); });
    connect(foot.ok, &QPushButton::clicked, this, &AutoBackupDialog::accept);
    connect(foot.cancel, &QPushButton::clicked, this, &AutoBackupDialog::reject);
    update_enabling();
}

void AutoBackupDialog::update_enabling()
{
    for (QWidget* widget : my_dependents)
        widget->setEnabled(my_enabled->isChecked());
}

void AutoBackupDialog::go_back_to(QLineEdit* field)
{
    field->setFocus();
    field->selectAll();
}

void AutoBackupDialog::accept()
{
    const AutoBackupFields fields{my_enabled->isChecked(),         my_smart->isChecked(),
                                  my_report->isChecked(),          my_days->text().toStdString(),
                                  my_copies->text().toStdString(), my_folder->text().toStdString()};
    const AutoBackupCheck check = check_autobackup_fields(fields, my_prompt);
    if (!check.settings) {
        switch (check.refused) {
        case AutoBackupField::Days:
            go_back_to(my_days);
            break;
        case AutoBackupField::Copies:
            go_back_to(my_copies);
            break;
        case AutoBackupField::Folder:
            go_back_to(my_folder);
            break;
        }
        return;
    }
    write_autobackup_settings(my_settings, *check.settings);
    QDialog::accept();
}

} // namespace velkor
