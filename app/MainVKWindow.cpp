#include "app/MainVKWindow.h"

#include "app/Application.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProjectList.h"
#include "core/Prompt.h"
#include "core/SessionControl.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace velkor {

MainVKWindow::MainVKWindow(Application& app, QWidget* parent) : QWidget(parent), my_app(app)
{
    setObjectName("mainVKWindow");
}

MainVKWindow::~MainVKWindow()
{
    my_app.settings().flush();
}

void MainVKWindow::create_menus(QMenuBar* bar)
{
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("menuFile");
    auto add = [this, file](const char* text, int id) {
        QAction* action = file->addAction(text);
        action->setObjectName(QString("cmd%1").arg(id));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { command(id); });
    };
    add("Exit &without checking out", kCmdExitWithoutCheckingOut);
    add("&Exit", kCmdExit);
}

void MainVKWindow::command(int id)
{
    switch (id) {
    case kCmdExit:
        ExitCommand();
        break;
    case kCmdExitWithoutCheckingOut:
        ExitWithoutCheckingOut();
        break;
    default:
        break;
    }
}

void MainVKWindow::SetupWindow()
{
    my_app.session().load_clock_flags();
}

bool MainVKWindow::QueryClose()
{
    IniFile& settings = my_app.settings();
    settings.flush();
    ProjectList* list = my_app.project_list();
    if (!list) {
        if (!get_flag(settings, kConfirmExit))
            return true;
        return my_app.prompt().message("Do you really want to exit?", "Velkor", Buttons::YesNo, Icon::Question) ==
               Answer::Yes;
    }
    list->save_remembered_memos();
    if (!my_app.session().is_checked_in())
        return true;
    return query_close_while_checked_in();
}

bool MainVKWindow::query_close_while_checked_in()
{
    SessionControl& session = my_app.session();
    switch (get_int(my_app.settings(), kExitWhileCheckedIn)) {
    case 0:
        // A check-out that did not happen (cancelled, log not written) must not end the program.
        return session.check_out_for_exit();
    case 1:
        return true;
    case 2:
        switch (my_app.prompt().message("Velkor is about to exit.\nDo you want to check out of your current project?",
                                        "You are still checked in!", Buttons::YesNoCancel, Icon::Question)) {
        case Answer::Yes:
            return session.check_out_for_exit();
        case Answer::No:
            return true;
        default:
            return false;
        }
    case 3:
        my_app.prompt().message("You must check out of the current project\nbefore Velkor can exit.",
                                "You are still checked in!", Buttons::Ok, Icon::Exclamation);
        return false;
    default:
        return true;
    }
}

void MainVKWindow::ExitCommand()
{
    if (QueryClose())
        my_app.exit_steps();
}

void MainVKWindow::ExitWithoutCheckingOut()
{
    if (!my_app.session().is_checked_in()) {
        ExitCommand();
        return;
    }
    if (my_app.prompt().message("Are you sure?", "Exit without checking out", Buttons::YesNo, Icon::Question) ==
        Answer::Yes)
        my_app.exit_steps();
}

} // namespace velkor
