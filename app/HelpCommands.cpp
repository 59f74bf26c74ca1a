#include "app/HelpCommands.h"

#include "app/Application.h"
#include "app/ExitControl.h"
#include "app/FrameWindow.h"
#include "app/MainVKWindow.h"
#include "app/WindowChrome.h"
#include "base/Utf8Text.h"
#include "classlib/SettingsKeys.h"
#include "core/SessionEngine.h"
#include "help/qt/AboutDlg.h"
#include "help/qt/Help.h"
#include "help/qt/HelpDialog.h"
#include "platform/qt/HotKey.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>

namespace velkor {

bool start_detached(const std::string& program, const std::string& folder)
{
    return QProcess::startDetached(QString::fromStdString(program), {}, QString::fromStdString(folder));
}

HelpCommands::HelpCommands(Application& app, MainVKWindow& window, WindowChrome& chrome, ExitControl& exit)
    : my_app(app), my_window(window), my_chrome(chrome), my_exit(exit), my_launcher(start_detached)
{
}

HelpCommands::~HelpCommands() = default;

Help* HelpCommands::help() const
{
    return my_app.help();
}

TutorialMode HelpCommands::tutorial()
{
    return TutorialMode(my_app.settings(), my_app.prompt(), my_app.command_line().program_folder(), *this);
}

void HelpCommands::set_up()
{
    if (Help* h = help())
        h->set_help_path(get(my_app.settings(), kHelpPath));
    tutorial().offer();
}

bool HelpCommands::help_available() const
{
    Help* h = help();
    return h && h->help_file();
}

void HelpCommands::contents()
{
    if (Help* h = help())
        h->show_contents();
}

void HelpCommands::index()
{
    if (Help* h = help())
        h->show_index();
}

void HelpCommands::configure_help()
{
    if (Help* h = help()) {
        HelpDialog dialog(my_app.settings(), *h, my_app.prompt(), &my_window);
        dialog.exec();
    }
}

void HelpCommands::about()
{
    const bool shift = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    AboutDlg dialog(build_version_info(), shift, my_window.window()->windowIcon(), &my_window);
    dialog.exec();
}

void HelpCommands::reporter()
{
    const std::string& program = my_app.command_line().reporter_path();
    if (!my_launcher(program, QDir::currentPath().toStdString()))
        my_app.prompt().message("Cannot execute Velkor Reporter, which should have been in:\n" +
                                    message_excerpt(program),
                                "Error", Buttons::Ok, Icon::Stop);
}

void HelpCommands::enter_tutorial()
{
    tutorial().enter();
}

void HelpCommands::leave_tutorial()
{
    tutorial().leave();
}

bool HelpCommands::checked_in() const
{
    return my_window.engine().is_checked_in();
}

WorkspaceSwitch HelpCommands::switch_workspace(const std::string& folder, const WorkspaceDefaults& defaults)
{
    return my_window.switch_workspace(folder, defaults);
}

void HelpCommands::stop_closing_on_select()
{
    my_app.stop_closing_on_select();
}

void HelpCommands::show_topic(int topic)
{
    if (Help* h = help())
        h->show_topic(topic);
}

void HelpCommands::place_window(const std::string& default_size, const std::string& default_position)
{
    // The client of a test stands alone, without a frame.
    if (auto* frame = dynamic_cast<FrameWindow*>(my_window.window()))
        frame->place_window(default_size, default_position);
    my_window.update();
}

bool HelpCommands::query_close()
{
    return my_exit.QueryClose();
}

void HelpCommands::release_hot_key()
{
    my_chrome.hot_key().unregister();
}

bool HelpCommands::start_program(const std::string& program, const std::string& folder)
{
    return my_launcher(program, folder);
}

void HelpCommands::exit_steps()
{
    my_app.exit_steps();
}

} // namespace velkor
