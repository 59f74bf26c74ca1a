#include "presentation/OptionsModel.h"

#include "base/Utf8Text.h"
#include "classlib/ColorText.h"
#include "classlib/SettingsKeys.h"
#include "core/MemoRequest.h"
#include "platform/FileAccess.h"
#include "platform/LockFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace velkor {
namespace {

constexpr const char* kReservedKeyText = "F1 through F4 cannot be used as a hot key\nbecause they are already used to "
                                         "access\nvarious Velkor functions. Please\nuse a modifier (Ctrl, Shift, Alt) "
                                         "with the\nkey, or choose a different key.";
constexpr const char* kLogInUseText = "The new log file you've specified is already in use by someone else.\nEither "
                                      "get them to stop using it, or choose a different log file.";
constexpr const char* kBackgroundQuestion =
    "Click \"Yes\" to select a new background color.\n\nClick \"No\" to use the default background color.\n\nClick "
    "\"Cancel\" to keep the current background color.";

constexpr int kVirtualKeyF1 = 0x70;
constexpr int kVirtualKeyF4 = 0x73;

// A number at the start of text (blanks skipped), as an edit's contents are read; 0 when there is none.
long leading_number(std::string_view text)
{
    const std::string copy(text);
    return std::strtol(copy.c_str(), nullptr, 10);
}

int round_to_bits(int component, int bits)
{
    const int levels = (1 << bits) - 1;
    const int level = (component * levels + 127) / 255;
    return (level * 255 + levels / 2) / levels;
}

} // namespace

bool is_reserved_hot_key(int code)
{
    const int key = code & 0xff;
    return (code >> 8) == 0 && key >= kVirtualKeyF1 && key <= kVirtualKeyF4;
}

Color nearest_displayable_color(Color color, int depth)
{
    if (depth <= 0 || depth >= 24)
        return color;
    const int bits[3] = {depth >= 15 ? 5 : 3, depth >= 16 ? 6 : depth >= 15 ? 5 : 3, depth >= 15 ? 5 : 2};
    return make_rgb(round_to_bits(red_of(color), bits[0]), round_to_bits(green_of(color), bits[1]),
                    round_to_bits(blue_of(color), bits[2]));
}

std::optional<int> typed_rows(std::string_view text, int current)
{
    const long rows = leading_number(text.substr(0, 4));
    if (rows <= 0 || rows == current)
        return std::nullopt;
    return static_cast<int>(rows);
}

OptionsModel::OptionsModel(IniFile& settings, Prompt& prompt, OptionsTarget& target, LockdownSwitches switches)
    : my_settings(settings), my_prompt(prompt), my_target(target), my_switches(switches), my_initial(read_initial()),
      my_start_background(target.background())
{
}

OptionsValues OptionsModel::read_initial() const
{
    OptionsValues v;
    v.log_file = my_target.log_file();
    v.project_file = my_target.project_file();
    v.ask_memo = ParseAskMemo(get(my_settings, kAskMemo)) == AskMemoMode::EveryCheckIn;
    v.close_on_select = get_yes_no(my_settings, kCloseOnSelect);
    v.highlight = get_yes_no(my_settings, kHighlightSelected);
    v.exit_on_checkin = get_flag(my_settings, kExitOnCheckin);
    v.show_vkr_name = get_int(my_settings, kShowVKRName);
    v.use_system_tray = get_flag(my_settings, kUseSystemTray);
    v.exit_while_checked_in = get_int(my_settings, kExitWhileCheckedIn);
    v.show_elapsed_times = get_yes_no(my_settings, kShowElapsedTime);
    // The two "Just ..." switches exclude each other; the weekly one wins.
    const PastTimeFlags past = read_past_time_flags(my_settings);
    v.read_log_time = past.read_log_time;
    v.read_weekly_time = past.read_weekly_time;
    v.read_today_time = past.read_today_time && !past.read_weekly_time;
    v.show_total_all_times = past.show_total_all_times;
    v.show_total_time = get_yes_no(my_settings, kShowTotalTime);
    v.time_format = get_int(my_settings, kTimeFormat);
    v.reminder_busy = std::to_string(my_target.busy_interval());
    v.sound_busy = get_flag(my_settings, kReminderSoundBusy);
    v.reminder_idle = std::to_string(my_target.idle_interval());
    v.sound_idle = get_flag(my_settings, kReminderSoundIdle);
    v.hot_key = my_target.hot_key();
    return v;
}

