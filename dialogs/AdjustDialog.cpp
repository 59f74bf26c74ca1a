#include "dialogs/AdjustDialog.h"

#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "classlib/SettingsValues.h"
#include "dialogs/ControlId.h"
#include "dialogs/DateFieldWatcher.h"
#include "dialogs/HelpButton.h"
#include "dialogs/HintField.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/Utf8LimitValidator.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {
namespace {

constexpr int kFieldMaxBytes = 20;

QLineEdit* hint_field(const QString& text, int id, QWidget* parent)
{
    auto* edit = with_id(new QLineEdit(text, parent), id);
    select_all_on_focus(edit);
    return edit;
}

void limit(QLineEdit* edit)
{
    edit->setMaxLength(kFieldMaxBytes);
    edit->setValidator(new Utf8LimitValidator(kFieldMaxBytes, edit));
}

} // namespace

AdjustDialog::AdjustDialog(AdjustMode mode, long seconds, const TimeRec& time_of_day, long& offset, IniFile& settings,
                           Prompt& prompt, const Clock& clock, QWidget* parent)
    : QDialog(parent),
      my_rules(mode, seconds, time_of_day, clock, read_date_order(settings), get_int(settings, kTimeFormat)),
      my_offset(offset), my_prompt(prompt)
{
    setWindowTitle(QStringLiteral("Adjust Check-In/Check-Out Time"));
    const AdjustTexts texts = adjust_texts(mode);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(with_id(plain_label(QString::fromStdString(my_rules.reference_line()), this), 101));
    build_long_ago_group(texts);
    build_specific_group(texts);
    my_date_watcher =
        new DateFieldWatcher(my_date, read_date_order(settings), clock, prompt, "Invalid adjustment date");

    auto* ok_button = with_id(new QPushButton(QString::fromStdString(texts.ok_button), this), 1);
    auto* cancel = with_id(new QPushButton(QStringLiteral("Cancel"), this), 2);
    auto* help = with_id(new QPushButton(QStringLiteral("Help"), this), 9);
    connect_help_button(help, 1050);
    ok_button->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {ok_button, cancel, help})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(ok_button, &QPushButton::clicked, this, &AdjustDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    my_duration->setFocus();
    my_duration->selectAll();
}

void AdjustDialog::build_long_ago_group(const AdjustTexts& texts)
{
    auto* group = with_id(new QGroupBox(QString::fromStdString(texts.long_ago_group), this), 103);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(plain_label(QStringLiteral("Enter the number of minutes, or hh:mm, or hh:mm:ss"), group));
    my_duration = hint_field(QString::fromLatin1(kAdjustDurationHint), 102, group);
    inner->addWidget(my_duration);
    layout()->addWidget(group);
}

void AdjustDialog::build_specific_group(const AdjustTexts& texts)
{
    auto* group = with_id(new QGroupBox(QString::fromStdString(texts.specific_group), this), 107);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(with_id(plain_label(QString::fromStdString(texts.instruction), group), 104));
    my_date = hint_field(QString::fromStdString(my_rules.today_text()), 106, group);
    my_time = hint_field(QString::fromLatin1(kAdjustTimeHint), 108, group);
    auto* fields = new QHBoxLayout;
    for (QLineEdit* edit : {my_date, my_time}) {
        limit(edit);
        fields->addWidget(edit);
    }
    inner->addLayout(fields);
    layout()->addWidget(group);
}

QLineEdit* AdjustDialog::field(AdjustField id) const
{
    switch (id) {
    case AdjustField::Date:
        return my_date;
    case AdjustField::Time:
        return my_time;
    case AdjustField::Duration:
        break;
    }
    return my_duration;
}

void AdjustDialog::ok()
{
    const AdjustOutcome outcome = my_rules.ok(my_duration->text().toStdString(), my_date->text().toStdString(),
                                              my_time->text().toStdString(), my_prompt);
    if (outcome.accepted) {
        my_offset = outcome.offset;
        accept();
        return;
    }
    if (outcome.reset_hints) {
        my_duration->setText(QString::fromLatin1(kAdjustDurationHint));
        my_time->setText(QString::fromLatin1(kAdjustTimeHint));
    }
    QLineEdit* wrong = field(outcome.focus);
    wrong->setFocus(Qt::OtherFocusReason);
    wrong->selectAll();
}

void AdjustDialog::done(int result)
{
    my_date->removeEventFilter(my_date_watcher); // no date check while the dialog goes away
    QDialog::done(result);
}

} // namespace velkor
