#pragma once
// The start-up sequence from the command line to the end of the message loop.

#include <string>
#include <vector>

namespace velkor {

/// Runs the program inside an existing QApplication; returns the process exit code (1 when it
/// ended during start-up because of a bad argument or a held lock).
int run_velkor(const std::string& argument0, std::vector<std::string> arguments);

} // namespace velkor
