#pragma once
// Text rules of the project editor: hourly-rate texts and category/project names.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

/// Whole units, a point and two digits of hundredths (1250 -> "12.50"); "" for a negative rate.
std::string format_rate(std::int32_t rate);

/// A rate text the editor accepts: digits and at most one point, at most two digits after it.
struct RateText
{
    bool has_digits = false;
    std::int32_t hundredths = 0; ///< the value rounded to hundredths; 0 without digits
};

/// The parsed text, or nothing when it is not a rate or its value in hundredths does not fit
/// a signed 32-bit integer.
std::optional<RateText> parse_rate_text(std::string_view text);

/// text without leading and trailing spaces, tabs, CR, LF, vertical tabs and form feeds.
std::string trim_name(std::string_view text);

/// True when name holds a TAB, CR or LF, which would split the fields and lines of the files.
bool has_field_break(std::string_view name);

} // namespace velkor
