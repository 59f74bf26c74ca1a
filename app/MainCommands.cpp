#include "app/MainCommands.h"

#include "app/Application.h"
#include "app/BackupCommands.h"
#include "app/ExitControl.h"
#include "app/HelpCommands.h"
#include "app/HiddenItemCommands.h"
#include "app/MainVKWindow.h"
#include "app/OptionsCommand.h"
#include "app/WindowChrome.h"
#include "classlib/SettingsKeys.h"
#include "core/LockdownSwitches.h"
#include "core/SessionEngine.h"
#include "platform/FileAccess.h"
#include "presentation/ReloadOutcome.h"

#include <QCursor>

namespace velkor {

MainCommands::MainCommands(Application& app, MainVKWindow& window, WindowChrome& chrome, ExitControl& exit)
    : my_app(app), my_window(window), my_chrome(chrome), my_exit(exit),
      my_help(std::make_unique<HelpCommands>(app, window, chrome, exit))
{
    add_file_menu();
    add_projects_and_options_menus();
    add_memos_menu();
    add_help_menu();
}

MainCommands::~MainCommands() = default;

// The table, in menu order. A command without a handler is shown greyed until its feature exists.

void MainCommands::add_file_menu()
{
    my_table.add({.id = kCmdClearTotals, .menu = MenuPlace::File, .text = "&Clear totals on screen", .handler = [this] {
                      clear_totals();
                  }});
    my_table.add({.id = kCmdReporter,
                  .menu = MenuPlace::File,
                  .text = "Velkor &Reporter",
                  .separator_before = true,
                  .handler = [this] { my_help->reporter(); }});
    my_table.add({.id = kCmdBackup,
                  .menu = MenuPlace::File,
                  .text = "&Backup log file",
                  .separator_before = true,
                  .handler = [this] { BackupLogCommand(my_app, &my_window); }});
    my_table.add({.id = kCmdRestore, .menu = MenuPlace::File, .text = "Restore log file", .handler = [this] {
                      RestoreLogCommand(my_app, &my_window);
                  }});
    my_table.add({.id = kCmdConfigureAutoBackup,
                  .menu = MenuPlace::File,
                  .text = "Configure &automatic backup",
                  .handler = [this] { ConfigureAutoBackupCommand(my_app, my_window.autobackup(), &my_window); }});
    my_table.add({.id = kCmdExitWithoutCheckingOut,
                  .menu = MenuPlace::File,
                  .text = "Exit &without checking out",
                  .separator_before = true,
                  .handler = [this] { my_exit.ExitWithoutCheckingOut(); }});
    my_table.add(
        {.id = kCmdExit, .menu = MenuPlace::File, .text = "&Exit", .handler = [this] { my_exit.ExitCommand(); }});
}

void MainCommands::add_projects_and_options_menus()
{
    my_table.add({.id = kCmdEditProjects,
                  .menu = MenuPlace::Projects,
                  .text = "Add/delete/&change projects    F2",
                  .function_key = 2,
                  .enabled_when = [](const MenuState& s) { return s.can_change_projects; },
                  .alternative_text_when = [](const MenuState& s) { return !s.can_change_projects; },
                  .alternative_text = "Cannot change projects",
                  .handler = [this] { edit_projects(); }});
    my_table.add({.id = kCmdHideShow, .menu = MenuPlace::Projects, .text = "&Hide/show projects", .handler = [this] {
                      run_hide_show(my_app, my_window);
                  }});
    my_table.add(
        {.id = kCmdReloadProjects, .menu = MenuPlace::Projects, .text = "Reload project list", .handler = [this] {
             reload_project_list();
         }});
    my_table.add({.id = kCmdOptions,
                  .menu = MenuPlace::Options,
                  .text = "Change &options    F3",
                  .function_key = 3,
                  .handler = [this] { change_options(); }});
}

void MainCommands::add_memos_menu()
{
    my_table.add({.id = kCmdEnterMemoNow,
                  .menu = MenuPlace::Memos,
                  .text = "&Enter memo now",
                  .enabled_when = [](const MenuState& s) { return s.checked_in; },
                  .alternative_text_when = [](const MenuState& s) { return !s.checked_in; },
                  .alternative_text = "Not checked in",
                  .handler = [this] { enter_memo_now(); }});
    const std::tuple<int, const char*, AskMemoMode> modes[] = {
        {kCmdMemoModeShift, "Only when I use the &Shift key", AskMemoMode::ShiftOnly},
        {kCmdMemoModeCheckIn, "Every time I check &in", AskMemoMode::EveryCheckIn},
        {kCmdMemoModeCheckOut, "Every time I check &out", AskMemoMode::EveryCheckOut}};
    for (const auto& [id, text, mode] : modes) {
        my_table.add({.id = id,
                      .menu = MenuPlace::AskForMemo,
                      .text = text,
                      .separator_before = id == kCmdMemoModeShift, // before the sub-menu
                      .checked_when = [mode = mode](const MenuState& s) { return s.memo_mode == mode; },
                      .handler = [this, mode = mode] { set_memo_mode(mode); }});
    }
}

void MainCommands::add_help_menu()
{
    const Command::Rule with_help_file = [](const MenuState& s) { return s.help_available; };
    my_table.add({.id = kCmdHelpContents,
                  .menu = MenuPlace::Help,
                  .text = "&Contents",
                  .function_key = 1,
                  .enabled_when = with_help_file,
                  .handler = [this] { my_help->contents(); }});
    my_table.add({.id = kCmdHelpIndex,
                  .menu = MenuPlace::Help,
                  .text = "&Index",
                  .enabled_when = with_help_file,
                  .handler = [this] { my_help->index(); }});
    my_table.add({.id = kCmdConfigureHelp,
                  .menu = MenuPlace::Help,
                  .text = "&Configure Help",
                  .separator_before = true,
                  .handler = [this] { my_help->configure_help(); }});
    my_table.add(
        {.id = kCmdAbout, .menu = MenuPlace::Help, .text = "&About", .separator_before = true, .handler = [this] {
             my_help->about();
         }});
    // One place in the menu: entering while `TutorialMode` is off, leaving while it is on.
    my_table.add({.id = kCmdEnterTutorial,
                  .menu = MenuPlace::Help,
                  .text = "Enter tutorial mode",
                  .shown_when = [](const MenuState& s) { return !s.tutorial_mode; },
                  .handler = [this] { my_help->enter_tutorial(); }});
    my_table.add({.id = kCmdLeaveTutorial,
                  .menu = MenuPlace::Help,
                  .text = "Leave tutorial mode",
                  .shown_when = [](const MenuState& s) { return s.tutorial_mode; },
                  .handler = [this] { my_help->leave_tutorial(); }});
    my_table.add({.id = kCmdNote, .menu = MenuPlace::None, .function_key = 4, .handler = [this] {
                      enter_note(my_app, my_window, my_chrome, my_window.mapFromGlobal(QCursor::pos()));
                  }});
}

void MainCommands::run(int id)
{
    if (my_table.run(id))
        my_window.engine().reset_offset();
}

MenuState MainCommands::menu_state() const
{
    MenuState state;
    state.memo_mode = my_window.engine().memo().ask_memo_mode();
    state.checked_in = my_window.engine().is_checked_in();
    state.can_change_projects = can_change_projects();
    state.tutorial_mode = get_flag(my_app.settings(), kTutorialMode);
    state.help_available = my_help->help_available();
    return state;
}

bool MainCommands::can_change_projects() const
{
    return !lockdown_on(LockdownFeature::ProjectChanges) && is_absent_or_writable(my_app.workspace().project_file());
}

void MainCommands::clear_totals()
{
    if (ProjectList* list = my_app.project_list()) {
        list->clear_all_seconds();
        my_window.set_full_redraw();
        my_window.update();
    }
}

void MainCommands::edit_projects()
{
    // The accelerator stays bound while the menu item is greyed; it must not get round it.
    // Nor may it replace the list that a scan, whose progress window lets F2 through, is adding to.
    if (can_change_projects() && !my_window.busy())
        my_window.open_project_editor();
}

void MainCommands::change_options()
{
    // Not while a scan, whose progress window lets F3 through, adds to the list: a new log would scan it again.
    if (!my_window.busy())
        OptionsCommand(my_app, my_window, my_chrome).run();
}

void MainCommands::set_memo_mode(AskMemoMode mode)
{
    my_window.engine().memo().set_ask_memo_mode(mode);
    put(my_app.settings(), kAskMemo, AskMemoSetting(mode));
}

void MainCommands::enter_memo_now()
{
    SessionEngine& engine = my_window.engine();
    if (!engine.is_checked_in() || !engine.EnterMemoNow())
        return;
    if (get_flag(my_app.settings(), kCloseAfterMemo))
        my_chrome.minimize_after_action();
    my_chrome.reminder_timer().StartReminderTimer();
}

void MainCommands::reload_project_list()
{
    const std::optional<CheckedInNames> before = checked_in_names(my_app.project_list());
    my_window.request_reload_list();
    my_window.draw_grid_now();
    switch (reload_outcome(before, my_app.project_list())) {
    case ReloadOutcome::WasIdle:
        break;
    case ReloadOutcome::SessionLost:
        my_app.prompt().message("The project you were checked into is not in\nthe new project list.", "Velkor",
                                Buttons::Ok, Icon::Exclamation);
        break;
    case ReloadOutcome::SessionKept:
        my_chrome.reminder_timer().StartReminderTimer();
        my_window.update_caption();
        break;
    }
    my_window.set_full_redraw();
    my_window.update();
}

} // namespace velkor
