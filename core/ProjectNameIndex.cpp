#include "core/ProjectNameIndex.h"

#include "core/ProjectList.h"

#include <cstring>
#include <unordered_set>

namespace velkor {

namespace {

constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

std::uint64_t load64(const char* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

std::uint64_t load32(const char* p)
{
    std::uint32_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Names are mostly a few words long: compared eight bytes at a time, the last word overlapping.
bool same_bytes(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size();
    if (n != b.size())
        return false;
    if (n < 8)
        return std::memcmp(a.data(), b.data(), n) == 0;
    for (std::size_t i = 0; i + 8 < n; i += 8)
        if (load64(a.data() + i) != load64(b.data() + i))
            return false;
    return load64(a.data() + n - 8) == load64(b.data() + n - 8);
}

bool has_tab(const std::string& name)
{
    return name.find('\t') != std::string::npos;
}

// Every byte reaches the top bits of the hash, which pick the slot.
std::uint64_t hash_bytes(std::string_view bytes)
{
    const char* p = bytes.data();
    std::size_t n = bytes.size();
    std::uint64_t h = n * kMultiplier;
    for (; n > 8; p += 8, n -= 8) {
        h = (h ^ load64(p)) * kMultiplier;
        h ^= h >> 32;
    }
    // The last one to eight bytes, read in at most two loads that may overlap; with the length
    // already mixed in, different tails still give different words.
    std::uint64_t tail = 0;
    if (n >= 4)
        tail = load32(p) | load32(p + n - 4) << 32;
    else if (n > 0)
        tail = static_cast<std::uint64_t>(static_cast<unsigned char>(p[0])) |
               static_cast<std::uint64_t>(static_cast<unsigned char>(p[n / 2])) << 8 |
               static_cast<std::uint64_t>(static_cast<unsigned char>(p[n - 1])) << 16;
    // The top bits of a product depend on every bit of the factors: they pick the slot.
    return (h ^ tail) * kMultiplier;
}

} // namespace

ProjectNameIndex::ProjectNameIndex(const ProjectList& list)
{
    std::size_t count = 0;
    std::size_t bytes = 0;
    for (std::size_t c = 0; c < list.n_categories(); ++c) {
        count += list.n_projects(c);
        for (std::size_t p = 0; p < list.n_projects(c); ++p)
            bytes += list.category_name(c).size() + 1 + list.project_name(c, p).size();
    }
    std::size_t size = 16;
    my_shift = 60;
    while (size < 2 * count) {
        size *= 2;
        --my_shift;
    }
    my_slots.resize(size);
    my_names.reserve(bytes); // never reallocates below, so the views stay valid
    my_projects.reserve(count);

    std::unordered_set<std::string_view> categories_seen;
    for (std::size_t c = 0; c < list.n_categories(); ++c) {
        const std::string& category = list.category_name(c);
        if (!categories_seen.insert(category).second || has_tab(category))
            continue; // a later namesake is never found
        for (std::size_t p = 0; p < list.n_projects(c); ++p) {
            const std::string& project = list.project_name(c, p);
            if (has_tab(project))
                continue;
            const std::size_t begin = my_names.size();
            my_names.insert(my_names.end(), category.begin(), category.end());
            my_names.push_back('\t');
            my_names.insert(my_names.end(), project.begin(), project.end());
            const std::string_view names(my_names.data() + begin, my_names.size() - begin);
            if (find(names) != my_projects.size()) {
                my_names.resize(begin); // a later namesake in the same category
                continue;
            }
            insert(names, my_projects.size());
            my_projects.push_back({c, p});
        }
    }
}

std::size_t ProjectNameIndex::find(std::string_view names) const
{
    const std::uint64_t h = hash_bytes(names);
    const std::size_t mask = my_slots.size() - 1;
    for (std::size_t i = h >> my_shift;; i = (i + 1) & mask) {
        const Slot& slot = my_slots[i];
        if (slot.project == kEmpty)
            return my_projects.size();
        if (slot.hash == h && same_bytes(slot.names, names))
            return slot.project;
    }
}

void ProjectNameIndex::insert(std::string_view names, std::size_t project)
{
    const std::uint64_t h = hash_bytes(names);
    const std::size_t mask = my_slots.size() - 1;
    std::size_t probes = 1;
    std::size_t i = h >> my_shift;
    while (my_slots[i].project != kEmpty) {
        i = (i + 1) & mask;
        ++probes;
    }
    my_slots[i] = {h, names, project};
    if (probes > my_longest_probe)
        my_longest_probe = probes;
}

} // namespace velkor
