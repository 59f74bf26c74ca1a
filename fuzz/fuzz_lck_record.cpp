// Arbitrary bytes as the lock file's crash record: reading must never crash, hang or allocate
// without bound; a record that reads back must encode to bytes that read back the same.

#include "core/DazezUrureRecord.h"
#include "tests/support/MemoryRecordStore.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace velkor;

using BytesStore = velkor::test::MemoryRecordStore;

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
