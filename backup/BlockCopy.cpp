#include "backup/BlockCopy.h"

#include <cerrno>
#include <unistd.h>

namespace velkor {

CopyOutcome copy_blocks(int from, const std::function<int(std::string_view block)>& write)
{
    char block[kCopyBlockBytes];
    for (;;) {
        const ssize_t got = ::read(from, block, sizeof block);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {CopyOutcome::ReadFailed, errno};
        }
        if (got == 0)
            return {};
        if (int error = write(std::string_view(block, static_cast<std::size_t>(got))))
            return {CopyOutcome::WriteFailed, error};
    }
}

int write_all(int to, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(to, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

} // namespace velkor
