#pragma once
// "Velkor Options": most settings of the program in one dialog. Some choices show on the main
// window at once (live preview); OK writes them all (OptionsModel runs its steps), Cancel leaves
// the settings as they were, and the main window reads its settings again afterwards either way.

#include "classlib/Color.h"
#include "classlib/SettingsValues.h"
#include "core/LockdownSwitches.h"

#include <QDialog>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace velkor {

class HotKeyEdit;
class IniFile;
class OptionsModel;
class OptionsTarget;
class Prompt;
class RowsEdit;
struct OptionsValues;

/// The system's choosers as the dialog opens them; tests replace them.
struct OptionsChoosers
{
    /// The colour chooser on current: the chosen colour, or nothing (default: QColorDialog with
    /// the shared custom colours, titled "Background Color").
    std::function<std::optional<Color>(Color current, QWidget* parent)> color;
    /// The font chooser on current: the chosen font, or nothing (default: QFontDialog on the
    /// application's font).
    std::function<std::optional<FontDescription>(const FontDescription& current, QWidget* parent)> font;
};

class OptionsDialog : public QDialog
{
public:
    /// Shows the target's state and the settings. target, settings and prompt must outlive the dialog.
    OptionsDialog(OptionsTarget& target, IniFile& settings, Prompt& prompt, OptionsChoosers choosers = {},
                  QWidget* parent = nullptr, LockdownSwitches switches = kLockdownSwitches);
    ~OptionsDialog() override;

    /// OK: runs the steps; the dialog stays open when the hot key is refused.
    void accept() override;
    /// Cancel, Escape or closing the window.
    void reject() override;

private:
    QWidget* build_files();
    QWidget* build_check_in_box();
    QWidget* build_radio_box(const char* title, std::initializer_list<std::pair<const char*, int>> radios,
                             std::vector<QRadioButton*>& out);
    QWidget* build_past_times();
    QWidget* build_reminders();
    QWidget* build_rows_and_hot_key();
    QLayout* build_buttons();
    void show_values(const OptionsValues& values);
    void connect_preview();
    OptionsValues values() const;

    void change_background();
    void change_font();
    void edit_environment_variables();

    OptionsTarget& my_target;
    IniFile& my_settings;
    Prompt& my_prompt;
    OptionsChoosers my_choosers;
    std::unique_ptr<OptionsModel> my_model;

    QLineEdit* my_log_file = nullptr;
    QLineEdit* my_project_file = nullptr;
    QCheckBox* my_ask_memo = nullptr;
    QCheckBox* my_close_on_select = nullptr;
    QCheckBox* my_highlight = nullptr;
    QCheckBox* my_exit_on_checkin = nullptr;
    std::vector<QRadioButton*> my_vkr_name;
    QCheckBox* my_tray = nullptr;
    std::vector<QRadioButton*> my_exit_while_checked_in;
    std::vector<QRadioButton*> my_display_time_for;
    QCheckBox* my_read_log = nullptr;
    QCheckBox* my_read_today = nullptr;
    QCheckBox* my_read_weekly = nullptr;
    QCheckBox* my_total_all = nullptr;
    std::vector<QRadioButton*> my_current_time;
    RowsEdit* my_rows = nullptr;
    std::vector<QRadioButton*> my_time_format;
    QLineEdit* my_reminder_busy = nullptr;
    QCheckBox* my_sound_busy = nullptr;
    QLineEdit* my_reminder_idle = nullptr;
    QCheckBox* my_sound_idle = nullptr;
    HotKeyEdit* my_hot_key = nullptr;
};

} // namespace velkor
