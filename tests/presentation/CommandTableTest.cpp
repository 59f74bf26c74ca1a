#include "presentation/CommandTable.h"

#include <gtest/gtest.h>

using namespace velkor;

TEST(CommandTable, AnEntryWithoutAHandlerIsGreyedAndRunsNothing)
{
    CommandTable table;
    table.add({.id = 9071, .menu = MenuPlace::File, .text = "Velkor &Reporter"});
    EXPECT_FALSE(table.has_handler(9071));
    EXPECT_EQ(table.view(9071, {}), (CommandView{"Velkor &Reporter", false, false, false, true}));
    EXPECT_FALSE(table.run(9071));
    EXPECT_FALSE(table.run(4711)) << "unknown id";
    EXPECT_EQ(table.find(4711), nullptr);
}

TEST(CommandTable, RulesGreyRenameCheckAndHideItemsInTheMenuState)
{
    int ran = 0;
    CommandTable table;
    table.add({.id = 101,
               .menu = MenuPlace::Projects,
               .text = "Add/delete/&change projects    F2",
               .function_key = 2,
               .enabled_when = [](const MenuState& s) { return s.can_change_projects; },
               .alternative_text_when = [](const MenuState& s) { return !s.can_change_projects; },
               .alternative_text = "Cannot change projects",
               .handler = [&ran] { ++ran; }});
    table.add({.id = 11844,
               .menu = MenuPlace::AskForMemo,
               .text = "Every time I check &in",
               .checked_when = [](const MenuState& s) { return s.memo_mode == AskMemoMode::EveryCheckIn; },
               .handler = [] {}});
    table.add({.id = 202, .menu = MenuPlace::Help, .text = "Leave tutorial mode", .shown_when = [](const MenuState& s) {
                   return s.tutorial_mode;
               }});

    MenuState state;
    state.can_change_projects = false;
    EXPECT_EQ(table.view(101, state), (CommandView{"Cannot change projects", false, false, false, true}));
    state.can_change_projects = true;
    EXPECT_EQ(table.view(101, state), (CommandView{"Add/delete/&change projects    F2", true, false, false, true}));
    // The handler runs whatever the menu shows: an accelerator stays live and checks for itself.
    state.can_change_projects = false;
    EXPECT_TRUE(table.run(101));
    EXPECT_EQ(ran, 1);

    EXPECT_EQ(table.view(11844, state), (CommandView{"Every time I check &in", true, true, false, true}));
    state.memo_mode = AskMemoMode::EveryCheckIn;
    EXPECT_TRUE(table.view(11844, state).checked);

    EXPECT_FALSE(table.view(202, state).shown);
    state.tutorial_mode = true;
    EXPECT_TRUE(table.view(202, state).shown);
}

TEST(CommandTable, EntriesKeepTheirOrder)
{
    CommandTable table;
    for (int id : {11842, 9071, 102})
        table.add({.id = id, .menu = MenuPlace::File, .text = "x"});
    std::vector<int> ids;
    for (const Command& command : table.commands())
        ids.push_back(command.id);
    EXPECT_EQ(ids, (std::vector<int>{11842, 9071, 102}));
}
