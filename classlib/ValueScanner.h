#pragma once
// Reads numbers and separators from a settings text the way the stored formats are defined:
// blanks before each item are skipped, numbers are decimal with an optional sign.

#include <climits>
#include <string_view>

namespace velkor {

class ValueScanner
{
public:
    explicit ValueScanner(std::string_view text) : my_text(text) {}

    static bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    void skip_blanks()
    {
        while (my_pos < my_text.size() && is_blank(my_text[my_pos]))
            ++my_pos;
    }

    /// An optionally signed decimal number; one too large for an int gives INT_MAX or INT_MIN,
    /// so range checks reject it. Nothing is consumed when no number is there.
    bool read_int(int& out)
    {
        skip_blanks();
        std::size_t pos = my_pos;
        bool negative = false;
        if (pos < my_text.size() && (my_text[pos] == '-' || my_text[pos] == '+'))
            negative = my_text[pos++] == '-';
        if (pos >= my_text.size() || !is_digit(my_text[pos]))
            return false;
        long long value = 0;
        for (; pos < my_text.size() && is_digit(my_text[pos]); ++pos) {
            value = value * 10 + (my_text[pos] - '0');
            if (value > static_cast<long long>(INT_MAX) + 1)
                value = static_cast<long long>(INT_MAX) + 1;
        }
        if (negative)
            value = -value;
        out = static_cast<int>(value > INT_MAX ? INT_MAX : value);
        my_pos = pos;
        return true;
    }

    /// Any one non-blank character.
    bool read_separator()
    {
        skip_blanks();
        if (my_pos >= my_text.size())
            return false;
        ++my_pos;
        return true;
    }

    bool only_blanks_left()
    {
        skip_blanks();
        return my_pos == my_text.size();
    }

    std::string_view rest() const { return my_text.substr(my_pos); }

private:
    static bool is_digit(char c) { return c >= '0' && c <= '9'; }

    std::string_view my_text;
    std::size_t my_pos = 0;
};

} // namespace velkor
