#pragma once
// The remembered-memo file: each project's remembered memos, one "m" line per memo.

#include <string>
#include <string_view>

namespace velkor {

class ProjectList;

/// The file name for a project file: its stem (no folder, last extension dropped) + ".mmo".
std::string memo_file_name(const std::string& project_file);

/// A memo as one file line: CR LF becomes "\/", any other CR or LF a space.
std::string encode_memo_line_breaks(std::string_view memo);
/// The reverse: every "\/" becomes CR LF.
std::string decode_memo_line_breaks(std::string_view text);

/// Appends the memos of text to the projects it names; groups of unknown projects are ignored.
void read_remembered_memos(std::string_view text, ProjectList& list);

/// The remembered-memo file for list (temporary items left out), CR LF line ends.
std::string format_remembered_memos(const ProjectList& list);

} // namespace velkor
