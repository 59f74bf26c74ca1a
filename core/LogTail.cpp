#include "core/LogTail.h"

#include "platform/FileAccess.h"

#include <cstdio>
#include <memory>
#include <sys/types.h>

namespace velkor {

namespace {

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The last bytes of the file, starting at a line start (a line cut by the window is dropped).
bool read_tail(const std::string& path, std::string& tail)
{
    std::unique_ptr<std::FILE, FileCloser> file(fopen_regular(path));
    if (!file || fseeko(file.get(), 0, SEEK_END) != 0)
        return false;
    const off_t size = ftello(file.get());
    if (size < 0)
        return false;
    const off_t start = size > static_cast<off_t>(kLogTailBytes) ? size - static_cast<off_t>(kLogTailBytes) : 0;
    if (fseeko(file.get(), start, SEEK_SET) != 0)
        return false;
    tail.resize(static_cast<std::size_t>(size - start));
    tail.resize(std::fread(tail.data(), 1, tail.size(), file.get()));
    if (start > 0) {
        const std::size_t first_line = tail.find('\n');
        tail.erase(0, first_line == std::string::npos ? tail.size() : first_line + 1);
    }
    return true;
}

// Fields 1 and 2 as the log writer puts them, each followed by its TAB.
std::string check_in_fields(const DateRec& date, const TimeRec& time)
{
    char text[64];
    int n = std::snprintf(text, sizeof text, "%d/%02d/%02d\t%02d:%02d:%02d\t", date.year, date.month, date.day,
                          time.hour, time.minute, time.second);
    return n > 0 ? std::string(text, static_cast<std::size_t>(n)) : std::string();
}

// line is check_in, a later check-out (two more fields), then the names and a TAB. A record that
// ends where it began proves nothing: clicking the current project ends a session and opens the
// next one in the same second, and that one must never be taken for the one before.
bool is_session_line(std::string_view line, std::string_view check_in, std::string_view names)
{
    if (!line.starts_with(check_in))
        return false;
    line.remove_prefix(check_in.size());
    if (line.starts_with(check_in))
        return false;
    for (int field = 0; field < 2; ++field) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            return false;
        line.remove_prefix(tab + 1);
    }
    return line.starts_with(names);
}

} // namespace

bool session_in_log_tail(const std::string& path, const DateRec& ci_date, const TimeRec& ci_time,
                         std::string_view category, std::string_view project)
{
    std::string tail;
    if (!read_tail(path, tail))
        return false;
    const std::string check_in = check_in_fields(ci_date, ci_time);
    std::string names;
    names.append(category).append("\t").append(project).append("\t");
    std::string_view rest = tail;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        if (is_session_line(line, check_in, names))
            return true;
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return false;
}

} // namespace velkor
