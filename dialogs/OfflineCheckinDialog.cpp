#include "dialogs/OfflineCheckinDialog.h"

#include "base/Prompt.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "classlib/SettingsValues.h"
#include "core/ProgramWideList.h"
#include "dialogs/ControlId.h"
#include "dialogs/DateFieldWatcher.h"
#include "dialogs/HelpButton.h"
#include "dialogs/HintField.h"
#include "dialogs/MemoInputDialog.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/Utf8LimitValidator.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {
namespace {

constexpr int kFieldMaxBytes = 20;

QLineEdit* entry_field(const QString& text, OfflineField id, QWidget* parent)
{
    auto* edit = with_id(new QLineEdit(text, parent), static_cast<int>(id));
    edit->setMaxLength(kFieldMaxBytes);
    edit->setValidator(new Utf8LimitValidator(kFieldMaxBytes, edit));
    select_all_on_focus(edit);
    return edit;
}

/// A "Date" / "Time" pair of fields under its group caption.
QGroupBox* moment_group(const QString& caption, QLineEdit* date, QLineEdit* time, QWidget* parent)
{
    auto* group = new QGroupBox(caption, parent);
    auto* grid = new QGridLayout(group);
    grid->addWidget(plain_label(QStringLiteral("Date"), group), 0, 0);
    grid->addWidget(plain_label(QStringLiteral("Time"), group), 0, 1);
    grid->addWidget(date, 1, 0);
    grid->addWidget(time, 1, 1);
    return group;
}

} // namespace

OfflineCheckinDialog::OfflineCheckinDialog(const OfflineServices& services, std::size_t c, std::size_t p,
                                           QWidget* parent)
    : QDialog(parent), my_prompt(services.prompt), my_clock(services.clock),
      my_order(read_date_order(services.settings)),
      my_time_hint(offline_time_hint(get_int(services.settings, kTimeFormat))),
      my_recorder(services, c, p, [this, services, c, p](std::string& memo, bool& remember, bool& close_after) {
          MemoInputDialog dialog(*services.lists.get(), c, p, memo, remember, MemoPurpose::MemoNow, close_after,
                                 services.settings, services.prompt, this);
          dialog.exec();
          return dialog.outcome();
      })
{
    setWindowTitle(QStringLiteral("Offline Checkin/Checkout"));
    auto* layout = new QVBoxLayout(this);
    const ProjectList& list = *services.lists.get();
    layout->addWidget(with_id(plain_label(QString::fromStdString(list.category_name(c)), this), 100));
    layout->addWidget(with_id(plain_label(QString::fromStdString(list.project_name(c, p)), this), 101));
    layout->addWidget(with_id(plain_label(QString::fromStdString(offline_instruction(my_order)), this), 106));
    build_fields(layout);
    build_buttons(layout);

    const QString start_date = QString::fromStdString(offline_start_date(services.memory, my_clock, my_order));
    my_check_in_date->setText(start_date);
    my_check_out_date->setText(start_date);
    my_untouched_check_out_date = start_date;
    my_check_in_watcher = new DateFieldWatcher(my_check_in_date, my_order, my_clock, my_prompt, "Invalid checkin date");
    my_check_out_watcher =
        new DateFieldWatcher(my_check_out_date, my_order, my_clock, my_prompt, "Invalid checkout date");
    connect(my_check_in_watcher, &DateFieldWatcher::checked, this, &OfflineCheckinDialog::check_in_date_checked);
}

void OfflineCheckinDialog::build_fields(QVBoxLayout* layout)
{
    const QString time_hint = QString::fromStdString(my_time_hint);
    my_check_in_date = entry_field(QString(), OfflineField::CheckInDate, this);
    my_check_in_time = entry_field(time_hint, OfflineField::CheckInTime, this);
    my_check_out_date = entry_field(QString(), OfflineField::CheckOutDate, this);
    my_check_out_time = entry_field(time_hint, OfflineField::CheckOutTime, this);
    my_duration = entry_field(QString::fromLatin1(kOfflineDurationHint), OfflineField::Duration, this);

    auto* moments = new QHBoxLayout;
    moments->addWidget(moment_group(QStringLiteral("Check In"), my_check_in_date, my_check_in_time, this));
    moments->addWidget(moment_group(QStringLiteral("Check Out"), my_check_out_date, my_check_out_time, this));
    layout->addLayout(moments);
    layout->addWidget(plain_label(QStringLiteral("OR enter the Duration"), this));
    layout->addWidget(my_duration);
}

void OfflineCheckinDialog::build_buttons(QVBoxLayout* layout)
{
    auto* record_button = with_id(new QPushButton(QStringLiteral("Record"), this), 1);
    auto* with_memo = with_id(new QPushButton(QStringLiteral("Record/Memo"), this), 107);
    auto* cancel = with_id(new QPushButton(QStringLiteral("Cancel"), this), 2);
    auto* help = with_id(new QPushButton(QStringLiteral("Help"), this), 9);
    connect_help_button(help, 1010);
    record_button->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {record_button, with_memo, cancel, help})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(record_button, &QPushButton::clicked, this, [this] { record(false); });
    connect(with_memo, &QPushButton::clicked, this, [this] { record(true); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OfflineCheckinDialog::check_in_date_checked(bool valid)
{
    // An untouched check-out date follows the check-in date.
    if (valid && my_check_out_date->text() == my_untouched_check_out_date) {
        my_check_out_date->setText(my_check_in_date->text());
        my_untouched_check_out_date = my_check_in_date->text();
    }
}

QLineEdit* OfflineCheckinDialog::field(OfflineField id) const
{
    switch (id) {
    case OfflineField::CheckInDate:
        return my_check_in_date;
    case OfflineField::CheckInTime:
        return my_check_in_time;
    case OfflineField::CheckOutDate:
        return my_check_out_date;
    case OfflineField::CheckOutTime:
        return my_check_out_time;
    case OfflineField::Duration:
        break;
    }
    return my_duration;
}

void OfflineCheckinDialog::record(bool with_memo)
{
    const OfflineEntryText text{my_check_in_date->text().toStdString(), my_check_in_time->text().toStdString(),
                                my_check_out_date->text().toStdString(), my_check_out_time->text().toStdString(),
                                my_duration->text().toStdString()};
    const OfflineCheck check = check_offline_entry(text, my_order, my_time_hint, my_clock);
    if (!check.session) {
        if (check.reset_hints) {
            my_check_out_time->setText(QString::fromStdString(my_time_hint));
            my_duration->setText(QString::fromLatin1(kOfflineDurationHint));
        }
        my_prompt.message(check.message, "Error", Buttons::Ok, Icon::Exclamation);
        QLineEdit* wrong = field(check.focus);
        wrong->setFocus(Qt::OtherFocusReason);
        wrong->selectAll();
        return;
    }
    switch (my_recorder.record(*check.session, with_memo, text.check_in_date)) {
    case OfflineRecorder::Outcome::MemoCancelled:
        return; // the entered values stay for another try
    case OfflineRecorder::Outcome::Recorded:
        accept();
        return;
    case OfflineRecorder::Outcome::LogCancelled:
        reject();
        return;
    }
}

void OfflineCheckinDialog::done(int result)
{
    // No date check while the dialog goes away.
    my_check_in_date->removeEventFilter(my_check_in_watcher);
    my_check_out_date->removeEventFilter(my_check_out_watcher);
    QDialog::done(result);
}

} // namespace velkor
