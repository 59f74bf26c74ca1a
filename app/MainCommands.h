#pragma once
// The main window's commands: the one table of menu items and accelerators (CommandTable), with
// their handlers. The help, About, reporter and tutorial commands are HelpCommands'.

#include "presentation/CommandTable.h"

#include <memory>

namespace velkor {

class Application;
class ExitControl;
class HelpCommands;
class MainVKWindow;
class WindowChrome;

class MainCommands
{
public:
    MainCommands(Application& app, MainVKWindow& window, WindowChrome& chrome, ExitControl& exit);
    ~MainCommands();

    const CommandTable& table() const { return my_table; }
    /// Runs a command of the menus or accelerators (nothing for a command without a handler);
    /// the adjustment offset is forgotten afterwards.
    void run(int id);
    /// What the dynamic menu items show now.
    MenuState menu_state() const;
    /// Whether the project editor may open: the lockdown allows it and the project file is absent or writable.
    bool can_change_projects() const;
    /// The help, About, reporter and tutorial commands.
    HelpCommands& help() { return *my_help; }

private:
    void add_file_menu();
    void add_projects_and_options_menus();
    void add_memos_menu();
    void add_help_menu();

    void clear_totals();
    void edit_projects();
    void reload_project_list();
    void change_options();
    void set_memo_mode(AskMemoMode mode);
    void enter_memo_now();

    Application& my_app;
    MainVKWindow& my_window;
    WindowChrome& my_chrome;
    ExitControl& my_exit;
    std::unique_ptr<HelpCommands> my_help;
    CommandTable my_table;
};

} // namespace velkor
