#include "dialogs/OptionsDialog.h"

#include "base/Prompt.h"
#include "classlib/IniFile.h"
#include "dialogs/ControlId.h"
#include "dialogs/CustomColors.h"
#include "dialogs/EnvVarDialog.h"
#include "dialogs/FontChoice.h"
#include "dialogs/HelpButton.h"
#include "dialogs/HintField.h"
#include "dialogs/HotKeyEdit.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/RowsEdit.h"
#include "dialogs/Utf8LimitValidator.h"
#include "presentation/OptionsModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace velkor {
namespace {

constexpr int kPathMaxBytes = 511;
constexpr int kReminderMaxBytes = 3;

QCheckBox* check_box(const char* text, int id, QWidget* parent)
{
    return with_id(new QCheckBox(QString::fromUtf8(text), parent), id);
}

QLineEdit* limited_edit(int id, int max_bytes, QWidget* parent)
{
    auto* edit = with_id(new QLineEdit(parent), id);
    edit->setMaxLength(max_bytes);
    edit->setValidator(new Utf8LimitValidator(max_bytes, edit));
    return edit;
}

void check_index(const std::vector<QRadioButton*>& radios, int index)
{
    // A stored value outside the choices checks none, and OK keeps it.
    for (std::size_t i = 0; i < radios.size(); ++i)
        radios[i]->setChecked(static_cast<int>(i) == index);
}

int checked_index(const std::vector<QRadioButton*>& radios, int none_checked)
{
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            return static_cast<int>(i);
    }
    return none_checked;
}

QString qstr(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

OptionsDialog::OptionsDialog(OptionsTarget& target, IniFile& settings, Prompt& prompt, OptionsChoosers choosers,
                             QWidget* parent, LockdownSwitches switches)
    : QDialog(parent), my_target(target), my_settings(settings), my_prompt(prompt), my_choosers(std::move(choosers)),
      my_model(std::make_unique<OptionsModel>(settings, prompt, target, switches))
{
    setWindowTitle(QStringLiteral("Velkor Options"));
    auto* grid = new QGridLayout;
    grid->addWidget(build_files(), 0, 0, 1, 3);
    grid->addWidget(build_check_in_box(), 1, 0);
    grid->addWidget(build_radio_box("Show VKR name in icon",
                                    {{"Always", 117}, {"When not checked in", 118}, {"Never", 119}}, my_vkr_name),
                    1, 1);
    grid->addWidget(build_radio_box("If VKR exits while I'm checked in",
                                    {{"Check out", 125},
                                     {"Exit without checking out", 126},
                                     {"Ask me what to do", 127},
                                     {"Don't let it exit if I'm checked in", 128}},
                                    my_exit_while_checked_in),
                    1, 2);
    grid->addWidget(build_radio_box("Display time for", {{"Current project only", 110}, {"All projects", 111}},
                                    my_display_time_for),
                    2, 0);
    grid->addWidget(build_past_times(), 2, 1);
    grid->addWidget(build_radio_box("Display current project time", {{"Since last check-in", 108}, {"Total time", 109}},
                                    my_current_time),
                    2, 2);
    grid->addWidget(
        build_radio_box(
            "Time format",
            {{"H:M:S Military (13:50:35)", 135}, {"H:M:S AM/PM (1:50:35 PM)", 136}, {"H:M:S am/pm (1:50:35 pm)", 137}},
            my_time_format),
        3, 0);
    grid->addWidget(build_reminders(), 3, 1);
    grid->addWidget(build_rows_and_hot_key(), 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(build_buttons());

    show_values(my_model->initial());
    connect_preview();
}

OptionsDialog::~OptionsDialog()
{
    // Destroying the dialog takes the focus from the rows edit after the model is gone.
    my_rows->stop();
}

QWidget* OptionsDialog::build_files()
{
    auto* box = new QGroupBox(QStringLiteral("Files"), this);
    auto* layout = new QGridLayout(box);
    my_log_file = limited_edit(101, kPathMaxBytes, box);
    my_project_file = limited_edit(103, kPathMaxBytes, box);
    layout->addWidget(plain_label(QStringLiteral("Log file:"), box), 0, 0);
    layout->addWidget(my_log_file, 0, 1);
    layout->addWidget(plain_label(QStringLiteral("Project file:"), box), 1, 0);
    layout->addWidget(my_project_file, 1, 1);
    my_log_file->setEnabled(my_model->log_file_editable());
    my_project_file->setEnabled(my_model->project_file_editable());
    return box;
}

QWidget* OptionsDialog::build_check_in_box()
{
    auto* box = new QGroupBox(QStringLiteral("When I check in"), this);
    auto* layout = new QVBoxLayout(box);
    my_ask_memo = check_box("Ask for memo", 114, box);
    my_close_on_select = check_box("Close the window", 105, box);
    my_exit_on_checkin = check_box("Exit without checking out", 121, box);
    my_highlight = check_box("Highlight current project", 106, box);
    my_tray = check_box("Put icon in system tray", 124, box);
    for (QCheckBox* check : {my_ask_memo, my_close_on_select, my_exit_on_checkin, my_highlight, my_tray})
        layout->addWidget(check);
    return box;
}

QWidget* OptionsDialog::build_radio_box(const char* title, std::initializer_list<std::pair<const char*, int>> radios,
                                        std::vector<QRadioButton*>& out)
{
    auto* box = new QGroupBox(QString::fromUtf8(title), this);
    auto* layout = new QVBoxLayout(box);
    for (const auto& [text, id] : radios) {
        out.push_back(with_id(new QRadioButton(QString::fromUtf8(text), box), id));
        layout->addWidget(out.back());
    }
    return box;
}

QWidget* OptionsDialog::build_past_times()
{
    auto* box = new QGroupBox(QStringLiteral("Past times"), this);
    auto* layout = new QVBoxLayout(box);
    my_read_log = check_box("Read past times from log", 131, box);
    my_read_today = check_box("Just today's times", 139, box);
    my_read_weekly = check_box("Just this week's times", 115, box);
    my_total_all = check_box("Show total of all times", 120, box);
    for (QCheckBox* check : {my_read_log, my_read_today, my_read_weekly, my_total_all})
        layout->addWidget(check);
    // The two "Just ..." boxes exclude each other and count only while past times are read.
    connect(my_read_today, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            my_read_weekly->setChecked(false);
    });
    connect(my_read_weekly, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            my_read_today->setChecked(false);
    });
    connect(my_read_log, &QCheckBox::toggled, this, [this](bool on) {
        my_read_today->setEnabled(on);
        my_read_weekly->setEnabled(on);
    });
    return box;
}

