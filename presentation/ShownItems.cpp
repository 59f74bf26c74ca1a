#include "presentation/ShownItems.h"

#include "core/ProjectList.h"

namespace velkor {

ShownItems::ShownItems(const ProjectList& list, unsigned list_generation) : my_generation(list_generation)
{
    for (std::size_t c = 0; c < list.n_categories(); ++c) {
        if (!list.is_category_displayed(c))
            continue;
        std::vector<std::size_t> projects;
        for (std::size_t p = 0; p < list.n_projects(c); ++p) {
            if (list.is_project_displayed(c, p))
                projects.push_back(p);
        }
        my_categories.push_back(c);
        my_projects.push_back(std::move(projects));
    }
}

std::optional<ListHit> ShownItems::to_list(const GridHit& hit) const
{
    if (hit.category < 0 || static_cast<std::size_t>(hit.category) >= my_categories.size())
        return std::nullopt;
    const auto i = static_cast<std::size_t>(hit.category);
    ListHit result{my_categories[i], NPOS};
    if (hit.project >= 0) {
        if (static_cast<std::size_t>(hit.project) >= my_projects[i].size())
            return std::nullopt;
        result.project = my_projects[i][static_cast<std::size_t>(hit.project)];
    }
    return result;
}

std::optional<GridHit> ShownItems::to_grid(std::size_t c, std::size_t p) const
{
    for (std::size_t i = 0; i < my_categories.size(); ++i) {
        if (my_categories[i] != c)
            continue;
        const std::vector<std::size_t>& projects = my_projects[i];
        for (std::size_t k = 0; k < projects.size(); ++k) {
            if (projects[k] == p)
                return GridHit{static_cast<int>(i), static_cast<int>(k)};
        }
    }
    return std::nullopt;
}

std::vector<GridCategoryInput> ShownItems::layout_input(const ProjectList& list,
                                                        const std::function<int(std::size_t)>& scroll_position) const
{
    std::vector<GridCategoryInput> input;
    for (std::size_t i = 0; i < my_categories.size(); ++i) {
        const std::size_t c = my_categories[i];
        GridCategoryInput category;
        category.visible_projects = static_cast<int>(my_projects[i].size());
        category.widest_name = list.category_name_width(c);
        category.scroll_position = scroll_position(i);
        for (std::size_t k = 0; k < my_projects[i].size(); ++k) {
            if (list.is_current(c, my_projects[i][k]))
                category.current_project = static_cast<int>(k);
        }
        input.push_back(category);
    }
    return input;
}

} // namespace velkor
