#pragma once
// Finding a project by the names a log line gives, once per record of a scan.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velkor {

class ProjectList;

/// The list's projects by "category TAB project", as a log line holds the two names, in an
/// open-addressing table whose hash lets every byte of the names choose the slot, so a look-up
/// costs the same however the names are spelt. A name is found where the list's find_category
/// and find_project find it: in the first category of that name, at the first project of that
/// name. Names with a TAB never stand whole in a log line and are left out.
class ProjectNameIndex
{
public:
    struct Project
    {
        std::size_t c;
        std::size_t p;
    };

    explicit ProjectNameIndex(const ProjectList& list);

    /// The number of projects indexed; find gives numbers below it.
    std::size_t size() const { return my_projects.size(); }
    /// The number of the project whose names, joined by one TAB, are names; size() when none.
    std::size_t find(std::string_view names) const;
    /// Where project number n stands in the list.
    const Project& project(std::size_t n) const { return my_projects[n]; }
    /// The most slots any look-up of an indexed name visits.
    std::size_t longest_probe() const { return my_longest_probe; }

private:
    struct Slot
    {
        std::uint64_t hash = 0;
        std::string_view names;
        std::size_t project = kEmpty;
    };
    static constexpr std::size_t kEmpty = SIZE_MAX;

    void insert(std::string_view names, std::size_t project);

    std::vector<char> my_names; // every key, back to back; the slots view into it
    std::vector<Slot> my_slots;
    std::vector<Project> my_projects;
    int my_shift = 60; // the slot is the hash's top bits
    std::size_t my_longest_probe = 0;
};

} // namespace velkor
