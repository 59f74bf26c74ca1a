#include "classlib/ColorText.h"

#include "base/Utf8Text.h"
#include "classlib/ValueScanner.h"

namespace velkor {
namespace {

bool is_component(int value)
{
    return value >= 0 && value <= 255;
}

int toward_middle(int component)
{
    return component < 128 ? component + 5 : component - 5;
}

} // namespace

std::optional<Color> read_color_text(std::string_view text, int max_chars)
{
    if (max_chars >= 0 && text.size() > static_cast<std::size_t>(max_chars))
        text = text.substr(0, static_cast<std::size_t>(max_chars));
    ValueScanner scan(text);
    int red = 0, green = 0, blue = 0;
    bool read = scan.read_int(red) && scan.read_separator() && scan.read_int(green) && scan.read_separator() &&
                scan.read_int(blue) && scan.only_blanks_left();
    if (!read || !is_component(red) || !is_component(green) || !is_component(blue))
        return std::nullopt;
    return make_rgb(red, green, blue);
}

Color parse_color_text(std::string_view text, const std::string& message_text, Prompt& prompt, int max_chars)
{
    if (std::optional<Color> color = read_color_text(text, max_chars))
        return *color;
    prompt.message(message_excerpt(message_text), kInvalidColorCaption, Buttons::Ok, Icon::Information);
    return kBlack;
}

std::string format_color(Color color)
{
    return std::to_string(red_of(color)) + "," + std::to_string(green_of(color)) + "," + std::to_string(blue_of(color));
}

Color default_background_color(Color button_face)
{
    return make_rgb(toward_middle(red_of(button_face)), toward_middle(green_of(button_face)),
                    toward_middle(blue_of(button_face)));
}

} // namespace velkor
