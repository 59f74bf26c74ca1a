#pragma once
// Colour texts "red,green,blue" as stored in the settings and in the project file.

#include "base/Prompt.h"
#include "classlib/Color.h"

#include <optional>
#include <string>
#include <string_view>

namespace velkor {

/// How many characters of a colour text are read: the settings read 29, the project file 30.
inline constexpr int kSettingsColorChars = 29;
inline constexpr int kProjectFileColorChars = 30;

inline constexpr const char* kInvalidColorCaption = "Invalid color specification, using black";

/// Reads integer, non-blank character, integer, non-blank character, integer from the first
/// max_chars characters, with only blanks after and each number from 0 to 255.
std::optional<Color> read_color_text(std::string_view text, int max_chars);

/// As read_color_text; a bad text shows message_text with the invalid-colour caption (OK,
/// information icon) and gives black.
Color parse_color_text(std::string_view text, const std::string& message_text, Prompt& prompt, int max_chars);

/// "r,g,b", the stored form.
std::string format_color(Color color);

/// The background used when none is stored: the button-face colour with each component moved
/// 5 toward the middle (below 128 gains 5, any other loses 5).
Color default_background_color(Color button_face);

} // namespace velkor
