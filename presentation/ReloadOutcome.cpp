#include "presentation/ReloadOutcome.h"

#include "core/ProjectList.h"

namespace velkor {

std::optional<CheckedInNames> checked_in_names(const ProjectList* list)
{
    if (!list || !list->is_current_project())
        return std::nullopt;
    return CheckedInNames{list->current_category_name(), list->current_project_name()};
}

ReloadOutcome reload_outcome(const std::optional<CheckedInNames>& before, const ProjectList* after)
{
    if (!before)
        return ReloadOutcome::WasIdle;
    const std::optional<CheckedInNames> now = checked_in_names(after);
    const bool kept = now && now->category == before->category && now->project == before->project;
    return kept ? ReloadOutcome::SessionKept : ReloadOutcome::SessionLost;
}

} // namespace velkor
