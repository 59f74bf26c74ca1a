#include "core/ProjectNameIndex.h"

#include "core/ProjectList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

using namespace velkor;

namespace {

ProjectList list_of(int categories, int projects, const std::function<std::string(int)>& category,
                    const std::function<std::string(int)>& project)
{
    ProjectList list;
    for (int c = 0; c < categories; ++c) {
        list.add_category(category(c), kBlack, false);
        for (int p = 0; p < projects; ++p)
            list.add_project(static_cast<std::size_t>(c), project(p), false);
    }
    return list;
}

std::string numbered(const char* format, int n)
{
    char text[300];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

} // namespace

TEST(ProjectNameIndex, FindsEachNameWhereTheListsOwnLookUpFindsIt)
{
    ProjectList list;
    const char* names[][3] = {{"Work", "Report", "Mail"},
                              {"Home", "Garden", "Report"},
                              {"Work", "Extra", "Report"},
                              {"", "", "Blank"},
                              {"K\xC3\xA4se", "Brot", "Brot"}};
    for (std::size_t c = 0; c < std::size(names); ++c) {
        list.add_category(names[c][0], kBlack, false);
        list.add_project(c, names[c][1], false);
        list.add_project(c, names[c][2], false);
    }
    list.add_category("Tab\tbed", kBlack, false); // a log line cuts such a name at its TAB
    list.add_project(5, "X", false);
    const ProjectNameIndex index(list);

    for (const auto& category : names)
        for (const auto& project : names)
            for (int i = 1; i < 3; ++i) {
                const std::size_t c = list.find_category(category[0]);
                const std::size_t p = c == NPOS ? NPOS : list.find_project(c, project[i]);
                const std::size_t n = index.find(std::string(category[0]) + '\t' + project[i]);
                if (p == NPOS) {
                    EXPECT_EQ(n, index.size()) << category[0] << "/" << project[i];
                } else {
                    ASSERT_LT(n, index.size()) << category[0] << "/" << project[i];
                    EXPECT_EQ(index.project(n).c, c);
                    EXPECT_EQ(index.project(n).p, p);
                }
            }
    EXPECT_EQ(index.size(), 7u); // Work x2, Home x2, blank x2, Kaese x1; the later Work is never found
    for (const char* unknown : {"Tab\tbed", "Work\tReport ", "Work\treport", "Wor\tkReport", "Work", ""})
        EXPECT_EQ(index.find(unknown), index.size()) << unknown;
}

TEST(ProjectNameIndex, LookUpCostDoesNotDependOnHowTheNamesAreSpelt)
{
    struct Case
    {
        const char* what;
        ProjectList list;
        std::size_t most_probes;
    };
    const std::string long_name(250, 'x');
    Case cases[] = {
        {"last byte",
         list_of(
             10, 30, [](int c) { return numbered("Category %d", c); },
             [](int p) { return numbered("Project %02d", p); }),
         8},
        {"first bytes",
         list_of(
             10, 30, [](int c) { return numbered("%d Category", c); },
             [](int p) { return numbered("%02d Project", p); }),
         8},
        {"last two bytes of 14",
         list_of(
             1, 2000, [](int) { return "Clients"; }, [](int p) { return numbered("Project %05d", p); }),
         32},
        {"long names",
         list_of(
             4, 500, [&](int c) { return long_name + numbered("%d", c); },
             [&](int p) { return numbered("%03d", p) + long_name + numbered("%03d", p); }),
         32},
        {"thousands",
         list_of(
             50, 100, [](int c) { return numbered("Client %04d", c); }, [](int p) { return numbered("Task %04d", p); }),
         32},
    };
    // A table at most half full, with every byte of the names reaching the bits that pick the
    // slot, finds any name within a few slots of where it hashes to.
    for (Case& c : cases) {
        const ProjectNameIndex index(c.list);
        EXPECT_LE(index.longest_probe(), c.most_probes) << c.what;
        EXPECT_EQ(index.find(c.list.category_name(0) + '\t' + c.list.project_name(0, 1)), 1u) << c.what;
    }
}
