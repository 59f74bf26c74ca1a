#pragma once
// Lowers the file-size limit so every write past it fails (even for root), and lifts it again.

#include <csignal>
#include <sys/resource.h>

namespace velkor::test {

struct ScopedFileSizeLimit
{
    explicit ScopedFileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &my_old);
        my_old_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered{limit, my_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~ScopedFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &my_old);
        std::signal(SIGXFSZ, my_old_handler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

    rlimit my_old{};
    void (*my_old_handler)(int) = nullptr;
};

} // namespace velkor::test
