#pragma once
// The main window's menu bar and its accelerators. Every item is a QAction named "cmd<id>" with
// its command id as data; the dynamic items are brought up to date each time a menu opens.

#include "core/MemoRequest.h"
#include "presentation/CommandIds.h"

#include <QObject>

#include <functional>
#include <map>
#include <set>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace velkor {

/// What the dynamic items show, taken when a menu opens.
struct MenuState
{
    AskMemoMode memo_mode = AskMemoMode::ShiftOnly;
    bool checked_in = false;
    bool can_change_projects = true;
    bool tutorial_mode = false;
};

class MainMenu : public QObject
{
    Q_OBJECT
public:
    /// Builds the menus into bar (which is emptied first) and the accelerators F1-F4 on window.
    MainMenu(QMenuBar* bar, QWidget* window, std::function<void(int)> run_command, std::function<MenuState()> state);

    /// Brings the dynamic items up to date (every time a menu of the bar opens).
    void refresh();

    /// The menu item of a command, or null.
    QAction* action(int id) const;
    /// The accelerator of a function key 1-4.
    QAction* accelerator(int function_key) const;
    /// Enables the items of a command whose handler exists; commands without one stay greyed.
    void set_available(int id, bool available);

private:
    QAction* add(QMenu* menu, const char* text, int id);
    void add_accelerator(QWidget* window, int function_key, int id);
    void apply_availability(int id);

    QMenuBar* my_bar;
    std::function<void(int)> my_run_command;
    std::function<MenuState()> my_state;
    std::map<int, QAction*> my_actions;
    std::map<int, QAction*> my_accelerators; ///< by function key
    std::set<int> my_available;
    QMenu* my_help = nullptr;
    QAction* my_tutorial_item = nullptr;
};

} // namespace velkor
