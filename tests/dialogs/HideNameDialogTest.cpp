// The hide/show dialog on a working copy of a list read from real files: the lists and radios as
// the user drives them, the clean-up question, and what OK and Cancel leave behind.
#include "dialogs/HideNameDialog.h"

#include "core/ProgramWideList.h"
#include "core/ProjectList.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace velkor;
using velkor::test::control;
using velkor::test::read_file;
using velkor::test::write_file;

namespace {

// The main window's side: the program-wide list on project.txt in the working folder.
class FakeHost : public HideShowHost
{
public:
    explicit FakeHost(Prompt& prompt) : store(prompt) {}
    ProjectList& begin_edit() override { return lists.begin_edit(); }
    void keep_hidden_list() override { lists.keep_edit_hidden_list(); }
    void cancel_edit() override { lists.cancel_edit(); }
    void set_measure_flag() override { ++measures; }
    void invalidate() override { ++invalidates; }
    ProjectList& list() const { return *lists.get(); }

    ProjectListStore store;
    ProgramWideList lists{store, [] { return std::string("project.txt"); }};
    int measures = 0;
    int invalidates = 0;
};

// Written without the header the program writes, so that a rewrite would show.
const char* const kProjects = "[categories]\r\ncAlpha\r\ncBeta\r\ncGamma\r\n[Alpha]\r\npWrite\r\npRead\r\n"
                              "[Beta]\r\npB0\r\n[Gamma]\r\npOne\r\n";

const char* const kHiddenHeader = "#\r\n# This file created by Velkor.\r\n# DO NOT EDIT!\r\n"
                                  "# Use the Hide/show projects dialog on the Projects menu of VKR instead.\r\n#\r\n";

class HideNameDialogTest : public ::testing::Test
{
protected:
    HideNameDialogTest() : cwd(dir.path()), host(prompt)
    {
        write_file("project.txt", kProjects);
        write_file("hidden.ini", "CBeta\t1\r\n");
        host.lists.reload();
    }
    static QStringList entries(QWidget* dialog, int id)
    {
        QStringList texts;
        auto* list = control<QListWidget>(dialog, id);
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    static void select(QWidget* dialog, int id, std::initializer_list<int> rows)
    {
        auto* list = control<QListWidget>(dialog, id);
        list->clearSelection();
        for (int row : rows)
            list->item(row)->setSelected(true);
    }
    // The radio pair as "S" (Show checked), "H" (Hide checked) or "-" (neither).
    static std::string radios(QWidget* dialog, int show_id)
    {
        if (control<QRadioButton>(dialog, show_id)->isChecked())
            return "S";
        return control<QRadioButton>(dialog, show_id + 1)->isChecked() ? "H" : "-";
    }

    velkor::test::TempDir dir;
    velkor::test::ScopedWorkingDir cwd;
    velkor::test::ScriptedPrompt prompt;
    FakeHost host;
};

} // namespace

TEST_F(HideNameDialogTest, HidingAProjectShowsAtOnceAndOkWritesOnlyTheHiddenList)
{
    HideNameDialog dialog(host, prompt);
    EXPECT_EQ(dialog.windowTitle(), "Hide/show Categories and Projects");
    EXPECT_FALSE(dialog.cleaned_up());
    EXPECT_EQ(entries(&dialog, 101), (QStringList{"S:   Alpha", "H:   Beta", "S:   Gamma"}));
    EXPECT_EQ(radios(&dialog, 105), "-");
    EXPECT_EQ(control<QGroupBox>(&dialog, 104)->title(), "No category selected");
    EXPECT_FALSE(control(&dialog, 102)->isEnabled());
    EXPECT_FALSE(control(&dialog, 9)->isEnabled()) << "no help installed";

    select(&dialog, 101, {0});
    EXPECT_EQ(radios(&dialog, 105), "S");
    EXPECT_EQ(control<QGroupBox>(&dialog, 104)->title(), "Projects in Alpha");
    EXPECT_EQ(entries(&dialog, 102), (QStringList{"S:   Write", "S:   Read"}));
    select(&dialog, 102, {1});
    control<QRadioButton>(&dialog, 108)->click();
    EXPECT_EQ(entries(&dialog, 102), (QStringList{"S:   Write", "H:   Read"}));
    EXPECT_TRUE(control<QListWidget>(&dialog, 102)->item(1)->isSelected()) << "the selection is kept";
    EXPECT_EQ(radios(&dialog, 107), "H");
    EXPECT_FALSE(host.list().is_project_displayed(0, 1)) << "the grid's list is the copy";
    EXPECT_EQ(host.measures, 1);

    control<QPushButton>(&dialog, 1)->click();
    EXPECT_EQ(read_file("hidden.ini"), kHiddenHeader + std::string("CAlpha\t0\r\nPRead\r\nCBeta\t1\r\nCGamma\t0\r\n"));
    EXPECT_EQ(read_file("project.txt"), kProjects);
    EXPECT_FALSE(host.list().is_project_shown(0, 1));
    EXPECT_FALSE(host.lists.editing());
}

TEST_F(HideNameDialogTest, MixedSelectionsAndTheCurrentItemsRefusals)
{
    host.list().set_current(0, 0); // Alpha/Write
    HideNameDialog dialog(host, prompt);
    select(&dialog, 101, {0, 1});
    EXPECT_EQ(radios(&dialog, 105), "-");
    EXPECT_EQ(control<QGroupBox>(&dialog, 104)->title(), "Multiple categories selected");
    EXPECT_FALSE(control(&dialog, 110)->isEnabled());

    control<QRadioButton>(&dialog, 106)->click();
    EXPECT_EQ(prompt.last(),
              (Message{"Sorry, you cannot hide the current category.", "Velkor", Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(radios(&dialog, 105), "-") << "the refused click does not stick";
    control<QRadioButton>(&dialog, 105)->click();
    EXPECT_EQ(entries(&dialog, 101), (QStringList{"S:   Alpha", "S:   Beta", "S:   Gamma"}));
    EXPECT_EQ(radios(&dialog, 105), "S");

    select(&dialog, 101, {0});
    control<QPushButton>(&dialog, 110)->click();
    EXPECT_EQ(control<QListWidget>(&dialog, 102)->selectedItems().size(), 2);
    control<QRadioButton>(&dialog, 108)->click();
    EXPECT_EQ(prompt.last().text, "Sorry, you cannot hide the current project.");
    EXPECT_EQ(radios(&dialog, 107), "S");

    control<QPushButton>(&dialog, 109)->click();
    EXPECT_EQ(control<QListWidget>(&dialog, 101)->selectedItems().size(), 3);
    EXPECT_EQ(control<QGroupBox>(&dialog, 104)->title(), "Multiple categories selected");
    dialog.reject();
    EXPECT_FALSE(host.list().is_category_shown(1)) << "Cancel undoes the change";
    EXPECT_EQ(read_file("hidden.ini"), "CBeta\t1\r\n");
}

TEST_F(HideNameDialogTest, TheCleanUpIsAskedAboutAndItsCancelLeavesEveryTemporaryItem)
{
    host.list().add_temporary_project(2, "Scratch");
    host.list().set_category_temporarily_shown(1, true);
    const ProjectList before = host.list();
    const Message question{"This function erases temporary categories and projects,\nand re-hides hidden categories "
                           "and projects that were\ntemporarily showing.\n\nClick OK to proceed, or Cancel to undo "
                           "these changes.\n",
                           "Hide/show Categories and Projects", Buttons::OkCancel, Icon::Exclamation};
    {
        HideNameDialog dialog(host, prompt);
        EXPECT_TRUE(dialog.cleaned_up());
        EXPECT_EQ(host.list().n_projects(2), 1u) << "the grid shows the cleaned copy behind the question";
        EXPECT_EQ(dialog.exec(), QDialog::Rejected); // the question's Cancel
    }
    EXPECT_EQ(prompt.messages(), std::vector<Message>{question});
    EXPECT_EQ(host.list(), before);
    EXPECT_FALSE(host.lists.editing());

    prompt.answer(Answer::Ok);
    HideNameDialog dialog(host, prompt);
    velkor::test::when_modal<HideNameDialog>([](HideNameDialog* d) { control<QPushButton>(d, 1)->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(host.list().n_projects(2), 1u);
    EXPECT_FALSE(host.list().is_category_displayed(1));
    EXPECT_EQ(read_file("hidden.ini"), kHiddenHeader + std::string("CAlpha\t0\r\nCBeta\t1\r\nCGamma\t0\r\n"));
}
