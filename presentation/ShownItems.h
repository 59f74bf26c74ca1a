#pragma once
// What the grid shows of a project list, in drawing order: the list index of every displayed
// category and of every displayed project in it. The window keeps the one of its last paint, so
// that a click or the per-second refresh is mapped to the list through what the user saw, and
// never through a list that has been replaced since (the list generation tells).

#include "core/MemoList.h"
#include "presentation/GridGeometry.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace velkor {

class ProjectList;

/// A category header (project NPOS) or a project line, as list indices.
struct ListHit
{
    std::size_t category = NPOS;
    std::size_t project = NPOS;
    bool operator==(const ListHit&) const = default;
};

class ShownItems
{
public:
    /// Nothing shown, of no list.
    ShownItems() = default;
    /// What the grid shows of list, whose generation is list_generation.
    ShownItems(const ProjectList& list, unsigned list_generation);

    /// Whether this was taken from the list of that generation.
    bool is_of(unsigned list_generation) const { return my_generation && *my_generation == list_generation; }
    std::size_t n_categories() const { return my_categories.size(); }
    /// List index of the ordinal-th shown category.
    std::size_t category(std::size_t ordinal) const { return my_categories.at(ordinal); }
    /// List index of the k-th shown project of the ordinal-th shown category.
    std::size_t project(std::size_t ordinal, std::size_t k) const { return my_projects.at(ordinal).at(k); }

    /// The list indices of a hit on the grid; none when it lies outside what was shown.
    std::optional<ListHit> to_list(const GridHit& hit) const;
    /// Where project (c, p) is shown: ordinals of its category and of the project; none when not shown.
    std::optional<GridHit> to_grid(std::size_t c, std::size_t p) const;

    /// The layout's view of the shown categories of list (the list this was taken from); the
    /// scroll position of a shown category comes from scroll_position(ordinal).
    std::vector<GridCategoryInput> layout_input(const ProjectList& list,
                                                const std::function<int(std::size_t)>& scroll_position) const;

private:
    std::optional<unsigned> my_generation;
    std::vector<std::size_t> my_categories;            ///< list index per shown category
    std::vector<std::vector<std::size_t>> my_projects; ///< list indices per shown category
};

} // namespace velkor
