#include "classlib/SettingsValues.h"

#include "classlib/ColorText.h"
#include "classlib/SettingsKeys.h"
#include "classlib/ValueScanner.h"

namespace velkor {

bool parse_yes_no(std::string_view text)
{
    return !text.empty() && (text.front() == 'y' || text.front() == 'Y');
}

bool parse_yes_no_exact(std::string_view text)
{
    return !text.empty() && text.front() == 'y';
}

const char* yes_no_text(bool on)
{
    return on ? "y" : "n";
}

void parse_font(std::string_view text, FontDescription& font)
{
    ValueScanner scan(text);
    int* const numbers[] = {&font.height,      &font.width,  &font.escapement,
                            &font.orientation, &font.weight, &font.point_size};
    std::uint8_t* const bytes[] = {&font.italic,        &font.underline,      &font.strike_out, &font.char_set,
                                   &font.out_precision, &font.clip_precision, &font.quality,    &font.pitch_and_family};
    bool first = true;
    auto next_field = [&](int& value) {
        bool ok = (first || scan.read_separator()) && scan.read_int(value);
        first = false;
        return ok;
    };
    for (int* field : numbers) {
        if (!next_field(*field))
            return;
    }
    for (std::uint8_t* field : bytes) {
        int value = 0;
        if (!next_field(value))
            return;
        *field = static_cast<std::uint8_t>(value & 0xFF);
    }
    if (!scan.read_separator())
        return;
    scan.skip_blanks();
    std::string face = cut_utf8(scan.rest(), kMaxFaceName);
    if (!face.empty())
        font.face_name = face;
}

std::string format_font(const FontDescription& font)
{
    std::string out;
    for (int value : {font.height, font.width, font.escapement, font.orientation, font.weight, font.point_size})
        out += std::to_string(value) + ",";
    for (std::uint8_t value : {font.italic, font.underline, font.strike_out, font.char_set, font.out_precision,
                               font.clip_precision, font.quality, font.pitch_and_family})
        out += std::to_string(value) + ",";
    return out + font.face_name;
}

std::optional<SizeValue> parse_window_size(std::string_view text)
{
    ValueScanner scan(text);
    SizeValue size;
    if (scan.read_int(size.width) && scan.read_separator() && scan.read_int(size.height))
        return size;
    return std::nullopt;
}

std::string format_window_size(int width, int height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

std::optional<PositionValue> parse_window_position(std::string_view text)
{
    ValueScanner scan(text);
    PositionValue position;
    if (scan.read_int(position.left) && scan.read_int(position.top))
        return position;
    return std::nullopt;
}

std::string format_window_position(int left, int top)
{
    return std::to_string(left) + " " + std::to_string(top);
}

Color read_bk_color(IniFile& ini, Color button_face, Prompt& prompt)
{
    std::string stored = get(ini, kBkColor);
    std::string text = stored.empty() ? format_color(default_background_color(button_face)) : stored;
    return parse_color_text(text, "BkColor = " + stored, prompt, kSettingsColorChars);
}

int read_date_order(IniFile& ini)
{
    const int order = get_int(ini, kDateFormat);
    return order == 1 || order == 2 ? order : 0;
}

PastTimeFlags read_past_time_flags(IniFile& ini)
{
    PastTimeFlags flags;
    flags.read_log_time = get_flag(ini, kReadLogTime);
    flags.read_today_time = get_flag(ini, kReadTodayTime);
    flags.read_weekly_time = get_flag(ini, kReadWeeklyTime);
    flags.show_total_all_times = get_flag(ini, kShowTotalAllTimes);
    if (get_flag(ini, kWeeklyTime))
        flags = {true, false, true, true};
    return flags;
}

} // namespace velkor
