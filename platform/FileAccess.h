#pragma once
// Opening the program's files safely: only regular files are read or written, a FIFO or device
// never makes the program wait, and whether a file may be written before it is rewritten.

#include <cstdio>
#include <string>

namespace velkor {

/// True when nothing exists at path yet or the file there may be written by this process.
bool is_absent_or_writable(const std::string& path);

/// The errno value that refuses a file of type mode: 0 for a regular file, EISDIR for a folder,
/// EINVAL for anything else (FIFO, device, socket).
int non_regular_error(unsigned mode);

/// open(2) with flags for a regular file only. The open itself never waits (a FIFO without a
/// writer, a device), and a file of another type is closed again at once. Returns the
/// descriptor, or -1 with errno set (non_regular_error for a file that is not regular).
int open_regular(const std::string& path, int flags, unsigned create_mode = 0666);

/// fopen(path, "rb") for a regular file only; null with errno set otherwise.
std::FILE* fopen_regular(const std::string& path);

/// Reads the whole regular file into bytes; returns 0 or the errno value of the failure.
int read_regular_file(const std::string& path, std::string& bytes);

} // namespace velkor
