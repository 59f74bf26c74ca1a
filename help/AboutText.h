#pragma once
// The two lines of the About box that come from the program's version values: the version line
// and the line under it (the copyright, or with Shift held the build date).

#include <array>
#include <optional>
#include <string>

namespace velkor {

/// The version values of the program file; each one may be missing.
struct VersionInfo
{
    std::optional<std::string> file_version;      ///< "1.2.0"
    std::optional<std::string> distribution_type; ///< "Release", "Beta", ...
    std::optional<std::string> build_date;
    std::optional<std::string> legal_copyright;
    /// major, minor, maintenance, build
    std::optional<std::array<int, 4>> fixed_version;
};

/// The values this build was made with (from the build system).
VersionInfo build_version_info();

/// What the two lines show; none keeps the line's own text.
struct AboutLines
{
    std::optional<std::string> version_line;
    std::optional<std::string> second_line;
};

/// The version line needs both the file version and the distribution type: "Version " and the
/// file version (with Shift and a fixed version: "%d.%d (Maint %d, Build %d)"), then a blank and
/// the distribution type unless that begins with "R". The second line is the build date with
/// Shift (when known), else the copyright.
AboutLines about_lines(const VersionInfo& info, bool shift_held);

} // namespace velkor
