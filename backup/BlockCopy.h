#pragma once
// Copying a whole file in blocks, as the backup features do.

#include <functional>
#include <string_view>

namespace velkor {

/// Bytes read and written at a time.
inline constexpr std::size_t kCopyBlockBytes = 4096;

/// How a copy ended: Done, or the side that failed with its errno value.
struct CopyOutcome
{
    enum Step
    {
        Done,
        ReadFailed,
        WriteFailed
    } step = Done;
    int error = 0;
};

/// Reads descriptor from to its end in blocks of kCopyBlockBytes and hands each block to write,
/// which returns 0 or the errno value of its failure.
CopyOutcome copy_blocks(int from, const std::function<int(std::string_view block)>& write);

/// Writes all of bytes to descriptor to: 0, or the errno value of the failure.
int write_all(int to, std::string_view bytes);

} // namespace velkor