bool OptionsModel::log_file_editable() const
{
    return !my_target.log_file_overridden() && !my_switches.is_on(LockdownFeature::LogFileName);
}

bool OptionsModel::project_file_editable() const
{
    return !my_target.project_file_overridden() && !my_switches.is_on(LockdownFeature::ProjectFileName);
}

bool OptionsModel::env_vars_enabled() const
{
    return !my_switches.is_on(LockdownFeature::EnvironmentVariables);
}

void OptionsModel::rows_typed(std::string_view text)
{
    if (std::optional<int> rows = typed_rows(text, my_target.rows()))
        my_target.set_rows(*rows);
}

void OptionsModel::change_background(const ColorChooser& choose)
{
    std::optional<Color> taken;
    switch (my_prompt.message(kBackgroundQuestion, "Change Background Color", Buttons::YesNoCancel, Icon::None)) {
    case Answer::Yes:
        taken = choose(my_target.background());
        break;
    case Answer::No:
        taken = default_background_color(my_target.button_face());
        break;
    default:
        break;
    }
    if (taken)
        my_target.set_background(nearest_displayable_color(*taken, my_target.color_depth()));
}

void OptionsModel::font_chosen(const FontDescription& font)
{
    my_target.set_font(font);
    my_target.set_font_changed();
    my_font_changed = true;
}

OptionsOk OptionsModel::ok(const OptionsValues& values)
{
    if (values.hot_key != my_target.hot_key()) {
        if (is_reserved_hot_key(values.hot_key)) {
            error(kReservedKeyText);
            return OptionsOk::HotKeyRefused;
        }
        if (!my_target.register_hot_key(values.hot_key))
            return OptionsOk::HotKeyRefused;
    }
    // A refused file is reported and the old one stays; the other settings are still saved.
    if (values.log_file != my_target.log_file())
        change_log_file(values.log_file);
    if (values.project_file != my_target.project_file())
        change_project_file(values.project_file);
    write_reminders(values);
    write_choices(values);
    write_ask_memo(values.ask_memo);
    write_looks();
    put_int(my_settings, kDesiredRows, my_target.rows());
    write_past_times(values);
    tell_what_takes_effect_later(values);
    my_settings.flush();
    return OptionsOk::Closed;
}

void OptionsModel::cancel()
{
    if (my_font_changed)
        my_target.set_font_changed();
    my_target.set_rows(std::max(1, get_int(my_settings, kDesiredRows)));
}

bool OptionsModel::refuse_checked_in(const char* what) const
{
    if (!my_target.checked_in())
        return false;
    error(std::string("You must check out of the current project\nbefore changing to a different ") + what + ".");
    return true;
}

void OptionsModel::change_log_file(const std::string& path)
{
    if (refuse_checked_in("log file"))
        return;
    // An empty name would lock ".lck" and leave every later record unwritable.
    if (path.empty()) {
        error("The log file name must not be empty.");
        return;
    }
    if (!my_target.take_log(path)) {
        error(kLogInUseText);
        return;
    }
    put(my_settings, kLogFile, path);
    my_target.log_changed();
}

