#pragma once
// The start-up sequence from the command line to the end of the message loop.

#include <string>
#include <vector>

namespace velkor {

class Application;
class QtPrompt;

/// From the main window's initialisation to the program's end: the message loop, and the end
/// without questions when a signal (SIGTERM, SIGINT, SIGHUP) or the desktop session asks for
/// it. prompt, when the application's prompt is one, gets the frame as owner and stops waiting
/// for a user once such an end is asked for. Returns the exit code.
int run_application(Application& app, QtPrompt* prompt);

/// Runs the program inside an existing QApplication; returns the process exit code (1 when it
/// ended during start-up because of a bad argument or a held lock).
int run_velkor(const std::string& argument0, std::vector<std::string> arguments);

} // namespace velkor
