#pragma once
// What a reload of the project list did to the session: the session goes on only when the
// category and project it was checked into still exist, by name, in the list read again.

#include <optional>
#include <string>

namespace velkor {

class ProjectList;

/// The checked-in project, by name.
struct CheckedInNames
{
    std::string category;
    std::string project;
};

/// The names of list's current project; none while nobody is checked in (or there is no list).
std::optional<CheckedInNames> checked_in_names(const ProjectList* list);

enum class ReloadOutcome
{
    WasIdle,     ///< nobody was checked in
    SessionKept, ///< checked into the same names in the new list
    SessionLost, ///< the names are gone: the session was dropped without a record
};

/// Compares the names before the reload with the list after it.
ReloadOutcome reload_outcome(const std::optional<CheckedInNames>& before, const ProjectList* after);

} // namespace velkor
