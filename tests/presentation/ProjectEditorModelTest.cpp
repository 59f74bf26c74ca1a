// The project editor's rules without its dialog: names, guards, moves past hidden items, the
// remembered selection and Copy Cat following its source category.
#include "presentation/ProjectEditorModel.h"

#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

using namespace velkor;
using Copy = ProjectEditorModel::CopyCat;

namespace {

Message warning(std::string text, std::string caption = "Velkor")
{
    return {std::move(text), std::move(caption), Buttons::Ok, Icon::Exclamation};
}

class ProjectEditorModelTest : public ::testing::Test
{
protected:
    // A(a0 a1) B(b0 b1 b2) C(c0)
    ProjectEditorModelTest()
    {
        const std::vector<std::vector<std::string>> projects = {{"a0", "a1"}, {"b0", "b1", "b2"}, {"c0"}};
        for (std::size_t c = 0; c < 3; ++c) {
            list.add_category(std::string(1, static_cast<char>('A' + c)), kBlack, false);
            for (const std::string& p : projects[c])
                list.add_project(c, p, false);
        }
    }
    std::string categories() const
    {
        std::string names;
        for (std::size_t c = 0; c < list.n_categories(); ++c)
            names += list.category_name(c);
        return names;
    }
    std::string projects(std::size_t c) const
    {
        std::string names;
        for (std::size_t p = 0; p < list.n_projects(c); ++p)
            names += (names.empty() ? "" : " ") + list.project_name(c, p);
        return names;
    }

    ProjectList list;
    test::ScriptedPrompt prompt;
    ProjectEditorModel model{list, prompt};
};

} // namespace

TEST_F(ProjectEditorModelTest, NamesAreTrimmedAndBlankBrokenOrTakenNamesRefused)
{
    EXPECT_EQ(model.accept_category_name("  Fun \r\n"), "Fun");
    EXPECT_EQ(model.accept_category_name(" \t"), std::nullopt);
    EXPECT_EQ(model.accept_category_name("a\tb"), std::nullopt);
    EXPECT_EQ(model.accept_category_name(" B "), std::nullopt);
    EXPECT_EQ(model.accept_project_name(1, " b3 "), "b3");
    EXPECT_EQ(model.accept_project_name(1, ""), std::nullopt);
    EXPECT_EQ(model.accept_project_name(1, "x\ny"), std::nullopt);
    EXPECT_EQ(model.accept_project_name(1, "b1"), std::nullopt);
    EXPECT_EQ(model.accept_project_name(0, "b1"), "b1") << "names are per category";
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{warning("Category names may not be blank."),
                                                       warning("Category names may not contain tabs or line breaks."),
                                                       warning("That category already exists!"),
                                                       warning("Project names may not be blank.", ""),
                                                       warning("Project names may not contain tabs or line breaks."),
                                                       warning("That project already exists in this category!", "")}));
}

