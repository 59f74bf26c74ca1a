#pragma once
// Reads numbers and single characters from a text the way a formatted input stream does:
// blanks before each item are skipped, numbers are decimal with an optional sign, and once a
// read fails every later read fails too. Unlike a stream it never assigns on failure and never
// accepts a number that does not fit.

#include <cstdint>
#include <limits>
#include <string_view>

namespace velkor {

class TextScanner
{
public:
    explicit TextScanner(std::string_view text) : my_text(text) {}

    bool good() const { return my_good; }

    bool read_int(int& value)
    {
        if (!my_good || !skip_blanks())
            return fail();
        bool negative = false;
        if (my_text[my_pos] == '+' || my_text[my_pos] == '-') {
            negative = my_text[my_pos] == '-';
            ++my_pos;
        }
        std::int64_t magnitude = 0;
        std::size_t digits = 0;
        constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
        for (; my_pos < my_text.size() && is_digit(my_text[my_pos]); ++my_pos, ++digits) {
            magnitude = magnitude * 10 + (my_text[my_pos] - '0');
            if (magnitude > kLimit)
                return fail();
        }
        if (digits == 0 || (!negative && magnitude == kLimit))
            return fail();
        value = static_cast<int>(negative ? -magnitude : magnitude);
        return true;
    }

    bool read_char(char& c)
    {
        if (!my_good || !skip_blanks())
            return fail();
        c = my_text[my_pos++];
        return true;
    }

private:
    static bool is_digit(char c) { return c >= '0' && c <= '9'; }
    static bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    /// False when nothing but blanks is left.
    bool skip_blanks()
    {
        while (my_pos < my_text.size() && is_blank(my_text[my_pos]))
            ++my_pos;
        return my_pos < my_text.size();
    }

    bool fail()
    {
        my_good = false;
        return false;
    }

    std::string_view my_text;
    std::size_t my_pos = 0;
    bool my_good = true;
};

} // namespace velkor
