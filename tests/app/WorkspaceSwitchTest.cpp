// Switching the workspace of a running main window (entering and leaving the tutorial) is one
// call, after which every writer writes in the new folder.
#include "tests/app/MainWindowFixture.h"

using namespace velkor;
using namespace velkor::test;

namespace {

class WorkspaceSwitchTest : public MainVKWindowTest
{
protected:
    void SetUp() override
    {
        MainVKWindowTest::SetUp();
        std::filesystem::create_directory(dir.file("Tutorial"));
        write_file(dir.file("Tutorial/tutorial.txt"), "[categories]\r\ncLesson\r\n[Lesson]\r\npOne\r\npTwo\r\n");
        write_file(dir.file("Tutorial/velkors.ini"), "[velkors]\r\nCloseOnSelect=n\r\nShowVKRName=2\r\n");
    }
    const WorkspaceDefaults tutorial{"tutorial.txt", "tutorial.log"};
};

} // namespace

TEST_F(WorkspaceSwitchTest, EveryWriterMovesToTheNewFolder)
{
    MainVKWindow& w = start();
    list().remember_memo(0, 0, "old memo");
    ASSERT_EQ(w.switch_workspace("Tutorial", tutorial), WorkspaceSwitch::Switched);
    EXPECT_EQ(app->project_list(), nullptr);
    EXPECT_NE(read_file(dir.file("project.mmo")).find("mold memo\r\n"), std::string::npos)
        << "written where it belongs";

    w.draw_grid_now();
    EXPECT_EQ(list().category_name(0), "Lesson");
    EXPECT_EQ(w.display().title_mode, 2) << "the display settings are the tutorial's";
    click(0, 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("Tutorial/tutorial.clg")));
    clock.advance(60);
    click(0, 1);
    EXPECT_EQ(read_file(dir.file("Tutorial/tutorial.log")),
              "2024/07/03\t09:46:40\t2024/07/03\t09:47:40\tLesson\tOne\t0.00\r\n");
    put(app->settings(), kRate, "5");
    app->settings().flush();
    EXPECT_NE(read_file(dir.file("Tutorial/velkors.ini")).find("Rate=5"), std::string::npos);

    for (const char* old : {"velkors.log", "velkors.clg", "Tutorial/project.mmo"})
        EXPECT_FALSE(std::filesystem::exists(dir.file(old))) << old;
    EXPECT_EQ(read_file(dir.file("velkors.ini")).find("Rate="), std::string::npos);
}

TEST_F(WorkspaceSwitchTest, AFolderThatCannotBeEnteredKeepsTheProgramWhereItWas)
{
    MainVKWindow& w = start();
    EXPECT_EQ(w.switch_workspace("Missing", tutorial), WorkspaceSwitch::FolderUnavailable);
    w.draw_grid_now();
    EXPECT_EQ(list().category_name(0), "Alpha");
    click(0, 0);
    clock.advance(60);
    click(0, 1);
    EXPECT_EQ(records(), 1);
}
