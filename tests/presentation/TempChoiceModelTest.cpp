// The temporary/hidden chooser's rules without the dialog: what it offers, which option boxes
// may be used, and what OK chooses, creates and marks.
#include "presentation/TempChoiceModel.h"

#include "core/ProjectList.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

using namespace velkor;
using Entries = std::vector<IndexedEntry>;

namespace {

class TempChoiceModelTest : public ::testing::Test
{
protected:
    // Work(Report mail* Budget*), zoo*(b a), Attic*(), Home(Garden); * hidden.
    TempChoiceModelTest()
    {
        list.add_category("Work", kBlack, false);
        for (const char* p : {"Report", "mail", "Budget"})
            list.add_project(0, p, false);
        list.set_project_shown(0, 1, false);
        list.set_project_shown(0, 2, false);
        list.add_category("zoo", kBlack, false);
        list.add_project(1, "b", false);
        list.add_project(1, "a", false);
        list.add_category("Attic", kBlack, false);
        list.add_category("Home", kBlack, false);
        list.add_project(3, "Garden", false);
        list.set_category_shown(1, false);
        list.set_category_shown(2, false);
    }
    TempChoiceModel model(bool check_in = true, bool can_change = true)
    {
        return TempChoiceModel(list, prompt, 0, check_in, can_change);
    }
    // The four option boxes as enabled (E) or not (-), checked (x) or not (-).
    static std::string options(const TempChoiceModel& m)
    {
        std::string s;
        for (auto [enabled, checked] : {std::pair{m.save_category_enabled(), m.save_category()},
                                        std::pair{m.hide_category_enabled(), m.hide_category()},
                                        std::pair{m.save_project_enabled(), m.save_project()},
                                        std::pair{m.hide_project_enabled(), m.hide_project()}})
            s += std::string(enabled ? "E" : "-") + (checked ? "x" : "-") + " ";
        return s;
    }

    ProjectList list;
    test::ScriptedPrompt prompt;
};

Message error(const char* text)
{
    return {text, "Error", Buttons::Ok, Icon::Exclamation};
}

} // namespace

TEST_F(TempChoiceModelTest, OffersTheHiddenItemsSortedWithTheirIndices)
{
    TempChoiceModel m = model(false);
    EXPECT_EQ(m.title(), "Enter note for temporary or hidden category/project");
    EXPECT_EQ(model().title(), "Check into temporary or hidden category/project");
    EXPECT_EQ(m.use_category_text(), "Use category Work");
    EXPECT_TRUE(m.use_initial());
    EXPECT_EQ(m.hidden_categories(), (Entries{{"Attic", 2}, {"zoo", 1}}));
    EXPECT_EQ(m.hidden_projects(), (Entries{{"Budget", 2}, {"mail", 1}})) << "the initial category's hidden ones";
    EXPECT_TRUE(m.hidden_projects_enabled());

    m.select_hidden_category(1);
    EXPECT_FALSE(m.use_initial());
    EXPECT_EQ(m.hidden_projects(), (Entries{{"a", 1}, {"b", 0}})) << "all of a hidden category's projects";
    m.select_hidden_category(0);
    EXPECT_FALSE(m.hidden_projects_enabled()) << "Attic has no projects";
    m.set_use_initial(true);
    EXPECT_EQ(m.hidden_category_row(), std::nullopt);
    EXPECT_EQ(m.hidden_projects().size(), 2u);
    m.type_category_name("N");
    EXPECT_FALSE(m.hidden_projects_enabled()) << "no category chosen: no projects to offer";
    EXPECT_TRUE(m.hidden_projects().empty());
}

TEST_F(TempChoiceModelTest, OptionBoxesFollowWhatIsChosenAndTheCanChangeFlag)
{
    TempChoiceModel m = model();
    EXPECT_EQ(options(m), "-- -- E- -- ");
    m.set_save_project(true);
    m.set_hide_project(true);
    EXPECT_EQ(options(m), "-- -- Ex Ex ");
    m.set_save_project(false);
    EXPECT_EQ(options(m), "-- -- E- -- ") << "but hide it goes with its box";

    m.type_category_name("New");
    EXPECT_EQ(options(m), "E- -- -- -- ") << "a temporary category takes no saved project";
    m.set_save_category(true);
    EXPECT_EQ(options(m), "Ex E- E- -- ");
    m.set_hide_category(true);
    m.set_save_project(true);
    EXPECT_EQ(options(m), "Ex Ex Ex E- ");
    m.set_save_category(false);
    EXPECT_EQ(options(m), "E- -- -- -- ");

    m.set_use_initial(true);
    EXPECT_EQ(m.category_name(), "") << "the typed name is cleared";
    m.type_project_name("P");
    m.select_hidden_project(0);
    EXPECT_EQ(m.project_name(), "");
    EXPECT_EQ(options(m), "-- -- -- -- ") << "a hidden project is no new name";
    m.type_project_name("Q");
    EXPECT_EQ(m.hidden_project_row(), std::nullopt);
    m.set_use_initial(false);
    EXPECT_EQ(options(m), "-- -- -- -- ") << "no category chosen";

    TempChoiceModel read_only = model(true, false);
    read_only.type_category_name("New");
    read_only.set_save_category(true);
    EXPECT_EQ(options(read_only), "-- -- -- -- ");

    const std::size_t trip = list.add_temporary_category("Trip", kBlack);
    TempChoiceModel on_temporary(list, prompt, trip, true, true);
    EXPECT_EQ(options(on_temporary), "-- -- -- -- ")
        << "a project saved in a temporary category never reaches the file";
}

