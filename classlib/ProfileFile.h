#pragma once
// The backing file of the settings store: INI text kept line by line, so that comments, blank
// lines, unknown sections and keys and the file's own layout survive a rewrite byte for byte.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

class ProfileFile
{
public:
    /// Splits bytes into lines (LF or CR LF); any bytes are accepted.
    static ProfileFile parse(std::string_view bytes);
    /// Reads the file at path into out; a missing file gives an empty profile.
    /// Returns 0, or the errno of a failure other than a missing file (out is then left empty);
    /// anything but a regular file is such a failure.
    static int load(const std::string& path, ProfileFile& out);

    /// The value of the first key of that name in a section of that name (both ignoring case),
    /// blanks around it removed; nothing when the key is absent.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    /// Rewrites the key's line in place, or adds the key after the last key of its section, or
    /// adds the section at the end of the file. Line breaks in value are written as blanks.
    void set(std::string_view section, std::string_view key, std::string_view value);
    /// The file's bytes: untouched lines exactly as read, new and changed lines ending in CR LF.
    std::string serialise() const;

private:
    struct Line
    {
        std::string text;     // without its line end
        std::string_view end; // "\r\n", "\n" or "" (last line without a line end)
    };

    std::size_t first_section(std::string_view section) const;
    std::size_t find_key(std::string_view section, std::string_view key) const;
    void insert_line(std::size_t at, std::string text);

    std::vector<Line> my_lines;
};

} // namespace velkor
