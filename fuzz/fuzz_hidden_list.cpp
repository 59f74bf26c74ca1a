// Arbitrary bytes as the hidden list: read into a fixed list; what the writer makes of the result
// must read back to the same hidden states.
// The readers work on bytes in memory, so the target touches no files at all.

#include "core/HiddenList.h"
#include "core/ProjectList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace velkor;

ProjectList sample_list()
{
    ProjectList list;
    for (const char* category : {"Work", "Home", "a b"}) {
        list.add_category(category, kBlack, false);
        for (const char* project : {"Report", "Mail", "x"})
            list.add_project(list.n_categories() - 1, project, false);
    }
    return list;
}

bool same_hidden(const ProjectList& a, const ProjectList& b)
{
    for (std::size_t c = 0; c < a.n_categories(); ++c) {
        if (a.is_category_shown(c) != b.is_category_shown(c))
            return false;
        for (std::size_t p = 0; p < a.n_projects(c); ++p) {
            if (a.is_project_shown(c, p) != b.is_project_shown(c, p))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ProjectList first = sample_list();
    read_hidden_list(std::string_view(reinterpret_cast<const char*>(data), size), first);
    ProjectList second = sample_list();
    read_hidden_list(format_hidden_list(first), second);
    if (!same_hidden(first, second))
        std::abort();
    return 0;
}
