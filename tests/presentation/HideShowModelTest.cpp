// The hide/show dialog's rules without the dialog: the clean-up of temporary and temporarily shown
// items, the list entries and radios, and Show/Hide with the refusals for the checked-in project.
#include "presentation/HideShowModel.h"

#include "core/ProjectList.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

using namespace velkor;
using Entries = std::vector<std::string>;

namespace {

Message refusal(const char* text)
{
    return {text, "Velkor", Buttons::Ok, Icon::Exclamation};
}

class HideShowModelTest : public ::testing::Test
{
protected:
    // Work(Report Mail Plan), Home(Garden), Music(Piano); Mail and Music hidden.
    HideShowModelTest()
    {
        list.add_category("Work", kBlack, false);
        for (const char* p : {"Report", "Mail", "Plan"})
            list.add_project(0, p, false);
        list.add_category("Home", kBlack, false);
        list.add_project(1, "Garden", false);
        list.add_category("Music", kBlack, false);
        list.add_project(2, "Piano", false);
        list.set_project_shown(0, 1, false);
        list.set_category_shown(2, false);
    }

    ProjectList list;
    test::ScriptedPrompt prompt;
};

} // namespace

TEST_F(HideShowModelTest, CleanUpDeletesTemporaryItemsAndHidesTemporarilyShownOnesAgain)
{
    // A temporary project before the current one, a temporary category holding only temporary
    // projects, another holding a saved one, and temporarily shown hidden items.
    list.add_temporary_project(0, "Scratch");
    list.swap_projects(0, 0, 3); // Scratch Mail Plan Report
    list.set_current(0, 3);
    list.add_temporary_category("Trip", kBlack);
    list.add_temporary_project(3, "Tickets");
    list.add_temporary_category("Odd", kBlack);
    list.add_project(4, "Kept", false);
    list.set_category_temporarily_shown(2, true);
    list.set_project_temporarily_shown(0, 1, true);
    EXPECT_FALSE(checked_into_temporary_item(list));

    EXPECT_TRUE(clean_up_temporary_items(list));
    ASSERT_EQ(list.n_categories(), 4u);
    EXPECT_EQ(list.category_name(3), "Odd") << "a temporary category with a saved project stays";
    ASSERT_EQ(list.n_projects(0), 3u);
    EXPECT_EQ(list.project_name(0, 0), "Mail");
    EXPECT_EQ(list.current_project_name(), "Report") << "the current project is followed";
    EXPECT_FALSE(list.is_project_displayed(0, 0));
    EXPECT_FALSE(list.is_category_displayed(2));
    EXPECT_FALSE(clean_up_temporary_items(list)) << "nothing left to clean";
}

TEST_F(HideShowModelTest, CheckedIntoATemporaryOrTemporarilyShownItemIsTold)
{
    list.set_current(1, 0);
    EXPECT_FALSE(checked_into_temporary_item(list));
    list.set_category_temporarily_shown(1, true);
    EXPECT_TRUE(checked_into_temporary_item(list));
    list.set_category_temporarily_shown(1, false);
    list.set_current(1, list.add_temporary_project(1, "Weeds"));
    EXPECT_TRUE(checked_into_temporary_item(list));
    list.set_project_temporarily_shown(0, 1, true);
    list.set_current(0, 1);
    EXPECT_TRUE(checked_into_temporary_item(list));
}

TEST_F(HideShowModelTest, EntriesRadiosAndCaptionsFollowTheSelection)
{
    list.add_temporary_category("Trip", kBlack); // not an entry: the lists skip temporary items
    list.add_project(3, "Kept", false);
    HideShowModel model(list, prompt);
    EXPECT_EQ(model.category_entries(), (Entries{"S:   Work", "S:   Home", "H:   Music"}));
    EXPECT_EQ(model.project_entries(0), (Entries{"S:   Report", "H:   Mail", "S:   Plan"}));

    EXPECT_EQ(model.category_radio({}), ShowHideRadio::Neither);
    EXPECT_EQ(model.category_radio({0, 1}), ShowHideRadio::Show);
    EXPECT_EQ(model.category_radio({2}), ShowHideRadio::Hide);
    EXPECT_EQ(model.category_radio({1, 2}), ShowHideRadio::Neither);
    EXPECT_EQ(model.project_radio(0, {0, 1}), ShowHideRadio::Neither);
    EXPECT_EQ(model.project_radio(0, {1}), ShowHideRadio::Hide);

    EXPECT_EQ(model.projects_caption({}), "No category selected");
    EXPECT_EQ(model.projects_caption({0, 2}), "Multiple categories selected");
    EXPECT_EQ(model.projects_caption({2}), "Projects in Music");

    // Showing a mixed selection shows both; the hidden project of Work stays hidden.
    EXPECT_TRUE(model.show_categories({1, 2}, true));
    EXPECT_EQ(model.category_entries(), (Entries{"S:   Work", "S:   Home", "S:   Music"}));
    EXPECT_TRUE(model.show_categories({0}, false));
    EXPECT_TRUE(model.show_categories({0}, true));
    EXPECT_FALSE(list.is_project_shown(0, 1)) << "a category's projects keep their own state";
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(HideShowModelTest, HidingTheCurrentCategoryOrProjectIsRefusedAsAWhole)
{
    list.set_current(0, 2); // Work/Plan
    list.add_project(1, "Shed", false);
    list.add_project(1, "Pond", false);
    HideShowModel model(list, prompt);

    EXPECT_FALSE(model.show_categories({0, 1}, false));
    EXPECT_EQ(prompt.last(), refusal("Sorry, you cannot hide the current category."));
    EXPECT_TRUE(list.is_category_shown(1)) << "nothing of a refused selection changes";
    EXPECT_TRUE(model.show_categories({1}, false));
    EXPECT_FALSE(list.is_category_shown(1));

    EXPECT_FALSE(model.show_projects(0, {0, 2}, false));
    EXPECT_EQ(prompt.last(), refusal("Sorry, you cannot hide the current project."));
    EXPECT_TRUE(list.is_project_shown(0, 0));
    EXPECT_TRUE(model.show_projects(0, {0}, false));
    EXPECT_FALSE(list.is_project_shown(0, 0));
    EXPECT_TRUE(model.show_projects(0, {2}, true)) << "showing the current project is no harm";
    EXPECT_TRUE(model.show_projects(1, {2}, false)) << "the same place in another category is not current";
    EXPECT_EQ(prompt.count(), 2u);

    list.clear_current(); // idle: anything may be hidden
    EXPECT_TRUE(model.show_categories({0}, false));
}
