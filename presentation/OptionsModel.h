#pragma once
// The rules of the Options dialog: what its controls show at the start, the live changes (rows,
// background colour, font), and OK's steps in order, from the hot key to the final flush.

#include "base/Prompt.h"
#include "classlib/Color.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsValues.h"
#include "core/LockdownSwitches.h"
#include "presentation/OptionsTarget.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

/// What the dialog's controls hold.
struct OptionsValues
{
    std::string log_file;
    std::string project_file;
    bool ask_memo = false; ///< memos asked for at every check-in
    bool close_on_select = true;
    bool highlight = true;
    bool exit_on_checkin = false;
    int show_vkr_name = 0; ///< 0 always, 1 when not checked in, 2 never; any other value checks no radio
    bool use_system_tray = false;
    int exit_while_checked_in = 3;   ///< 0 to 3; any other value checks no radio
    bool show_elapsed_times = false; ///< "All projects"
    bool read_log_time = false;
    bool read_today_time = false;
    bool read_weekly_time = false;
    bool show_total_all_times = false;
    bool show_total_time = false; ///< "Total time"
    int time_format = 2;          ///< 0 military, 1 AM/PM, 2 am/pm; any other value checks no radio
    std::string reminder_busy;    ///< as typed
    bool sound_busy = false;
    std::string reminder_idle;
    bool sound_idle = false;
    int hot_key = 0;

    bool operator==(const OptionsValues&) const = default;
};

/// How OK ended.
enum class OptionsOk
{
    Closed,        ///< every step ran; the dialog closes
    HotKeyRefused, ///< the hot key was refused or could not be registered; the dialog stays open on it
};

/// F1 to F4 without a modifier: the program's own function keys, refused as the hot key.
bool is_reserved_hot_key(int code);

/// The nearest colour a screen of depth bits per pixel shows: each component rounded to what its
/// share of the bits can hold (5, 6, 5 at 16 bits; 5, 5, 5 at 15; 3, 3, 2 at 8 and below).
Color nearest_displayable_color(Color color, int depth);

/// The rows edit's text as a new row count: at most 4 characters read as a number; nothing for
/// 0 (or no number) and for the count already in use.
std::optional<int> typed_rows(std::string_view text, int current);

class OptionsModel
{
public:
    /// Shows the colour chooser over the dialog: the chosen colour, or nothing when cancelled.
    using ColorChooser = std::function<std::optional<Color>(Color current)>;

    /// Reads what the dialog shows: the settings and the target's current state.
    OptionsModel(IniFile& settings, Prompt& prompt, OptionsTarget& target,
                 LockdownSwitches switches = kLockdownSwitches);

    const OptionsValues& initial() const { return my_initial; }
    /// The file edits are disabled when a command-line or environment override chose the file,
    /// or when the lockdown forbids changing it; the "Environment Variables" button likewise.
    bool log_file_editable() const;
    bool project_file_editable() const;
    bool env_vars_enabled() const;

    /// The rows edit lost the focus with text in it.
    void rows_typed(std::string_view text);
    /// "Background Color": asks whether to choose, take the default or keep the colour; a taken
    /// colour becomes the background at once, as near as the screen shows it.
    void change_background(const ColorChooser& choose);
    /// The font chooser's OK: the font is shown at once and written by OK.
    void font_chosen(const FontDescription& font);

    /// OK's steps in order; the settings are flushed when it returns Closed.
    OptionsOk ok(const OptionsValues& values);
    /// Cancel: the font is measured again if it changed, and the row count set back from the settings.
    void cancel();

private:
    OptionsValues read_initial() const;
    bool refuse_checked_in(const char* what) const;
    void change_log_file(const std::string& path);
    void change_project_file(const std::string& path);
    void write_reminders(const OptionsValues& values);
    void write_choices(const OptionsValues& values);
    void write_ask_memo(bool ask);
    void write_looks();
    void write_past_times(const OptionsValues& values);
    void tell_what_takes_effect_later(const OptionsValues& values);
    void error(const std::string& text) const;

    IniFile& my_settings;
    Prompt& my_prompt;
    OptionsTarget& my_target;
    LockdownSwitches my_switches;
    OptionsValues my_initial;
    Color my_start_background;
    bool my_font_changed = false;
};

} // namespace velkor
