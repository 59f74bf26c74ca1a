#pragma once
// The project file: categories and projects with colour, memo behaviour and hourly rate.
// The current format starts with "[categories]"; the older format (category lines "-name:colour",
// project lines "project-category") is only read and converted on reading.

#include "base/Prompt.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor {

class ProjectList;

/// What reading the project file found.
struct ProjectFileResult
{
    bool errors = false;     ///< the current-format reader reported bad lines
    bool old_format = false; ///< read in the old format to its end: the file is to be rewritten
};

/// Longest category or project name the current-format reader accepts.
inline constexpr std::size_t kMaxNameLength = 256;

/// Reads project-file text into list, reporting each problem through prompt as it is found.
ProjectFileResult read_project_file(std::string_view text, ProjectList& list, Prompt& prompt);

/// The current-format file for list (temporary items left out), CR LF line ends.
std::string format_project_file(const ProjectList& list);

/// A rate as a C integer literal in at most the first 19 characters of text; -1 when none.
std::int32_t parse_rate(std::string_view text);

} // namespace velkor
