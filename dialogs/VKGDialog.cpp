#include "dialogs/VKGDialog.h"

#include "base/Prompt.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "classlib/SettingsValues.h"
#include "dialogs/ControlId.h"
#include "dialogs/DateFieldWatcher.h"
#include "dialogs/HelpButton.h"
#include "dialogs/HintField.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/Utf8LimitValidator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {
namespace {

constexpr int kFieldMaxBytes = 20;

} // namespace

VKGDialog::VKGDialog(const std::string& category, const std::string& project, const DateRec& check_in_date,
                     const TimeRec& check_in_time, IniFile& settings, Prompt& prompt, const Clock& clock,
                     QWidget* parent)
    : QDialog(parent), my_check_in_date(check_in_date), my_check_in_time(check_in_time), my_prompt(prompt),
      my_clock(clock), my_order(read_date_order(settings)), my_time_format(get_int(settings, kTimeFormat))
{
    setWindowTitle(QStringLiteral("Velkor Crash Guard"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plain_label(
        QStringLiteral("You checked into this project at the date and time shown below, but never checked out."),
        this));

    const std::string checked_in =
        Date(check_in_date).Format(my_order, false) + " at " + FormatTimeOfDay(check_in_time, my_time_format);
    for (auto [text, id] : {std::pair{category, 101}, std::pair{project, 102}, std::pair{checked_in, 103}})
        layout->addWidget(with_id(plain_label(QString::fromStdString(text), this), id));

    const bool am_pm = my_time_format == kTimeUpperAmPm || my_time_format == kTimeLowerAmPm;
    my_date = with_id(new QLineEdit(QString::fromStdString(DateOrderName(my_order)), this), 105);
    my_time = with_id(new QLineEdit(am_pm ? QStringLiteral("hh:mm:ss pm") : QStringLiteral("hh:mm:ss"), this), 106);
    auto* now = with_id(new QPushButton(QStringLiteral("Now"), this), 104);
    auto* fields = new QHBoxLayout;
    for (QLineEdit* field : {my_date, my_time}) {
        field->setMaxLength(kFieldMaxBytes);
        field->setValidator(new Utf8LimitValidator(kFieldMaxBytes, field));
        select_all_on_focus(field);
        fields->addWidget(field);
    }
    fields->addWidget(now);
    layout->addLayout(fields);
    my_date_watcher = new DateFieldWatcher(my_date, my_order, clock, prompt, "Invalid checkout date");

    layout->addWidget(
        with_id(plain_label(QStringLiteral(
                                "To continue working on this project, click 'Continue'.\nOtherwise, enter the date "
                                "and time you stopped working on it\nand click 'Check Out'.\nThe time may be entered "
                                "in either am/pm form or military form,\nwith or without seconds."),
                            this),
                239));

    auto* proceed = with_id(new QPushButton(QStringLiteral("Continue"), this), 202);
    auto* check_out_button = with_id(new QPushButton(QStringLiteral("Check Out"), this), 201);
    auto* with_memo = with_id(new QPushButton(QStringLiteral("Check Out w/Memo"), this), 107);
    auto* help = with_id(new QPushButton(QStringLiteral("Help"), this), 9);
    connect_help_button(help, 1090);
    proceed->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {proceed, check_out_button, with_memo, help})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    connect(now, &QPushButton::clicked, this, &VKGDialog::fill_now);
    connect(proceed, &QPushButton::clicked, this, [this] { done(kContinue); });
    connect(check_out_button, &QPushButton::clicked, this, [this] { check_out(false); });
    connect(with_memo, &QPushButton::clicked, this, [this] { check_out(true); });
}

void VKGDialog::fill_now()
{
    const TimeStamp now = Now(my_clock);
    my_date->setText(QString::fromStdString(Date::Today(my_clock).Format(my_order, false)));
    my_time->setText(QString::fromStdString(FormatTimeOfDay(ToLocal(now), my_time_format)));
}

void VKGDialog::refuse(QLineEdit* field, const std::string& text)
{
    my_prompt.message(text, "Error", Buttons::Ok, Icon::Exclamation);
    field->setFocus();
    field->selectAll();
}

void VKGDialog::check_out(bool with_memo)
{
    const Date date(my_date->text().toStdString(), my_order, my_clock);
    TimeRec time{};
    const bool date_ok = date.IsValid();
    if (!date_ok || !ParseTimeOfDay(my_time->text().toStdString(), time, false)) {
        refuse(date_ok ? my_time : my_date,
               "Invalid date or time, please re-enter.\nThe date must be in " + DateOrderName(my_order) +
                   " format;\nthe time may be in am/pm or military\nformat, with or without seconds.");
        return;
    }
    const Date check_in(my_check_in_date);
    if (date < check_in || (date == check_in && CompareTimeOfDay(time, my_check_in_time))) {
        refuse(date < check_in ? my_date : my_time, "Checkout time must not be before the checkin time.");
        return;
    }
    my_choice.kind = with_memo ? RecoveryChoice::CheckOutWithMemo : RecoveryChoice::CheckOut;
    my_choice.check_out_date = date.to_rec();
    my_choice.check_out_time = time;
    done(with_memo ? kCheckOutWithMemo : kCheckOut);
}

void VKGDialog::done(int result)
{
    my_date->removeEventFilter(my_date_watcher); // no date check while the dialog goes away
    if (result != kCheckOut && result != kCheckOutWithMemo) {
        // Escape and closing the window leave the session running rather than dropping it.
        my_choice = RecoveryChoice{};
        result = kContinue;
    }
    QDialog::done(result);
}

} // namespace velkor
