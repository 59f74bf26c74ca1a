// Arbitrary bytes as the lock file's crash record: reading must never crash, hang or allocate
// without bound; a record that reads back must encode to bytes that read back the same.

#include "core/DazezUrureRecord.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace velkor;

struct BytesStore : RecordStore
{
    explicit BytesStore(std::string b) : bytes(std::move(b)) {}
    bool write_at_start(std::string_view b) override
    {
        bytes.resize(std::max(bytes.size(), b.size()));
        bytes.replace(0, b.size(), b);
        return true;
    }
    long read_at(std::uint64_t offset, char* buffer, std::size_t n) override
    {
        return offset >= bytes.size() ? 0 : static_cast<long>(bytes.copy(buffer, n, offset));
    }
    std::string bytes;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    BytesStore store(std::string(reinterpret_cast<const char*>(data), size));
    DazezUrureData first;
    if (!DecodeLckRecord(store, first))
        return 0;
    BytesStore again(EncodeLckRecord(first));
    DazezUrureData second;
    if (!DecodeLckRecord(again, second) || EncodeLckRecord(second) != again.bytes)
        std::abort();
    return 0;
}
