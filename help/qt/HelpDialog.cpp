#include "help/qt/HelpDialog.h"

#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "dialogs/ControlId.h"
#include "dialogs/HelpButton.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/Utf8LimitValidator.h"
#include "help/HelpLocation.h"
#include "help/qt/Help.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velkor {
namespace {

constexpr int kTopicConfigureHelp = 1120;
constexpr int kFolderMaxBytes = 511;

} // namespace

HelpDialog::HelpDialog(IniFile& settings, Help& help, Prompt& prompt, QWidget* parent)
    : QDialog(parent), my_settings(settings), my_help(help), my_prompt(prompt)
{
    setWindowTitle(QStringLiteral("Configure Online Help"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Where is the online help file?"), this);
    auto* radios = new QVBoxLayout(group);
    my_program_folder = with_id(
        new QRadioButton(QStringLiteral("In the same folder with the programs (this is the default)"), group), 102);
    my_current_folder = with_id(new QRadioButton(QStringLiteral("In the current folder"), group), 104);
    my_other_folder = with_id(new QRadioButton(QStringLiteral("In this specific folder:"), group), 105);
    my_folder = with_id(new QLineEdit(group), 106);
    my_folder->setMaxLength(kFolderMaxBytes);
    my_folder->setValidator(new Utf8LimitValidator(kFolderMaxBytes, my_folder));
    for (QWidget* control :
         std::initializer_list<QWidget*>{my_program_folder, my_current_folder, my_other_folder, my_folder})
        radios->addWidget(control);
    layout->addWidget(group);
    layout->addWidget(
        plain_label(QStringLiteral("Program folder: ") + QString::fromStdString(help.program_folder()), this));

    auto* ok = with_id(new QPushButton(QStringLiteral("OK"), this), 1);
    auto* cancel = with_id(new QPushButton(QStringLiteral("Cancel"), this), 2);
    auto* help_button = with_id(new QPushButton(QStringLiteral("Help"), this), 9);
    connect_help_button(help_button, kTopicConfigureHelp);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok, cancel, help_button})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    const std::string setting = get(settings, kHelpPath);
    if (setting == kHelpInProgramFolder)
        my_program_folder->setChecked(true);
    else if (setting == kHelpInCurrentFolder)
        my_current_folder->setChecked(true);
    else {
        my_folder->setText(QString::fromStdString(setting));
        my_other_folder->setChecked(true);
    }
    my_current_folder->setEnabled(help.folders_differ());
    follow_radios();

    for (QRadioButton* radio : {my_program_folder, my_current_folder, my_other_folder})
        connect(radio, &QRadioButton::toggled, this, [this] { follow_radios(); });
    connect(ok, &QPushButton::clicked, this, &HelpDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &HelpDialog::reject);
}

void HelpDialog::follow_radios()
{
    const bool own_folder = my_other_folder->isChecked();
    my_folder->setEnabled(own_folder);
    if (own_folder)
        my_folder->setFocus();
}

void HelpDialog::accept()
{
    std::string folder;
    std::string setting;
    if (my_program_folder->isChecked()) {
        folder = my_help.program_folder();
        setting = kHelpInProgramFolder;
    } else if (my_current_folder->isChecked()) {
        folder = ".";
        setting = kHelpInCurrentFolder;
    } else {
        folder = setting = my_folder->text().toStdString();
    }
    if (!check_help_folder(folder, my_help.program_folder(), my_prompt,
                           [this](int topic) { my_help.show_topic(topic); }))
        return;
    put(my_settings, kHelpPath, setting);
    my_help.set_help_path(setting);
    QDialog::accept();
}

} // namespace velkor
