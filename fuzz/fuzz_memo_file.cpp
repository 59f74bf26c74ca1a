// Arbitrary bytes as the remembered-memo file: read into a fixed list; writing the result and
// reading it again must reach a fixed point, and no memo may exceed the length limit.
// The readers work on bytes in memory, so the target touches no files at all.

#include "core/ProjectList.h"
#include "core/RememberedMemoFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace velkor;

ProjectList sample_list()
{
    ProjectList list;
    for (const char* category : {"Work", "Home"}) {
        list.add_category(category, kBlack, false);
        for (const char* project : {"Report", "Mail"})
            list.add_project(list.n_categories() - 1, project, false);
    }
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ProjectList first = sample_list();
    read_remembered_memos(std::string_view(reinterpret_cast<const char*>(data), size), first);
    for (std::size_t c = 0; c < first.n_categories(); ++c) {
        for (std::size_t p = 0; p < first.n_projects(c); ++p) {
            for (const std::string& memo : first.first_remembered_memo(c, p)) {
                if (memo.size() > kMemoBufferBytes)
                    std::abort();
            }
        }
    }
    std::string written = format_remembered_memos(first);
    ProjectList second = sample_list();
    read_remembered_memos(written, second);
    if (format_remembered_memos(second) != written)
        std::abort();
    return 0;
}
