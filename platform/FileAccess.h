#pragma once
// Whether the program may write a file it is about to rewrite.

#include <string>

namespace velkor {

/// True when nothing exists at path yet or the file there may be written by this process.
bool is_absent_or_writable(const std::string& path);

} // namespace velkor
