#include "presentation/CommandTable.h"

#include "core/Assert.h"

#include <utility>

namespace velkor {

void CommandTable::add(Command command)
{
    VELKOR_ASSERT(find(command.id) == nullptr, "find(command.id) == nullptr");
    my_commands.push_back(std::move(command));
}

const Command* CommandTable::find(int id) const
{
    for (const Command& command : my_commands) {
        if (command.id == id)
            return &command;
    }
    return nullptr;
}

bool CommandTable::has_handler(int id) const
{
    const Command* command = find(id);
    return command && command->handler;
}

CommandView CommandTable::view(int id, const MenuState& state) const
{
    const Command* command = find(id);
    if (!command)
        return {};
    CommandView view;
    const bool alternative = command->alternative_text_when && command->alternative_text_when(state);
    view.text = alternative ? command->alternative_text : command->text;
    view.enabled = command->handler && (!command->enabled_when || command->enabled_when(state));
    view.checkable = static_cast<bool>(command->checked_when);
    view.checked = view.checkable && command->checked_when(state);
    view.shown = !command->shown_when || command->shown_when(state);
    return view;
}

bool CommandTable::run(int id) const
{
    const Command* command = find(id);
    if (!command || !command->handler)
        return false;
    command->handler();
    return true;
}

} // namespace velkor
