#include "presentation/Caption.h"

#include "core/ProjectList.h"

#include <algorithm>
#include <cstdio>

namespace velkor {

CaptionResult build_caption(const CaptionInput& input)
{
    CaptionResult result;
    auto append = [&result](const std::string& part) {
        if (!result.caption.empty())
            result.caption += " - ";
        result.caption += part;
    };
    if (input.show_grand_total) {
        const long long total = std::max<std::int64_t>(0, input.total_seconds);
        char text[48];
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", total / 3600, total / 60 % 60, total % 60);
        result.caption = text;
    }
    if (input.checked_in)
        append(input.project_name);
    if (input.title_mode == 0 || (input.title_mode == 1 && !input.checked_in))
        append(input.window_title);
    result.icon = input.checked_in ? 1 : 2;
    result.tip = input.checked_in ? input.project_name : "(idle)";
    return result;
}

CaptionInput caption_input(const ProjectList* list, std::int64_t elapsed_seconds, bool show_grand_total, int title_mode,
                           const std::string& window_title)
{
    CaptionInput input;
    input.checked_in = list && list->is_current_project();
    input.show_grand_total = show_grand_total;
    if (show_grand_total && list) {
        for (std::size_t c = 0; c < list->n_categories(); ++c)
            for (std::size_t p = 0; p < list->n_projects(c); ++p)
                input.total_seconds += list->project_seconds(c, p);
        if (input.checked_in)
            input.total_seconds += elapsed_seconds;
    }
    if (input.checked_in)
        input.project_name = list->current_project_name();
    input.title_mode = title_mode;
    input.window_title = window_title;
    return input;
}

} // namespace velkor
