#include "app/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace velkor {
namespace {

struct MenuTitle
{
    MenuPlace place;
    const char* title;
    const char* object_name;
};

// The menus of the bar in order; the sub-menu goes into Memos where its first item comes.
const MenuTitle kMenus[] = {{MenuPlace::File, "&File", "menuFile"},
                            {MenuPlace::Projects, "&Projects", "menuProjects"},
                            {MenuPlace::Options, "&Options", "menuOptions"},
                            {MenuPlace::Memos, "&Memos", "menuMemos"},
                            {MenuPlace::Help, "&Help", "menuHelp"}};

} // namespace

MainMenu::MainMenu(QMenuBar* bar, QWidget* window, const CommandTable& table, std::function<void(int)> run,
                   std::function<MenuState()> state)
    : QObject(bar), my_table(table), my_run(std::move(run)), my_state(std::move(state))
{
    for (const MenuTitle& m : kMenus) {
        QMenu* menu = bar->addMenu(m.title);
        menu->setObjectName(m.object_name);
        connect(menu, &QMenu::aboutToShow, this, &MainMenu::refresh);
        my_menus[m.place] = menu;
    }
    for (const Command& command : table.commands()) {
        if (command.function_key != 0)
            add_accelerator(window, command);
        if (command.menu == MenuPlace::None)
            continue;
        QMenu* menu = menu_for(command.menu, command.separator_before);
        if (command.separator_before && command.menu != MenuPlace::AskForMemo)
            menu->addSeparator();
        QAction* action = menu->addAction(QString::fromStdString(command.text));
        action->setObjectName(QString("cmd%1").arg(command.id));
        action->setData(command.id);
        connect(action, &QAction::triggered, this, [this, id = command.id] { my_run(id); });
        my_actions[command.id] = action;
    }
    refresh();
}

QMenu* MainMenu::menu_for(MenuPlace place, bool separator_before)
{
    if (QMenu* menu = my_menus[place])
        return menu;
    // The sub-menu, made when its first item comes; a separator before that item separates the
    // sub-menu in its parent.
    QMenu* parent = my_menus[MenuPlace::Memos];
    if (separator_before)
        parent->addSeparator();
    QMenu* sub = parent->addMenu("&Ask for &memo");
    sub->setObjectName("menuAskForMemo");
    my_menus[place] = sub;
    return sub;
}

void MainMenu::add_accelerator(QWidget* window, const Command& command)
{
    auto* action = new QAction(this);
    action->setObjectName(QString("accF%1").arg(command.function_key));
    action->setData(command.id);
    action->setShortcut(QKeySequence(Qt::Key_F1 + command.function_key - 1));
    action->setShortcutContext(Qt::WindowShortcut);
    // Bound whenever the command exists, even while its menu item is greyed.
    action->setEnabled(my_table.has_handler(command.id));
    connect(action, &QAction::triggered, this, [this, id = command.id] { my_run(id); });
    window->addAction(action);
    my_accelerators[command.function_key] = action;
}

void MainMenu::refresh()
{
    const MenuState state = my_state ? my_state() : MenuState{};
    for (const auto& [id, action] : my_actions) {
        const CommandView view = my_table.view(id, state);
        action->setText(QString::fromStdString(view.text));
        action->setCheckable(view.checkable);
        action->setChecked(view.checked);
        action->setEnabled(view.enabled);
        action->setVisible(view.shown);
    }
}

QAction* MainMenu::action(int id) const
{
    auto found = my_actions.find(id);
    return found == my_actions.end() ? nullptr : found->second;
}

QAction* MainMenu::accelerator(int function_key) const
{
    auto found = my_accelerators.find(function_key);
    return found == my_accelerators.end() ? nullptr : found->second;
}

} // namespace velkor
