#include "app/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace velkor {
namespace {

// The commands that have handlers in this build; the others are shown greyed.
const int kWorkingCommands[] = {kCmdClearTotals,     kCmdExitWithoutCheckingOut, kCmdExit,
                                kCmdEditProjects,    kCmdReloadProjects,         kCmdMemoModeShift,
                                kCmdMemoModeCheckIn, kCmdMemoModeCheckOut,       kCmdEnterMemoNow};

void name_action(QAction* action, int id)
{
    action->setObjectName(QString("cmd%1").arg(id));
    action->setData(id);
}

} // namespace

MainMenu::MainMenu(QMenuBar* bar, QWidget* window, std::function<void(int)> run_command,
                   std::function<MenuState()> state)
    : QObject(bar), my_bar(bar), my_run_command(std::move(run_command)), my_state(std::move(state))
{
    my_available.insert(std::begin(kWorkingCommands), std::end(kWorkingCommands));
    // Menus made earlier (a plain File menu) give way to the full bar.
    for (QMenu* old : bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        delete old;
    bar->clear();

    QMenu* file = bar->addMenu("&File");
    file->setObjectName("menuFile");
    add(file, "&Clear totals on screen", kCmdClearTotals);
    file->addSeparator();
    add(file, "Velkor &Reporter", kCmdReporter);
    file->addSeparator();
    add(file, "&Backup log file", kCmdBackup);
    add(file, "Restore log file", kCmdRestore);
    add(file, "Configure &automatic backup", kCmdConfigureAutoBackup);
    file->addSeparator();
    add(file, "Exit &without checking out", kCmdExitWithoutCheckingOut);
    add(file, "&Exit", kCmdExit);

    QMenu* projects = bar->addMenu("&Projects");
    projects->setObjectName("menuProjects");
    add(projects, "Add/delete/&change projects    F2", kCmdEditProjects);
    add(projects, "&Hide/show projects", kCmdHideShow);
    add(projects, "Reload project list", kCmdReloadProjects);

    QMenu* options = bar->addMenu("&Options");
    options->setObjectName("menuOptions");
    add(options, "Change &options    F3", kCmdOptions);

    QMenu* memos = bar->addMenu("&Memos");
    memos->setObjectName("menuMemos");
    add(memos, "&Enter memo now", kCmdEnterMemoNow);
    memos->addSeparator();
    QMenu* ask = memos->addMenu("&Ask for &memo");
    ask->setObjectName("menuAskForMemo");
    for (int id : {kCmdMemoModeShift, kCmdMemoModeCheckIn, kCmdMemoModeCheckOut}) {
        const char* text = id == kCmdMemoModeShift     ? "Only when I use the &Shift key"
                           : id == kCmdMemoModeCheckIn ? "Every time I check &in"
                                                       : "Every time I check &out";
        add(ask, text, id)->setCheckable(true);
    }

    my_help = bar->addMenu("&Help");
    my_help->setObjectName("menuHelp");
    add(my_help, "&Contents", kCmdHelpContents);
    add(my_help, "&Index", kCmdHelpIndex);
    my_help->addSeparator();
    add(my_help, "&Configure Help", kCmdConfigureHelp);
    my_help->addSeparator();
    add(my_help, "&About", kCmdAbout);

    for (QMenu* menu : {file, projects, options, memos, my_help})
        connect(menu, &QMenu::aboutToShow, this, &MainMenu::refresh);

    add_accelerator(window, 1, kCmdHelpContents);
    add_accelerator(window, 2, kCmdEditProjects);
    add_accelerator(window, 3, kCmdOptions);
    add_accelerator(window, 4, kCmdNote);
    refresh();
}

QAction* MainMenu::add(QMenu* menu, const char* text, int id)
{
    QAction* action = menu->addAction(text);
    name_action(action, id);
    connect(action, &QAction::triggered, this, [this, action] { my_run_command(action->data().toInt()); });
    my_actions[id] = action;
    apply_availability(id);
    return action;
}

void MainMenu::add_accelerator(QWidget* window, int function_key, int id)
{
    auto* action = new QAction(this);
    action->setObjectName(QString("accF%1").arg(function_key));
    action->setData(id);
    action->setShortcut(QKeySequence(Qt::Key_F1 + function_key - 1));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, id] { my_run_command(id); });
    window->addAction(action);
    my_accelerators[function_key] = action;
    action->setEnabled(my_available.count(id) != 0);
}

void MainMenu::set_available(int id, bool available)
{
    if (available)
        my_available.insert(id);
    else
        my_available.erase(id);
    apply_availability(id);
    for (auto& [key, action] : my_accelerators) {
        if (action->data().toInt() == id)
            action->setEnabled(available);
    }
    refresh();
}

void MainMenu::apply_availability(int id)
{
    if (QAction* item = action(id))
        item->setEnabled(my_available.count(id) != 0);
}

void MainMenu::refresh()
{
    const MenuState state = my_state ? my_state() : MenuState{};

    my_actions[kCmdMemoModeShift]->setChecked(state.memo_mode == AskMemoMode::ShiftOnly);
    my_actions[kCmdMemoModeCheckIn]->setChecked(state.memo_mode == AskMemoMode::EveryCheckIn);
    my_actions[kCmdMemoModeCheckOut]->setChecked(state.memo_mode == AskMemoMode::EveryCheckOut);

    QAction* memo_now = my_actions[kCmdEnterMemoNow];
    memo_now->setText(state.checked_in ? "&Enter memo now" : "Not checked in");
    memo_now->setEnabled(state.checked_in && my_available.count(kCmdEnterMemoNow));

    QAction* edit = my_actions[kCmdEditProjects];
    edit->setText(state.can_change_projects ? "Add/delete/&change projects    F2" : "Cannot change projects");
    edit->setEnabled(state.can_change_projects && my_available.count(kCmdEditProjects));

    if (!my_tutorial_item) {
        my_tutorial_item = my_help->addAction("Enter tutorial mode");
        connect(my_tutorial_item, &QAction::triggered, this,
                [this] { my_run_command(my_tutorial_item->data().toInt()); });
    }
    const int tutorial = state.tutorial_mode ? kCmdLeaveTutorial : kCmdEnterTutorial;
    my_actions.erase(kCmdEnterTutorial);
    my_actions.erase(kCmdLeaveTutorial);
    my_actions[tutorial] = my_tutorial_item;
    name_action(my_tutorial_item, tutorial);
    my_tutorial_item->setText(state.tutorial_mode ? "Leave tutorial mode" : "Enter tutorial mode");
    my_tutorial_item->setEnabled(my_available.count(tutorial) != 0);
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
