#pragma once
// The temporary file a rewrite leaves when the program is killed before its rename.

#include "platform/DurableFile.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace velkor::test {

/// Creates the temporary file of a rewrite and then fails, so that the file stays behind.
inline int abandoning_maker(char* name_template)
{
    ::close(::mkstemp(name_template));
    errno = ENOSPC;
    return -1;
}

/// Leaves a temporary file of a rewrite of path behind, the old file untouched.
inline void abandon_rewrite(const std::string& path)
{
    write_file_atomically(path, "cut short", Links::Follow, abandoning_maker);
}

} // namespace velkor::test