QWidget* OptionsDialog::build_reminders()
{
    auto* box = new QGroupBox(QStringLiteral("Minutes (approx) between reminders (use 0 to disable)"), this);
    auto* layout = new QGridLayout(box);
    my_reminder_busy = limited_edit(112, kReminderMaxBytes, box);
    my_reminder_idle = limited_edit(122, kReminderMaxBytes, box);
    my_sound_busy = check_box("Play a sound", 133, box);
    my_sound_idle = check_box("Play a sound", 138, box);
    layout->addWidget(my_reminder_busy, 0, 0);
    layout->addWidget(plain_label(QStringLiteral("Minutes when checked in"), box), 0, 1);
    layout->addWidget(my_sound_busy, 0, 2);
    layout->addWidget(my_reminder_idle, 1, 0);
    layout->addWidget(plain_label(QStringLiteral("Minutes when not checked in"), box), 1, 1);
    layout->addWidget(my_sound_idle, 1, 2);
    for (QLineEdit* edit : {my_reminder_busy, my_reminder_idle}) {
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        select_all_on_focus(edit);
    }
    return box;
}

QWidget* OptionsDialog::build_rows_and_hot_key()
{
    auto* box = new QWidget(this);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    my_rows =
        with_id(new RowsEdit(
                    my_target.rows(), [this](const QString& text) { my_model->rows_typed(text.toStdString()); }, box),
                132);
    select_all_on_focus(my_rows);
    my_hot_key = with_id(new HotKeyEdit(box), 130);
    // Wide enough for a key with all three modifiers.
    my_hot_key->setMinimumWidth(my_hot_key->fontMetrics().horizontalAdvance(QStringLiteral("Ctrl+Alt+Shift+PgDown")) +
                                my_hot_key->fontMetrics().height() * 2);
    layout->addWidget(plain_label(QStringLiteral("# of rows on the screen:"), box), 0, 0);
    layout->addWidget(my_rows, 0, 1);
    layout->addWidget(plain_label(QStringLiteral("Hot key"), box), 1, 0);
    layout->addWidget(my_hot_key, 1, 1);
    return box;
}

QLayout* OptionsDialog::build_buttons()
{
    auto* background = with_id(new QPushButton(QStringLiteral("Background Color"), this), 104);
    auto* font = with_id(new QPushButton(QStringLiteral("Font"), this), 116);
    auto* variables = with_id(new QPushButton(QStringLiteral("Environment Variables"), this), 102);
    variables->setEnabled(my_model->env_vars_enabled());
    auto* ok = with_id(new QPushButton(QStringLiteral("OK"), this), 1);
    auto* cancel = with_id(new QPushButton(QStringLiteral("Cancel"), this), 2);
    auto* help = with_id(new QPushButton(QStringLiteral("Help"), this), 998);
    connect_help_button(help, 1020);
    ok->setDefault(true);
    for (QPushButton* button : {background, font, variables})
        button->setAutoDefault(false);

    connect(background, &QPushButton::clicked, this, &OptionsDialog::change_background);
    connect(font, &QPushButton::clicked, this, &OptionsDialog::change_font);
    connect(variables, &QPushButton::clicked, this, &OptionsDialog::edit_environment_variables);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);

    auto* row = new QHBoxLayout;
    for (QPushButton* button : {background, font, variables})
        row->addWidget(button);
    row->addStretch();
    for (QPushButton* button : {ok, cancel, help})
        row->addWidget(button);
    return row;
}

