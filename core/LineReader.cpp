#include "core/LineReader.h"

#include "platform/FileAccess.h"

namespace velkor {

bool LineReader::next_line(std::string& line)
{
    while (my_pos < my_text.size() && is_white(my_text[my_pos]))
        ++my_pos;
    return next_raw_line(line);
}

bool LineReader::next_raw_line(std::string& line)
{
    if (my_pos >= my_text.size())
        return false;
    std::size_t end = my_text.find('\n', my_pos);
    std::size_t next = end == std::string_view::npos ? my_text.size() : end + 1;
    if (end == std::string_view::npos)
        end = my_text.size();
    else if (end > my_pos && my_text[end - 1] == '\r')
        --end;
    line.assign(my_text.substr(my_pos, end - my_pos));
    my_pos = next;
    return true;
}

int read_whole_file(const std::string& path, std::string& bytes)
{
    return read_regular_file(path, bytes);
}

} // namespace velkor
