#pragma once
// The main window's commands as one table: each entry is a command id with its menu item (menu,
// text, separator before it), its function-key accelerator, the rules that grey, check, rename
// or hide the item in the menu's current state, and its handler. The menu bar and the
// accelerators are built from the table and run commands through it, so adding a command is one
// entry. An entry without a handler is shown greyed (its accelerator does nothing) until the
// feature behind it exists.

#include "core/MemoRequest.h"
#include "presentation/CommandIds.h"

#include <functional>
#include <string>
#include <vector>

namespace velkor {

/// The menu an item goes in, in the order of the menu bar; None for an accelerator alone.
enum class MenuPlace
{
    None,
    File,
    Projects,
    Options,
    Memos,
    AskForMemo, ///< the "&Ask for memo" sub-menu of Memos
    Help,
};

/// What the dynamic items show, taken each time a menu opens.
struct MenuState
{
    AskMemoMode memo_mode = AskMemoMode::ShiftOnly;
    bool checked_in = false;
    bool can_change_projects = true;
    bool tutorial_mode = false;
    bool help_available = true; ///< a help file is in use
};

struct Command
{
    using Rule = std::function<bool(const MenuState&)>;

    int id = 0;
    MenuPlace menu = MenuPlace::None;
    std::string text{};
    bool separator_before = false;
    int function_key = 0; ///< 1..4 for F1..F4, 0 for none
    /// Greys the item (its accelerator stays live: the handler checks what it needs itself).
    Rule enabled_when{};
    /// The text while this holds, else `text`.
    Rule alternative_text_when{};
    std::string alternative_text{};
    /// Makes the item a check box, checked while this holds.
    Rule checked_when{};
    /// Hides the item while this does not hold (two commands sharing one place).
    Rule shown_when{};
    std::function<void()> handler{};
};

/// A menu item as it is to be shown in a state.
struct CommandView
{
    std::string text;
    bool enabled = false;
    bool checkable = false;
    bool checked = false;
    bool shown = true;
    bool operator==(const CommandView&) const = default;
};

class CommandTable
{
public:
    /// Appends an entry; the menu items appear in the order of the entries. Ids are unique.
    void add(Command command);

    const std::vector<Command>& commands() const { return my_commands; }
    /// The entry of id, or null.
    const Command* find(int id) const;
    /// Whether the command does something (a greyed item of a later feature does not).
    bool has_handler(int id) const;
    /// The menu item of id in state: greyed without a handler or when its rule says so.
    CommandView view(int id, const MenuState& state) const;
    /// Runs the handler of id; false when there is none (an unknown id, or a feature not there yet).
    bool run(int id) const;

private:
    std::vector<Command> my_commands;
};

} // namespace velkor
