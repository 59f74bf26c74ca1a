#pragma once
// The main window's menu bar and its F1-F4 accelerators, made from the command table. Every item
// is a QAction named "cmd<id>" with its command id as data; each time a menu opens, the items
// take the text, greying, check mark and visibility the table gives for the current state.

#include "presentation/CommandTable.h"

#include <QObject>

#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace velkor {

class MainMenu : public QObject
{
    Q_OBJECT
public:
    /// Builds the menus of table into bar and its accelerators on window; a chosen item or
    /// accelerator calls run with its id. table must outlive the menu.
    MainMenu(QMenuBar* bar, QWidget* window, const CommandTable& table, std::function<void(int)> run,
             std::function<MenuState()> state);

    /// Brings every item up to date (each time a menu of the bar opens).
    void refresh();

    /// The menu item of a command, or null.
    QAction* action(int id) const;
    /// The accelerator of a function key 1-4, or null.
    QAction* accelerator(int function_key) const;

private:
    QMenu* menu_for(MenuPlace place, bool separator_before);
    void add_accelerator(QWidget* window, const Command& command);

    const CommandTable& my_table;
    std::function<void(int)> my_run;
    std::function<MenuState()> my_state;
    std::map<MenuPlace, QMenu*> my_menus;
    std::map<int, QAction*> my_actions;
    std::map<int, QAction*> my_accelerators; ///< by function key
};

} // namespace velkor