TEST_F(TempChoiceModelTest, PickedHiddenItemsAreShownForTheCheckInOnly)
{
    TempChoiceModel m = model();
    m.select_hidden_project(1); // mail
    std::optional<TempChoice> choice = m.ok();
    ASSERT_TRUE(choice);
    EXPECT_EQ(std::pair(choice->category, choice->project), std::pair(std::size_t{0}, std::size_t{1}));
    EXPECT_FALSE(choice->names_created);
    EXPECT_TRUE(list.is_project_temporarily_shown(0, 1));
    EXPECT_FALSE(list.is_project_temporarily_shown(0, 2));

    TempChoiceModel by_hidden_category = model();
    by_hidden_category.select_hidden_category(1);
    by_hidden_category.select_hidden_project(0); // a
    choice = by_hidden_category.ok();
    ASSERT_TRUE(choice);
    EXPECT_EQ(std::pair(choice->category, choice->project), std::pair(std::size_t{1}, std::size_t{1}));
    EXPECT_TRUE(list.is_category_temporarily_shown(1) && list.is_project_temporarily_shown(1, 1));

    TempChoiceModel note = model(false);
    note.select_hidden_project(0); // Budget
    ASSERT_TRUE(note.ok());
    EXPECT_FALSE(list.is_project_temporarily_shown(0, 2)) << "a note marks nothing";
    TempChoiceModel note_in_hidden = model(false);
    note_in_hidden.select_hidden_category(0); // Attic
    note_in_hidden.type_project_name("Boxes");
    ASSERT_TRUE(note_in_hidden.ok());
    EXPECT_FALSE(list.is_category_temporarily_shown(2)) << "nor is a hidden category picked for a note";
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(TempChoiceModelTest, TypedNamesUseExistingItemsOrCreateTemporaryOrSavedOnes)
{
    TempChoiceModel existing = model();
    existing.type_category_name("  zoo ");
    existing.type_project_name("b");
    std::optional<TempChoice> choice = existing.ok();
    ASSERT_TRUE(choice);
    EXPECT_EQ(std::pair(choice->category, choice->project), std::pair(std::size_t{1}, std::size_t{0}));
    EXPECT_FALSE(choice->names_created);
    EXPECT_FALSE(list.is_category_temporarily_shown(1)) << "only a picked hidden category is marked";

    TempChoiceModel temporary = model();
    temporary.type_category_name("Trip");
    temporary.type_project_name("Tickets");
    choice = temporary.ok();
    ASSERT_TRUE(choice);
    EXPECT_EQ(list.category_name(choice->category), "Trip");
    EXPECT_TRUE(list.is_category_temporary(choice->category) && list.is_project_temporary(choice->category, 0));
    EXPECT_TRUE(choice->names_created);
    EXPECT_FALSE(choice->names_saved || choice->hidden_list_due);

    TempChoiceModel saved = model();
    saved.type_category_name("Club");
    saved.set_save_category(true);
    saved.set_hide_category(true);
    saved.set_save_project(true);
    saved.type_project_name("Dues");
    choice = saved.ok();
    ASSERT_TRUE(choice);
    const std::size_t club = choice->category;
    EXPECT_FALSE(list.is_category_temporary(club) || list.is_project_temporary(club, choice->project));
    EXPECT_FALSE(list.is_category_shown(club));
    EXPECT_TRUE(list.is_category_displayed(club)) << "hidden, yet usable until the next clean-up";
    EXPECT_TRUE(list.is_project_shown(club, choice->project));
    EXPECT_TRUE(choice->names_saved && choice->hidden_list_due);

    TempChoiceModel into_temporary = model(); // "Trip" exists now, as a temporary category
    into_temporary.type_category_name("Trip");
    into_temporary.set_save_category(true);
    into_temporary.set_save_project(true);
    into_temporary.type_project_name("Leg");
    choice = into_temporary.ok();
    ASSERT_TRUE(choice);
    EXPECT_TRUE(list.is_project_temporary(choice->category, choice->project));
    EXPECT_FALSE(choice->names_saved) << "it could never reach the file";

    TempChoiceModel new_project = model();
    new_project.set_save_project(true);
    new_project.set_hide_project(true);
    new_project.type_project_name("Audit");
    choice = new_project.ok();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->project, 3u);
    EXPECT_FALSE(list.is_project_shown(0, 3) || list.is_project_temporary(0, 3));
    EXPECT_TRUE(list.is_project_displayed(0, 3) && choice->hidden_list_due);
}

TEST_F(TempChoiceModelTest, MissingOrBrokenNamesAreRefusedAndTheDialogStays)
{
    TempChoiceModel m = model();
    m.set_use_initial(false);
    EXPECT_FALSE(m.ok());
    EXPECT_EQ(prompt.last(), error("No category was chosen!"));
    EXPECT_EQ(m.refusal(), TempChoiceModel::Refusal::Category);

    m.select_hidden_category(1);
    m.type_project_name(" \t ");
    EXPECT_FALSE(m.ok());
    EXPECT_EQ(prompt.last(), error("No project was chosen!"));
    EXPECT_EQ(m.refusal(), TempChoiceModel::Refusal::Project);
    EXPECT_TRUE(list.is_category_temporarily_shown(1)) << "the picked category stays marked";

    m.type_project_name("a\tb"); // would split the fields of the files and the log
    EXPECT_FALSE(m.ok());
    EXPECT_EQ(prompt.last(), error("Project names may not contain tabs or line breaks."));
    m.type_category_name("x\ny");
    m.type_project_name("p");
    EXPECT_FALSE(m.ok());
    EXPECT_EQ(prompt.last(), error("Category names may not contain tabs or line breaks."));
    EXPECT_EQ(list.n_categories(), 4u);
    EXPECT_EQ(list.n_projects(1), 2u);
}
