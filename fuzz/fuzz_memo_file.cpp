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
    for (const Category& category : first.categories()) {
        for (const Project& project : category.my_projects) {
            for (const std::string& memo : project.my_memos) {
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
