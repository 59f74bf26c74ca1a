#include "presentation/EditorText.h"

#include <limits>

namespace velkor {

std::string format_rate(std::int32_t rate)
{
    if (rate < 0)
        return {};
    const std::int32_t cents = rate % 100;
    return std::to_string(rate / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

std::optional<RateText> parse_rate_text(std::string_view text)
{
    // Integer arithmetic gives exactly what rounding v * 100 + 0.5 gives for at most two decimals.
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t whole = 0;
    std::int64_t cents = 0;
    int decimals = -1; // -1: no point yet
    RateText result;
    for (char ch : text) {
        if (ch == '.') {
            if (decimals >= 0)
                return std::nullopt;
            decimals = 0;
        } else if (ch >= '0' && ch <= '9') {
            result.has_digits = true;
            if (decimals < 0) {
                whole = whole * 10 + (ch - '0');
                if (whole * 100 > kMax)
                    return std::nullopt;
            } else if (++decimals > 2) {
                return std::nullopt;
            } else {
                cents += (ch - '0') * (decimals == 1 ? 10 : 1);
            }
        } else {
            return std::nullopt;
        }
    }
    const std::int64_t value = whole * 100 + cents;
    if (value > kMax)
        return std::nullopt;
    result.hundredths = static_cast<std::int32_t>(value);
    return result;
}

namespace {

bool is_name_blank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

} // namespace

std::string trim_name(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_name_blank(text[begin]))
        ++begin;
    while (end > begin && is_name_blank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

bool has_field_break(std::string_view name)
{
    return name.find_first_of("\t\r\n") != std::string_view::npos;
}

} // namespace velkor
