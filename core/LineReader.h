#pragma once
// Line-by-line reading of the list files: LF with or without a CR before it ends a line, and
// white space (including empty lines) before each line is skipped.

#include <cstddef>
#include <string>
#include <string_view>

namespace velkor {

class LineReader
{
public:
    explicit LineReader(std::string_view text) : my_text(text) {}

    /// The next line after any leading white space; false at the end of the text.
    bool next_line(std::string& line);
    /// The next line exactly as it stands (no white space skipped); false at the end.
    bool next_raw_line(std::string& line);
    /// The next character without consuming it, or -1 at the end.
    int peek() const { return my_pos < my_text.size() ? static_cast<unsigned char>(my_text[my_pos]) : -1; }

private:
    std::string_view my_text;
    std::size_t my_pos = 0;
};

/// White space as the C library's isspace sees it in the "C" locale.
constexpr bool is_white(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

/// Reads the whole file into bytes; returns 0 or the errno value of the failure. Anything but a
/// regular file is refused (EISDIR, EINVAL) without waiting on it.
int read_whole_file(const std::string& path, std::string& bytes);

} // namespace velkor
