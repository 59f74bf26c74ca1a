#include "dialogs/NoteDialog.h"

#include "base/Prompt.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "classlib/SettingsValues.h"
#include "dialogs/ControlId.h"
#include "dialogs/DateFieldWatcher.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/HelpButton.h"
#include "dialogs/HintField.h"
#include "dialogs/MemoEdit.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/Utf8LimitValidator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velkor {
namespace {

constexpr int kFieldMaxBytes = 19;

} // namespace

NoteDialog::NoteDialog(const std::string& category, const std::string& project, IniFile& settings, Prompt& prompt,
                       const Clock& clock, QWidget* parent)
    : QDialog(parent), my_settings(settings), my_prompt(prompt), my_clock(clock), my_order(read_date_order(settings))
{
    setWindowTitle(QStringLiteral("Enter Note"));
    build(category, project);

    my_minimize->setChecked(get_flag(settings, kMinimizeAfterNote));
    const LocalTimeFields now = ToLocal(clock.now()); // taken once for both fields
    my_date->setText(QString::fromStdString(Date(now).Format(my_order, false)));
    my_time->setText(QString::fromStdString(FormatTimeOfDay(now, get_int(settings, kTimeFormat))));
    my_date_watcher = new DateFieldWatcher(my_date, my_order, clock, prompt, "Invalid note date");
    const bool want_return = get_flag(settings, kMemoWantReturn);
    (want_return ? my_enter_new_line : my_enter_ok)->setChecked(true);
    my_edit->set_want_return(want_return);
    my_edit->setFocus();
}

void NoteDialog::build(const std::string& category, const std::string& project)
{
    auto* layout = new QVBoxLayout(this);
    auto* names = new QGridLayout;
    names->addWidget(plain_label(QStringLiteral("Category:"), this), 0, 0);
    names->addWidget(with_id(plain_label(QString::fromStdString(category), this), 104), 0, 1);
    names->addWidget(plain_label(QStringLiteral("Project:"), this), 1, 0);
    names->addWidget(with_id(plain_label(QString::fromStdString(project), this), 105), 1, 1);
    names->setColumnStretch(1, 1);
    layout->addLayout(names);

    auto* moment = new QGroupBox(QStringLiteral("Time of note"), this);
    auto* fields = new QHBoxLayout(moment);
    my_date = with_id(new QLineEdit(moment), 103);
    my_time = with_id(new QLineEdit(moment), 106);
    for (auto [label, field] : {std::pair{"Date", my_date}, std::pair{"Time", my_time}}) {
        field->setMaxLength(kFieldMaxBytes);
        field->setValidator(new Utf8LimitValidator(kFieldMaxBytes, field));
        select_all_on_focus(field);
        fields->addWidget(plain_label(QString::fromLatin1(label), moment));
        fields->addWidget(field);
    }
    layout->addWidget(moment);

    layout->addWidget(plain_label(QStringLiteral("Enter note below:"), this));
    my_edit = with_id(new MemoEdit(this), 9302);
    layout->addWidget(my_edit, 1);

    my_minimize = with_id(new QCheckBox(QStringLiteral("Minimize Velkor after note is entered"), this), 101);
    my_enter_new_line = with_id(
        new QRadioButton(QStringLiteral("Enter starts a new line in the memo; click OK when finished"), this), 102);
    my_enter_ok =
        with_id(new QRadioButton(
                    QStringLiteral("Pressing Enter is like clicking OK; use Ctrl-Enter for a new memo line"), this),
                107);
    for (QWidget* widget : std::initializer_list<QWidget*>{my_minimize, my_enter_new_line, my_enter_ok})
        layout->addWidget(widget);

    const DialogButtons foot = make_dialog_buttons(this, 9, 1080);
    layout->addLayout(foot.row);

    connect(foot.ok, &QPushButton::clicked, this, &NoteDialog::ok);
    connect(foot.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(my_enter_new_line, &QRadioButton::clicked, this, [this] { set_want_return(true); });
    connect(my_enter_ok, &QRadioButton::clicked, this, [this] { set_want_return(false); });
}

void NoteDialog::set_want_return(bool want_return)
{
    my_edit->set_want_return(want_return);
    put_flag(my_settings, kMemoWantReturn, want_return);
}

void NoteDialog::ok()
{
    put_flag(my_settings, kMinimizeAfterNote, my_minimize->isChecked()); // also when the note is refused
    // A date typed and not yet checked (Enter pressed in its field) gets the field's own check.
    if (!my_date_watcher->check())
        return;
    const NoteCheck check =
        check_note(my_date->text().toStdString(), my_time->text().toStdString(), my_edit->memo(), my_order, my_clock);
    if (check.refused == NoteCheck::Field::None) {
        my_note = check.entry;
        accept();
        return;
    }
    my_prompt.message(check.message, "Error", Buttons::Ok, Icon::Exclamation);
    if (check.refused == NoteCheck::Field::Note) {
        my_edit->setFocus();
        return;
    }
    QLineEdit* field = check.refused == NoteCheck::Field::Date ? my_date : my_time;
    field->setFocus();
    field->selectAll();
}

void NoteDialog::done(int result)
{
    my_date->removeEventFilter(my_date_watcher); // no date check while the dialog goes away
    QDialog::done(result);
}

} // namespace velkor
