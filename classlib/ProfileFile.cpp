#include "classlib/ProfileFile.h"

#include "platform/FileAccess.h"

#include <cerrno>

namespace velkor {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr std::string_view kNoEnd = "";

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && is_blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_name(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

enum class Kind
{
    Other,
    Section,
    Key
};

struct Classified
{
    Kind kind = Kind::Other;
    std::string_view name;
    std::size_t value_start = 0; // Key: where the value begins (after "=" and the blanks behind it)
};

// Comments (";", "#"), blank lines and lines without "=" are kept but mean nothing.
Classified classify(std::string_view text)
{
    std::string_view body = trim(text);
    if (body.empty() || body.front() == ';' || body.front() == '#')
        return {};
    if (body.front() == '[') {
        std::size_t close = body.find(']');
        return {Kind::Section, trim(body.substr(1, close == std::string_view::npos ? close : close - 1)), 0};
    }
    std::size_t eq = text.find('=');
    if (eq == std::string_view::npos)
        return {};
    std::size_t value_start = eq + 1;
    while (value_start < text.size() && (text[value_start] == ' ' || text[value_start] == '\t'))
        ++value_start;
    return {Kind::Key, trim(text.substr(0, eq)), value_start};
}

std::string without_line_breaks(std::string_view value)
{
    std::string out(value);
    for (char& c : out) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return out;
}

} // namespace

ProfileFile ProfileFile::parse(std::string_view bytes)
{
    ProfileFile file;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t nl = bytes.find('\n', pos);
        if (nl == std::string_view::npos) {
            file.my_lines.push_back({std::string(bytes.substr(pos)), kNoEnd});
            break;
        }
        std::string_view line = bytes.substr(pos, nl - pos);
        if (!line.empty() && line.back() == '\r')
            file.my_lines.push_back({std::string(line.substr(0, line.size() - 1)), kCrLf});
        else
            file.my_lines.push_back({std::string(line), kLf});
        pos = nl + 1;
    }
    return file;
}

int ProfileFile::load(const std::string& path, ProfileFile& out)
{
    out = ProfileFile();
    std::string bytes;
    int err = read_regular_file(path, bytes);
    if (err == ENOENT)
        return 0;
    if (err == 0)
        out = parse(bytes);
    return err;
}

std::size_t ProfileFile::first_section(std::string_view section) const
{
    for (std::size_t i = 0; i < my_lines.size(); ++i) {
        Classified c = classify(my_lines[i].text);
        if (c.kind == Kind::Section && same_name(c.name, section))
            return i;
    }
    return std::string::npos;
}

std::size_t ProfileFile::find_key(std::string_view section, std::string_view key) const
{
    bool inside = false;
    for (std::size_t i = 0; i < my_lines.size(); ++i) {
        Classified c = classify(my_lines[i].text);
        if (c.kind == Kind::Section)
            inside = same_name(c.name, section);
        else if (inside && c.kind == Kind::Key && same_name(c.name, key))
            return i;
    }
    return std::string::npos;
}

std::optional<std::string> ProfileFile::get(std::string_view section, std::string_view key) const
{
    std::size_t i = find_key(section, key);
    if (i == std::string::npos)
        return std::nullopt;
    std::string_view text = my_lines[i].text;
    return std::string(trim(text.substr(classify(text).value_start)));
}

void ProfileFile::insert_line(std::size_t at, std::string text)
{
    if (at > 0 && my_lines[at - 1].end.empty())
        my_lines[at - 1].end = kCrLf;
    my_lines.insert(my_lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), kCrLf});
}

void ProfileFile::set(std::string_view section, std::string_view key, std::string_view value)
{
    std::string clean = without_line_breaks(value);
    std::size_t i = find_key(section, key);
    if (i != std::string::npos) {
        Line& line = my_lines[i];
        line.text = line.text.substr(0, classify(line.text).value_start) + clean;
        line.end = kCrLf;
        return;
    }
    std::string entry = std::string(key) + "=" + clean;
    std::size_t header = first_section(section);
    if (header != std::string::npos) {
        std::size_t last = header;
        for (std::size_t j = header + 1; j < my_lines.size(); ++j) {
            Kind kind = classify(my_lines[j].text).kind;
            if (kind == Kind::Section)
                break;
            if (kind == Kind::Key)
                last = j;
        }
        insert_line(last + 1, std::move(entry));
        return;
    }
    if (!my_lines.empty() && !trim(my_lines.back().text).empty())
        insert_line(my_lines.size(), std::string()); // a blank line before the new section
    insert_line(my_lines.size(), "[" + std::string(section) + "]");
    insert_line(my_lines.size(), std::move(entry));
}

std::string ProfileFile::serialise() const
{
    std::string out;
    for (const Line& line : my_lines) {
        out += line.text;
        out += line.end;
    }
    return out;
}

} // namespace velkor
