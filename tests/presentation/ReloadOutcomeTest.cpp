#include "presentation/ReloadOutcome.h"

#include "core/ProjectList.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

ProjectList list_of(const char* category, const char* project)
{
    ProjectList list;
    list.add_category(category, kBlack, false);
    list.add_project(0, project, false);
    return list;
}

} // namespace

TEST(ReloadOutcome, TheSessionIsKeptOnlyUnderTheSameNames)
{
    ProjectList before = list_of("Work", "Report");
    EXPECT_EQ(checked_in_names(&before), std::nullopt);
    EXPECT_EQ(reload_outcome(checked_in_names(&before), &before), ReloadOutcome::WasIdle);

    before.set_current(0, 0);
    const std::optional<CheckedInNames> names = checked_in_names(&before);
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(names->category + "/" + names->project, "Work/Report");

    ProjectList same = list_of("Work", "Report");
    same.set_current(0, 0);
    EXPECT_EQ(reload_outcome(names, &same), ReloadOutcome::SessionKept);

    ProjectList renamed = list_of("Work", "Reports");
    renamed.set_current(0, 0);
    EXPECT_EQ(reload_outcome(names, &renamed), ReloadOutcome::SessionLost);
    ProjectList other_category = list_of("Home", "Report");
    other_category.set_current(0, 0);
    EXPECT_EQ(reload_outcome(names, &other_category), ReloadOutcome::SessionLost);
    EXPECT_EQ(reload_outcome(names, &renamed), ReloadOutcome::SessionLost);
    ProjectList dropped = list_of("Work", "Report"); // the names are there, but the session ended
    EXPECT_EQ(reload_outcome(names, &dropped), ReloadOutcome::SessionLost);
    EXPECT_EQ(reload_outcome(names, nullptr), ReloadOutcome::SessionLost);
}
