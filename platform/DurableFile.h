#pragma once
// Files that must survive a crash or a full disk: whole-file replacement through a temporary
// file and rename, and appends that are flushed to disk or undone.

#include <string>
#include <string_view>

namespace velkor {

/// Replaces the file with bytes: a temporary file in the same folder is written, flushed to disk
/// and renamed over the old one; where the folder does not allow that, the file is written in
/// place. Returns 0 on success, else the errno value of the failure.
int write_file_atomically(const std::string& path, std::string_view bytes);

} // namespace velkor
