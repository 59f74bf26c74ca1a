// The menu bar made from the main window's command table: every item in order with its command
// number, greyed until its feature exists, and the dynamic items following the menu state.
#include "app/MainMenu.h"

#include "app/Application.h"
#include "app/FrameWindow.h"
#include "app/MainCommands.h"
#include "app/MainVKWindow.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <vector>

using namespace velkor;
using namespace velkor::test;

namespace {

// "text=id" per shown item, "-" per separator, ">" before a sub-menu's items.
std::vector<std::string> describe(QMenu* menu)
{
    std::vector<std::string> items;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            items.push_back("-");
        else if (action->menu()) {
            items.push_back(">" + action->text().toStdString());
            for (const std::string& sub : describe(action->menu()))
                items.push_back(" " + sub);
        } else
            items.push_back(action->text().toStdString() + "=" + std::to_string(action->data().toInt()) +
                            (action->objectName() == QString("cmd%1").arg(action->data().toInt()) ? "" : "!name"));
    }
    return items;
}

// The real command table of a main window, shown in a bar of its own with a state the test sets
// and a run that only records.
struct MenuFixture : ::testing::Test
{
    TempDir dir;
    ScopedWorkingDir cwd{dir.path()};
    ScriptedPrompt prompt;
    std::unique_ptr<Application> app;
    QMainWindow frame;
    MenuState state;
    std::vector<int> commands;
    MainMenu* menu = nullptr;

    void build()
    {
        app = std::make_unique<Application>(CommandLine("/x/velkor", {}), prompt);
        ASSERT_TRUE(app->init_main_window());
        menu = new MainMenu(
            frame.menuBar(), &frame, app->client()->commands().table(), [this](int id) { commands.push_back(id); },
            [this] { return state; });
    }
    QMenu* top(int index) { return frame.menuBar()->actions().at(index)->menu(); }
};

} // namespace

TEST_F(MenuFixture, BarHoldsEveryItemInOrderWithItsCommandNumber)
{
    state.checked_in = true;
    build();
    QList<QAction*> tops = frame.menuBar()->actions();
    ASSERT_EQ(tops.size(), 5);
    std::vector<std::string> titles;
    for (QAction* a : tops)
        titles.push_back(a->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Projects", "&Options", "&Memos", "&Help"}));

    using V = std::vector<std::string>;
    EXPECT_EQ(describe(top(0)),
              (V{"&Clear totals on screen=11842", "-", "Velkor &Reporter=9071", "-", "&Backup log file=11849",
                 "Restore log file=11850", "Configure &automatic backup=11854", "-", "Exit &without checking out=9070",
                 "&Exit=102"}));
    EXPECT_EQ(describe(top(1)),
              (V{"Add/delete/&change projects    F2=101", "&Hide/show projects=11848", "Reload project list=11852"}));
    EXPECT_EQ(describe(top(2)), (V{"Change &options    F3=103"}));
    EXPECT_EQ(describe(top(3)),
              (V{"&Enter memo now=11846", "-", ">&Ask for memo", " Only when I use the &Shift key=11843",
                 " Every time I check &in=11844", " Every time I check &out=11845"}));
    EXPECT_EQ(describe(top(4)), (V{"&Contents=104", "&Index=105", "-", "&Configure Help=11853", "-", "&About=1",
                                   "Enter tutorial mode=201"}));
}

TEST_F(MenuFixture, ItemsOfLaterDialogsAreGreyedAndTheWorkingOnesRunTheirCommand)
{
    state.checked_in = true;
    build();
    const std::vector<int> working{11842, 11849, 11850, 11854, 9070, 9071, 102,   101, 11848,
                                   11852, 103,   11843, 11846, 104,  105,  11853, 1,   201};
    for (int id : working) {
        ASSERT_TRUE(menu->action(id)->isEnabled()) << id;
        menu->action(id)->trigger();
    }
    EXPECT_EQ(commands, working);
}

TEST_F(MenuFixture, OpeningAMenuBringsTheDynamicItemsUpToDate)
{
    build();
    // Not checked in, project file read-only, memo mode "every check-out".
    state.can_change_projects = false;
    state.memo_mode = AskMemoMode::EveryCheckOut;
    emit top(3)->aboutToShow();
    EXPECT_EQ(menu->action(11846)->text(), "Not checked in");
    EXPECT_FALSE(menu->action(11846)->isEnabled());
    EXPECT_EQ(menu->action(101)->text(), "Cannot change projects");
    EXPECT_FALSE(menu->action(101)->isEnabled());
    EXPECT_FALSE(menu->action(11843)->isChecked());
    EXPECT_FALSE(menu->action(11844)->isChecked());
    EXPECT_TRUE(menu->action(11845)->isChecked());

    state = MenuState{};
    state.checked_in = true;
    state.tutorial_mode = true;
    emit top(4)->aboutToShow();
    EXPECT_EQ(menu->action(11846)->text(), "&Enter memo now");
    EXPECT_TRUE(menu->action(11846)->isEnabled());
    EXPECT_EQ(menu->action(101)->text(), "Add/delete/&change projects    F2");
    EXPECT_TRUE(menu->action(11843)->isChecked());
    // The seventh item of Help follows the mode.
    EXPECT_EQ(describe(top(4)).back(), "Leave tutorial mode=202");
    EXPECT_EQ(describe(top(4)).size(), 7u);
}

TEST_F(MenuFixture, AcceleratorsStayBoundWhileTheirItemIsGreyed)
{
    build();
    state.can_change_projects = false;
    menu->refresh();
    ASSERT_TRUE(menu->accelerator(2)->isEnabled());
    EXPECT_EQ(menu->accelerator(2)->shortcut(), QKeySequence(Qt::Key_F2));
    menu->accelerator(2)->trigger();
    EXPECT_EQ(commands, std::vector<int>{101});
    // Without a help file Contents is greyed, and F1 is still bound to it.
    state.help_available = false;
    menu->refresh();
    EXPECT_FALSE(menu->action(104)->isEnabled());
    EXPECT_FALSE(menu->action(105)->isEnabled());
    menu->accelerator(1)->trigger();
    EXPECT_EQ(commands, (std::vector<int>{101, 104}));
    menu->accelerator(3)->trigger();
    ASSERT_TRUE(menu->accelerator(4)->isEnabled());
    EXPECT_EQ(menu->accelerator(4)->shortcut(), QKeySequence(Qt::Key_F4));
    menu->accelerator(4)->trigger();
    EXPECT_EQ(commands, (std::vector<int>{101, 104, 103, 11855}));
}

TEST_F(MenuFixture, TheMainWindowsFrameRunsItsCommandsFromItsOwnBar)
{
    build();
    QAction* clear = app->frame()->findChild<QAction*>("cmd11842");
    ASSERT_NE(clear, nullptr);
    EXPECT_TRUE(clear->isEnabled());
    EXPECT_NE(app->frame()->findChild<QAction*>("accF2"), nullptr);
}
