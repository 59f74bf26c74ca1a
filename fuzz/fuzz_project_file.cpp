// Arbitrary bytes as a project file, in either format: read, write in the current format and
// read that back, which must give the same names without a single message.
// The readers work on bytes in memory, so the target touches no files at all.

#include "core/ProjectFile.h"
#include "core/ProjectList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace velkor;

// Answers OK to every notice and No to the errors question, so no file is ever rewritten.
class CountingPrompt : public Prompt
{
public:
    using Prompt::message;
    Answer message(const Message& m) override
    {
        ++my_count;
        return m.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    int my_count = 0;
};

bool same_names(const ProjectList& a, const ProjectList& b)
{
    if (a.n_categories() != b.n_categories())
        return false;
    for (std::size_t c = 0; c < a.n_categories(); ++c) {
        if (a.category_name(c) != b.category_name(c) || a.n_projects(c) != b.n_projects(c))
            return false;
        for (std::size_t p = 0; p < a.n_projects(c); ++p) {
            if (a.project_name(c, p) != b.project_name(c, p))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CountingPrompt prompt;
    ProjectList first;
    read_project_file(std::string_view(reinterpret_cast<const char*>(data), size), first, prompt);

    // Old-format names have no length limit and may hold a TAB; only storable names must come
    // back silently.
    auto storable = [](const std::string& name) {
        return name.size() <= kMaxNameLength && name.find('\t') == std::string::npos;
    };
    bool all_storable = true;
    for (std::size_t c = 0; c < first.n_categories(); ++c) {
        all_storable = all_storable && storable(first.category_name(c));
        for (std::size_t p = 0; p < first.n_projects(c); ++p)
            all_storable = all_storable && storable(first.project_name(c, p));
    }
    CountingPrompt second_prompt;
    ProjectList second;
    ProjectFileResult result = read_project_file(format_project_file(first), second, second_prompt);
    if (all_storable && (result.errors || second_prompt.my_count != 0 || !same_names(first, second)))
        std::abort();
    return 0;
}