void OptionsDialog::show_values(const OptionsValues& v)
{
    my_log_file->setText(qstr(v.log_file));
    my_project_file->setText(qstr(v.project_file));
    my_ask_memo->setChecked(v.ask_memo);
    my_close_on_select->setChecked(v.close_on_select);
    my_highlight->setChecked(v.highlight);
    my_exit_on_checkin->setChecked(v.exit_on_checkin);
    check_index(my_vkr_name, v.show_vkr_name);
    my_tray->setChecked(v.use_system_tray);
    check_index(my_exit_while_checked_in, v.exit_while_checked_in);
    check_index(my_display_time_for, v.show_elapsed_times ? 1 : 0);
    my_read_log->setChecked(v.read_log_time);
    my_read_today->setChecked(v.read_today_time);
    my_read_weekly->setChecked(v.read_weekly_time);
    my_read_today->setEnabled(v.read_log_time);
    my_read_weekly->setEnabled(v.read_log_time);
    my_total_all->setChecked(v.show_total_all_times);
    check_index(my_current_time, v.show_total_time ? 1 : 0);
    check_index(my_time_format, v.time_format);
    my_reminder_busy->setText(qstr(v.reminder_busy));
    my_sound_busy->setChecked(v.sound_busy);
    my_reminder_idle->setText(qstr(v.reminder_idle));
    my_sound_idle->setChecked(v.sound_idle);
    my_hot_key->set_code(v.hot_key);
}

void OptionsDialog::connect_preview()
{
    connect(my_current_time[1], &QRadioButton::toggled, this, [this](bool on) { my_target.set_show_total_time(on); });
    connect(my_display_time_for[1], &QRadioButton::toggled, this,
            [this](bool on) { my_target.set_show_elapsed_times(on); });
    connect(my_highlight, &QCheckBox::toggled, this, [this](bool on) { my_target.set_highlight(on); });
}

OptionsValues OptionsDialog::values() const
{
    const OptionsValues& initial = my_model->initial();
    OptionsValues v;
    v.log_file = my_log_file->text().toStdString();
    v.project_file = my_project_file->text().toStdString();
    v.ask_memo = my_ask_memo->isChecked();
    v.close_on_select = my_close_on_select->isChecked();
    v.highlight = my_highlight->isChecked();
    v.exit_on_checkin = my_exit_on_checkin->isChecked();
    v.show_vkr_name = checked_index(my_vkr_name, initial.show_vkr_name);
    v.use_system_tray = my_tray->isChecked();
    v.exit_while_checked_in = checked_index(my_exit_while_checked_in, initial.exit_while_checked_in);
    v.show_elapsed_times = my_display_time_for[1]->isChecked();
    v.read_log_time = my_read_log->isChecked();
    v.read_today_time = my_read_today->isChecked();
    v.read_weekly_time = my_read_weekly->isChecked();
    v.show_total_all_times = my_total_all->isChecked();
    v.show_total_time = my_current_time[1]->isChecked();
    v.time_format = checked_index(my_time_format, initial.time_format);
    v.reminder_busy = my_reminder_busy->text().toStdString();
    v.sound_busy = my_sound_busy->isChecked();
    v.reminder_idle = my_reminder_idle->text().toStdString();
    v.sound_idle = my_sound_idle->isChecked();
    v.hot_key = my_hot_key->code();
    return v;
}

void OptionsDialog::change_background()
{
    my_model->change_background([this](Color current) {
        return my_choosers.color ? my_choosers.color(current, this)
                                 : choose_color(current, QStringLiteral("Background Color"), this);
    });
}

void OptionsDialog::change_font()
{
    const FontDescription current = my_target.font();
    const std::optional<FontDescription> chosen =
        my_choosers.font ? my_choosers.font(current, this) : choose_font(QApplication::font(), current, this);
    if (chosen)
        my_model->font_chosen(*chosen);
}

void OptionsDialog::edit_environment_variables()
{
    EnvVarDialog dialog(my_target.env_list(), my_settings, my_prompt, this);
    dialog.exec();
}

void OptionsDialog::accept()
{
    // Enter in the rows edit reaches OK without the edit losing the focus; its count still counts.
    my_model->rows_typed(my_rows->text().toStdString());
    if (my_model->ok(values()) == OptionsOk::HotKeyRefused) {
        my_hot_key->setFocus();
        return;
    }
    QDialog::accept();
}

void OptionsDialog::reject()
{
    my_model->cancel();
    QDialog::reject();
}

} // namespace velkor
