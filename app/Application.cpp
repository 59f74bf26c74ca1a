#include "app/Application.h"

#include "app/FrameWindow.h"
#include "app/MainVKWindow.h"
#include "app/QtPrompt.h"
#include "base/Utf8Text.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/EnvList.h"
#include "core/ProjectList.h"
#include "core/ProjectListStore.h"
#include "core/RememberedMemoFile.h"
#include "core/SessionControl.h"
#include "help/qt/Help.h"
#include "platform/DurableFile.h"

#include <QCoreApplication>
#include <QThread>

namespace velkor {
namespace {

// The session side while no session engine is attached: nobody can be checked in, so every
// clock change happens while idle. The checked-in flag is still carried from Tci to Tci.
class IdleSession : public SessionControl
{
public:
    explicit IdleSession(IniFile& settings) : my_settings(settings) {}

    bool is_checked_in() const override { return false; }
    bool check_out_for_exit() override { return true; }
    void clock_changed() override { my_changed_while_idle = true; }
    void load_clock_flags() override
    {
        my_changed_while_checked_in = get_flag(my_settings, kTci);
        my_changed_while_idle = get_flag(my_settings, kTco);
    }
    void save_clock_flags() override
    {
        put_flag(my_settings, kTci, my_changed_while_checked_in);
        put_flag(my_settings, kTco, my_changed_while_idle);
    }
    void refuse_records() override {}

private:
    IniFile& my_settings;
    bool my_changed_while_checked_in = false;
    bool my_changed_while_idle = false;
};

} // namespace

Application::Application(CommandLine command_line, Prompt& prompt, QObject* parent)
    : QObject(parent), my_command_line(std::move(command_line)), my_prompt(prompt), my_workspace(prompt),
      my_lists(my_workspace.project_store(), [this] { return my_workspace.project_file(); })
{
    IniFile& settings = my_workspace.settings();
    my_workspace.replace_project_file(my_command_line.project_file_path(get(settings, kProjectFile)));
    // A rewrite cut short (the program killed before its rename) leaves its temporary file
    // beside the file it was replacing.
    const std::string& project_file = my_workspace.project_file();
    for (const std::string& file :
         {std::string(kSettingsFile), project_file, std::string(kHiddenListFile), memo_file_name(project_file)})
        remove_interrupted_rewrites(file);
    my_idle_session = std::make_unique<IdleSession>(settings);
    my_session = my_idle_session.get();
    my_env_list = std::make_unique<EnvList>(settings);
}

Application::~Application()
{
    my_frame.reset();
}

void Application::finish_run()
{
    my_lists.finish();
}

bool Application::init_main_window()
{
    my_window_title = my_command_line.window_title() ? *my_command_line.window_title()
                                                     : cut_utf8(get(settings(), kWindowTitle), kMaxTitleBytes);
    my_frame = std::make_unique<FrameWindow>(*this, shown_title(my_window_title));

    my_show_state = velkor::startup_show_state(ShowRequest::Default, get_flag(settings(), kUseSystemTray),
                                               get(settings(), kWindowMaximized));
    my_frame->place_window(kWindowSize.default_text, kWindowPosition.default_text);

    if (!my_command_line.check_arguments(my_prompt))
        request_quit(1);
    const std::string log_file = my_command_line.log_file_path(get(settings(), kLogFile));
    if (!my_workspace.replace_log(log_file)) {
        my_prompt.message("Cannot start Velkor: the log file\n\"" + message_excerpt(log_file) +
                              "\"\nis currently in use by another Velkor.",
                          "Error", Buttons::Ok, Icon::Stop);
        request_quit(1);
    }
    return !my_quit_requested;
}

void Application::show_main_window()
{
    switch (my_show_state) {
    case ShowState::Hidden:
        break; // only the notification icon shows
    case ShowState::Minimized:
        my_frame->showMinimized();
        break;
    case ShowState::Normal:
        my_frame->show();
        break;
    case ShowState::Maximized:
        my_frame->showMaximized();
        break;
    }
    client()->SetupWindow();
}

void Application::exit_steps()
{
    my_session->save_clock_flags();
    if (my_release_hot_key)
        my_release_hot_key();
    if (my_help)
        my_help->close_all();
    request_quit(0);
}

void Application::request_end()
{
    // After Exit the steps have run already, and only a box of the way out may still be open.
    if (!my_quit_requested) {
        my_end_requested = true;
        my_session->refuse_records();
    }
    // Every loop ends, the modal ones too (their dialogs count as cancelled); the steps follow
    // once the main loop is over, when no dialog is open any more.
    quit_event_loop(0);
}

void Application::end_without_questions()
{
    if (my_quit_requested)
        return;
    exit_steps();
    my_end_requested = true;
}

void Application::set_hot_key_release(std::function<void()> release_hot_key)
{
    my_release_hot_key = std::move(release_hot_key);
}

bool Application::close_on_select() const
{
    return !my_close_on_select_stopped && get_yes_no(settings(), kCloseOnSelect);
}

void Application::set_session_control(SessionControl* session)
{
    my_session = session ? session : my_idle_session.get();
}

void Application::clock_changed()
{
    my_session->clock_changed();
}

MainVKWindow* Application::client() const
{
    return my_frame ? my_frame->client() : nullptr;
}

void Application::request_quit(int code)
{
    my_quit_requested = true;
    quit_event_loop(code);
}

void Application::quit_event_loop(int code)
{
    // Outside a running loop, exit() would only leave Qt's quit flag set, and every later
    // exec() (message boxes, dialogs) would return at once. Start-up checks quit_requested().
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(code);
}

} // namespace velkor
