#pragma once
// The temporary file a rewrite leaves behind when the program is killed before its rename.

#include "platform/DurableFile.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace velkor::test {

/// Starts a rewrite of path that stops after creating its temporary file; path is untouched.
inline void abandon_rewrite(const std::string& path)
{
    write_file_atomically(path, "cut short", Links::Follow, [](char* name_template) {
        ::close(::mkstemp(name_template));
        errno = ENOSPC;
        return -1;
    });
}

} // namespace velkor::test
