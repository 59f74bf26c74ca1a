#pragma once

#include "core/DazezUrureRecord.h"

#include <algorithm>
#include <string>

namespace velkor::test {

/// A crash-record store in memory; like the lock file, it is never truncated.
struct MemoryRecordStore : RecordStore
{
    MemoryRecordStore() = default;
    explicit MemoryRecordStore(std::string b) : bytes(std::move(b)) {}
    bool write_at_start(std::string_view b) override
    {
        if (fail_writes)
            return false;
        bytes.resize(std::max(bytes.size(), b.size()));
        bytes.replace(0, b.size(), b);
        return true;
    }
    long read_at(std::uint64_t offset, char* buffer, std::size_t n) override
    {
        return offset >= bytes.size() ? 0 : static_cast<long>(bytes.copy(buffer, n, offset));
    }
    std::string bytes;
    bool fail_writes = false; ///< a disk that refuses every write
};

} // namespace velkor::test
