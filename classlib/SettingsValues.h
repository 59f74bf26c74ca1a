#pragma once
// The value encodings shared by several settings: yes/no texts, the font, window size and
// position, the background colour and the past-time scan switches.

#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "classlib/Color.h"
#include "classlib/IniFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

/// On when the first character, lower-cased, is "y".
bool parse_yes_no(std::string_view text);
/// On only when the first character is "y" as it stands (how WindowMaximized is read).
bool parse_yes_no_exact(std::string_view text);
/// "y" or "n".
const char* yes_no_text(bool on);

/// The main window's font: the logical-font fields, the point size in tenths and the face name.
struct FontDescription
{
    int height = -13;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 700;
    int point_size = 100; // tenths of a point
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strike_out = 0;
    std::uint8_t char_set = 0;
    std::uint8_t out_precision = 1;
    std::uint8_t clip_precision = 2;
    std::uint8_t quality = 1;
    std::uint8_t pitch_and_family = 34;
    std::string face_name = "System"; // at most kMaxFaceName bytes

    bool operator==(const FontDescription&) const = default;
};

inline constexpr std::size_t kMaxFaceName = 31;

/// Reads the fifteen comma-separated fields (any one non-blank separator) into font; reading
/// stops at the first unreadable field and leaves it and the rest as they were.
void parse_font(std::string_view text, FontDescription& font);
/// The stored form, fields separated by commas.
std::string format_font(const FontDescription& font);

struct SizeValue
{
    int width = 0;
    int height = 0;
};

struct PositionValue
{
    int left = 0;
    int top = 0;
};

/// "600x400": width, one non-blank separator, height; nothing when either number is missing.
std::optional<SizeValue> parse_window_size(std::string_view text);
std::string format_window_size(int width, int height);
/// "100 100": left and top separated by blanks; nothing when either number is missing.
std::optional<PositionValue> parse_window_position(std::string_view text);
std::string format_window_position(int left, int top);

/// The BkColor setting: the stored colour, or when empty or absent the default background
/// derived from button_face; a bad text shows "BkColor = " + text and gives black.
Color read_bk_color(IniFile& ini, Color button_face, Prompt& prompt);

/// The date order of [Reporter] DateFormat, which every dialog that shows dates reads when it is
/// made: 1 day/month/year, 2 year/month/day, any other value 0 month/day/year.
int read_date_order(IniFile& ini);

/// The switches of the past-time scan, with WeeklyTime applied.
struct PastTimeFlags
{
    bool read_log_time = false;
    bool read_today_time = false;
    bool read_weekly_time = false;
    bool show_total_all_times = false;
};

/// Reads ReadLogTime, ReadTodayTime, ReadWeeklyTime and ShowTotalAllTimes; WeeklyTime on forces
/// them to on, off, on, on.
PastTimeFlags read_past_time_flags(IniFile& ini);

} // namespace velkor