void OptionsModel::change_project_file(const std::string& path)
{
    if (refuse_checked_in("project file"))
        return;
    std::FILE* file = fopen_regular(path);
    if (!file) {
        const int reason = errno;
        error("Cannot open project file:\n\n" + message_excerpt(path) + "\n\nReason: " + system_error_text(reason));
        return;
    }
    std::fclose(file);
    put(my_settings, kProjectFile, path);
    my_target.project_file_changed(path);
}

void OptionsModel::write_reminders(const OptionsValues& values)
{
    // Written as typed, checked when the reminder reads it again; an unchanged number keeps the
    // stored text ("15 minutes" stays).
    if (leading_number(values.reminder_busy) != my_target.busy_interval())
        put(my_settings, kReminderDuration, values.reminder_busy);
    put_flag(my_settings, kReminderSoundBusy, values.sound_busy);
    if (leading_number(values.reminder_idle) != my_target.idle_interval())
        put(my_settings, kReminderDurationIdle, values.reminder_idle);
    put_flag(my_settings, kReminderSoundIdle, values.sound_idle);
}

void OptionsModel::write_choices(const OptionsValues& values)
{
    put_yes_no(my_settings, kShowTotalTime, values.show_total_time);
    put_yes_no(my_settings, kShowElapsedTime, values.show_elapsed_times);
    put_yes_no(my_settings, kCloseOnSelect, values.close_on_select);
    put_yes_no(my_settings, kHighlightSelected, values.highlight);
    put_flag(my_settings, kExitOnCheckin, values.exit_on_checkin);
    put_int(my_settings, kShowVKRName, values.show_vkr_name);
    put_flag(my_settings, kUseSystemTray, values.use_system_tray);
    put_int(my_settings, kExitWhileCheckedIn, values.exit_while_checked_in);
}

void OptionsModel::write_ask_memo(bool ask)
{
    // Unchecking turns asking at check-in off; a mode of asking at check-out is left alone.
    if (ask)
        put(my_settings, kAskMemo, "i");
    else if (my_initial.ask_memo)
        put(my_settings, kAskMemo, "n");
}

void OptionsModel::write_looks()
{
    if (my_target.background() != my_start_background)
        put(my_settings, kBkColor, format_color(my_target.background()));
    if (my_font_changed) {
        put(my_settings, kFont, format_font(my_target.font()));
        my_target.set_font_changed();
    }
}

void OptionsModel::write_past_times(const OptionsValues& values)
{
    put_flag(my_settings, kReadLogTime, values.read_log_time);
    put_flag(my_settings, kReadTodayTime, values.read_today_time);
    put_flag(my_settings, kReadWeeklyTime, values.read_weekly_time);
    put_flag(my_settings, kShowTotalAllTimes, values.show_total_all_times);
    put_int(my_settings, kTimeFormat, values.time_format);
    // The older WeeklyTime forces these four at every start; switches set otherwise here would
    // never take effect, so it gives way to them.
    const bool as_forced =
        values.read_log_time && !values.read_today_time && values.read_weekly_time && values.show_total_all_times;
    if (!as_forced && get_flag(my_settings, kWeeklyTime))
        put_flag(my_settings, kWeeklyTime, false);
}

void OptionsModel::tell_what_takes_effect_later(const OptionsValues& values)
{
    std::string lines;
    auto add = [&lines](bool now, bool before, const char* line) {
        if (now != before)
            lines += std::string(now ? "ON: " : "OFF: ") + line;
    };
    add(values.read_log_time, my_initial.read_log_time, "Read past times from log file\n");
    add(values.read_today_time, my_initial.read_today_time, "Read just today's times\n");
    add(values.read_weekly_time, my_initial.read_weekly_time, "Read just this week's times\n");
    if (!lines.empty())
        my_prompt.message("The following setting(s) will take effect\nthe next time Velkor is started:\n\n" + lines, "",
                          Buttons::Ok, Icon::Information);
}

void OptionsModel::error(const std::string& text) const
{
    my_prompt.message(text, "Error", Buttons::Ok, Icon::Exclamation);
}

} // namespace velkor