TEST_F(ProjectEditorModelTest, TheCheckedInProjectAndItsCategoryStayWhereTheyAre)
{
    list.set_current(1, 2);
    EXPECT_FALSE(model.may_rename_category(1));
    EXPECT_FALSE(model.delete_category(1));
    EXPECT_FALSE(model.set_category_hidden(1, true));
    EXPECT_FALSE(model.may_rename_project(1, 2));
    EXPECT_FALSE(model.delete_project(1, 2));
    EXPECT_FALSE(model.set_project_hidden(1, 2, true));
    EXPECT_EQ(prompt.messages(),
              (std::vector<Message>{warning("Sorry, you cannot rename the current category."),
                                    warning("Sorry, you cannot delete the current category."),
                                    warning("Sorry, you cannot hide the category\ncontaining the current project."),
                                    warning("Sorry, you cannot rename the current project."),
                                    warning("Sorry, you cannot delete the current project."),
                                    warning("Sorry, you cannot hide the current project.")}));
    EXPECT_EQ(categories(), "ABC");
    EXPECT_TRUE(list.is_category_shown(1) && list.is_project_shown(1, 2));

    // Everything else may go, and showing is never refused.
    prompt.clear();
    EXPECT_TRUE(model.may_rename_project(1, 1) && model.may_rename_category(0));
    EXPECT_TRUE(model.set_category_hidden(1, false) && model.set_project_hidden(1, 2, false));
    EXPECT_TRUE(model.delete_project(1, 0));
    EXPECT_TRUE(list.is_current(1, 1)) << "the check-in follows its project";
    EXPECT_TRUE(model.delete_category(0));
    EXPECT_EQ(list.current_category_name(), "B");
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(ProjectEditorModelTest, AShownItemMovesPastHiddenNeighboursAndAHiddenOneMovesOnePlace)
{
    list.set_category_shown(1, false);
    EXPECT_EQ(model.move_category(0, 1), 2u);
    EXPECT_EQ(categories(), "CBA");
    EXPECT_EQ(model.move_category(1, -1), 0u) << "a hidden category moves one place";
    EXPECT_EQ(categories(), "BCA");
    EXPECT_EQ(model.move_category(0, -1), 0u) << "at the top";
    EXPECT_EQ(categories(), "BCA");

    // B(b0 b1-hidden b2): b0 jumps over b1; a move with only hidden items beyond it does nothing.
    list.set_project_shown(0, 1, false);
    EXPECT_EQ(model.move_project(0, 0, 1), 2u);
    EXPECT_EQ(projects(0), "b2 b1 b0");
    EXPECT_EQ(model.move_project(0, 2, 1), 2u);
    list.set_project_shown(0, 0, false);
    EXPECT_EQ(model.move_project(0, 2, -1), 2u) << "only hidden projects above it";
    EXPECT_EQ(projects(0), "b2 b1 b0");
}

TEST_F(ProjectEditorModelTest, TheSelectedProjectIsRememberedPerCategoryAndFollowsMovesAndDeletes)
{
    model.select_project(1, 2);
    model.select_project(2, 0);
    EXPECT_EQ(model.move_category(1, 1), 2u); // A C B
    EXPECT_EQ(model.selected_project(2), 2u);
    EXPECT_EQ(model.selected_project(1), 0u);
    EXPECT_TRUE(model.delete_project(2, 2));
    EXPECT_EQ(model.selected_project(2), 1u) << "the new last one";
    EXPECT_TRUE(model.delete_category(0)); // C B
    EXPECT_EQ(model.selected_project(1), 1u);
    model.add_project(0, "c1", false);
    EXPECT_EQ(model.selected_project(0), 1u) << "a new project is selected";
    EXPECT_EQ(model.move_project(1, 0, 1), 1u);
    EXPECT_EQ(model.selected_project(1), 1u) << "the moved project stays selected";
}

TEST_F(ProjectEditorModelTest, CopyCatCopiesTheProjectsTheTargetLacks)
{
    list.add_project(2, "b1", false);
    list.add_temporary_project(1, "temp");
    prompt.answer(Answer::Ok);
    prompt.answer(Answer::Ok);
    EXPECT_EQ(model.copy_cat(1), Copy::Started);
    EXPECT_TRUE(model.copy_pending());
    EXPECT_EQ(model.copy_cat(2), Copy::Copied);
    EXPECT_FALSE(model.copy_pending());
    EXPECT_EQ(projects(2), "c0 b1 b0 b2") << "no duplicate, no temporary project";
    EXPECT_EQ(model.selected_project(2), 0u);
    ASSERT_EQ(prompt.count(), 2u);
    EXPECT_EQ(prompt.messages()[0],
              (Message{"Preparing to copy projects...\n\n    FROM category: B\n\nUse the category selection box to "
                       "choose where you want to\ncopy these projects, then click the CopyCat button again.",
                       "Copy projects from one category to another", Buttons::OkCancel, Icon::Information}));
    EXPECT_EQ(prompt.messages()[1],
              (Message{"Ready to copy projects...\n\n    FROM category: B\n    TO category: C\n\nClick OK to copy "
                       "projects, or Cancel to forget about it.",
                       "Copy projects from one category to another", Buttons::OkCancel, Icon::Question}));
}

TEST_F(ProjectEditorModelTest, CopyCatRefusesWithoutACategoryAnEmptySourceOrItself)
{
    EXPECT_EQ(model.copy_cat(NPOS), Copy::Nothing);
    list.add_category("Empty", kBlack, false);
    EXPECT_EQ(model.copy_cat(3), Copy::Nothing);
    prompt.answer(Answer::Ok);
    EXPECT_EQ(model.copy_cat(0), Copy::Started);
    EXPECT_EQ(model.copy_cat(0), Copy::Nothing);
    EXPECT_FALSE(model.copy_pending()) << "the second click always ends the copy";
    EXPECT_EQ(prompt.messages()[0],
              (warning("You must first select the category from which\nyou wish to copy projects.", "Error")));
    EXPECT_EQ(prompt.messages()[1], (warning("There are no projects to copy in category\nEmpty", "Error")));
    EXPECT_EQ(prompt.last().text.substr(0, 41), "Oops--you copy from a category to itself!");
    // Cancel at either question copies nothing.
    prompt.answer(Answer::Cancel);
    EXPECT_EQ(model.copy_cat(0), Copy::Nothing);
    EXPECT_FALSE(model.copy_pending());
    prompt.answer(Answer::Ok);
    prompt.answer(Answer::Cancel);
    EXPECT_EQ(model.copy_cat(0), Copy::Started);
    EXPECT_EQ(model.copy_cat(2), Copy::Nothing);
    EXPECT_EQ(projects(2), "c0");
}

TEST_F(ProjectEditorModelTest, CopyCatFollowsItsSourceWhenCategoriesAreDeletedMovedOrSorted)
{
    prompt.answer(Answer::Ok);
    ASSERT_EQ(model.copy_cat(1), Copy::Started); // from B
    ASSERT_TRUE(model.delete_category(0));       // B C: the source moves up
    EXPECT_EQ(model.copy_source(), 0u);
    list.add_category("A", kBlack, false);     // B C A
    EXPECT_EQ(model.move_category(2, -1), 1u); // B A C
    EXPECT_EQ(model.move_category(0, 1), 1u);  // A B C: the source moves down
    EXPECT_EQ(model.copy_source(), 1u);
    model.sort_categories(); // already in order, the source found again by name
    EXPECT_EQ(list.category_name(model.copy_source()), "B");
    prompt.answer(Answer::Ok);
    EXPECT_EQ(model.copy_cat(2), Copy::Copied);
    EXPECT_EQ(projects(2), "c0 b0 b1 b2");
}

TEST_F(ProjectEditorModelTest, DeletingTheCopySourceEndsTheCopy)
{
    prompt.answer(Answer::Ok);
    ASSERT_EQ(model.copy_cat(1), Copy::Started);
    ASSERT_TRUE(model.delete_category(1));
    EXPECT_FALSE(model.copy_pending());
}

TEST_F(ProjectEditorModelTest, AddToAllSkipsCategoriesThatHaveTheNameAndTemporaryCategoriesTakeNone)
{
    list.add_project(2, "x", false);
    model.add_project(0, "x", true);
    EXPECT_EQ(projects(0), "a0 a1 x");
    EXPECT_EQ(projects(1), "b0 b1 b2 x");
    EXPECT_EQ(projects(2), "c0 x");
    const std::size_t temp = list.add_temporary_category("T", kBlack);
    model.add_project(temp, "y", false);
    EXPECT_EQ(list.n_projects(temp), 0u);
}
