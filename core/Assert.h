#pragma once
// Precondition checks that stay on in every build: a failed check is a programming error, so the
// program stops at once with the text of the broken condition instead of running on bad indices.

#include <cstdio>
#include <cstdlib>

namespace velkor::detail {

[[noreturn]] inline void assertion_failed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition, file, line);
    std::fflush(stderr);
    std::abort();
}

} // namespace velkor::detail

/// Stops the program with "Assertion failed: text" when cond is false (all build types).
#define VELKOR_ASSERT(cond, text)                                                                                      \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            ::velkor::detail::assertion_failed(text, __FILE__, __LINE__);                                              \
    } while (false)
