#pragma once
// The hidden list "hidden.ini": which categories and projects the user hid.

#include <string>
#include <string_view>

namespace velkor {

class ProjectList;

/// Hides the categories and projects that text names; unknown names are ignored silently.
void read_hidden_list(std::string_view text, ProjectList& list);

/// The hidden list for list (temporary items left out), CR LF line ends.
std::string format_hidden_list(const ProjectList& list);

} // namespace velkor
