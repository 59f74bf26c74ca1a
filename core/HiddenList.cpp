#include "core/HiddenList.h"

#include "core/LineReader.h"
#include "core/ProjectList.h"

namespace velkor {

namespace {

constexpr std::string_view kHeader = "#\r\n"
                                     "# This file created by Velkor.\r\n"
                                     "# DO NOT EDIT!\r\n"
                                     "# Use the Hide/show projects dialog on the Projects menu of VKR instead.\r\n"
                                     "#\r\n";

// A character-by-character reader in the manner of formatted stream input.
class Cursor
{
public:
    explicit Cursor(std::string_view text) : my_text(text) {}

    bool at_end() const { return my_pos >= my_text.size(); }
    char get() { return my_text[my_pos++]; }

    void skip_white()
    {
        while (!at_end() && is_white(my_text[my_pos]))
            ++my_pos;
    }

    void skip_blanks()
    {
        while (!at_end() && (my_text[my_pos] == ' ' || my_text[my_pos] == '\t'))
            ++my_pos;
    }

    // Everything up to the delimiter, which is consumed; the rest of the text without one.
    std::string read_until(char delimiter)
    {
        std::size_t end = my_text.find(delimiter, my_pos);
        std::size_t stop = end == std::string_view::npos ? my_text.size() : end;
        std::string result(my_text.substr(my_pos, stop - my_pos));
        my_pos = end == std::string_view::npos ? stop : end + 1;
        return result;
    }

    // The rest of the line, without its CR LF or LF.
    std::string read_rest_of_line()
    {
        std::string line = read_until('\n');
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return line;
    }

    // A decimal integer after white space; false when none. Digits beyond the range only
    // matter as "not 0 or 1", so the value saturates.
    bool read_int(long& value)
    {
        skip_white();
        bool negative = false;
        if (!at_end() && (my_text[my_pos] == '+' || my_text[my_pos] == '-'))
            negative = my_text[my_pos++] == '-';
        std::size_t start = my_pos;
        long magnitude = 0;
        for (; !at_end() && my_text[my_pos] >= '0' && my_text[my_pos] <= '9'; ++my_pos)
            magnitude = magnitude > 1000 ? magnitude : magnitude * 10 + (my_text[my_pos] - '0');
        value = negative ? -magnitude : magnitude;
        return my_pos > start;
    }

private:
    std::string_view my_text;
    std::size_t my_pos = 0;
};

} // namespace

void read_hidden_list(std::string_view text, ProjectList& list)
{
    Cursor in(text);
    std::size_t section = NPOS;
    for (in.skip_white(); !in.at_end(); in.skip_white()) {
        char ch = in.get();
        if (ch == '#') {
            in.read_rest_of_line();
        } else if (ch == 'C') {
            std::string name = in.read_until('\t');
            long hidden = 0;
            if (!in.read_int(hidden) || (hidden != 0 && hidden != 1))
                return;
            section = list.find_category(name);
            if (section != NPOS && hidden == 1)
                list.set_category_shown(section, false);
        } else if (ch == 'P') {
            in.skip_blanks();
            std::string name = in.read_rest_of_line();
            std::size_t p = section == NPOS ? NPOS : list.find_project(section, name);
            if (p != NPOS)
                list.set_project_shown(section, p, false);
        }
    }
}

std::string format_hidden_list(const ProjectList& list)
{
    std::string out(kHeader);
    for (std::size_t c = 0; c < list.n_categories(); ++c) {
        if (list.is_category_temporary(c))
            continue;
        out += 'C' + list.category_name(c) + '\t' + (list.is_category_shown(c) ? "0" : "1") + "\r\n";
        for (std::size_t p = 0; p < list.n_projects(c); ++p) {
            if (!list.is_project_temporary(c, p) && !list.is_project_shown(c, p))
                out += 'P' + list.project_name(c, p) + "\r\n";
        }
    }
    return out;
}

} // namespace velkor
