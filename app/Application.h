#pragma once
// The program-wide object: start-up values, the settings store, the log lock, the project list
// and environment list, and the main window it creates. One per process; it is a QObject, not
// the QApplication, so that tests can build as many as they like inside one test program.

#include "core/CommandLine.h"
#include "core/LogLock.h"
#include "core/WindowPlacement.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

namespace velkor {

class EnvList;
class FrameWindow;
class IniFile;
class MainVKWindow;
class ProjectList;
class Prompt;
class SessionControl;

/// Name of the settings file, in the working folder.
inline constexpr const char* kSettingsFile = "./velkors.ini";

class Application : public QObject
{
    Q_OBJECT
public:
    /// Creates the settings store on "./velkors.ini" (so the working folder must be final), the
    /// project file path and the environment list. prompt shows every message box of the shell.
    Application(CommandLine command_line, Prompt& prompt, QObject* parent = nullptr);
    /// Destroys the main window, the lists and the lock; the settings get a last flush.
    ~Application() override;

    /// Main-window initialisation: title, frame and client, show state, geometry, argument check,
    /// log file path and log lock. False when the program must end without running (bad argument
    /// or lock failure; every message has been shown).
    bool init_main_window();
    /// Shows the frame in the start-up show state and runs the client's window set-up.
    void show_main_window();

    /// Takes the lock of another log (start-up, tutorial switch, Options); false leaves the old one.
    bool take_log_lock(const std::string& log_path);
    LogLock& log_lock() { return my_log_lock; }
    const std::string& mirror_path() const { return my_log_lock.mirror_path(); }

    /// The exit steps: save the clock flags, release the hot key, close the help, quit with 0.
    void exit_steps();
    /// Code called by the exit steps to release the global hot key and to close the help viewer.
    void set_exit_hooks(std::function<void()> release_hot_key, std::function<void()> close_help);
    bool quit_requested() const { return my_quit_requested; }
    /// Ends the running event loop with code; does nothing when no loop runs yet.
    static void quit_event_loop(int code);

    /// The session engine once there is one; null goes back to "never checked in".
    void set_session_control(SessionControl* session);
    SessionControl& session() const { return *my_session; }

    /// The system clock was set.
    void clock_changed();

    IniFile& settings() const { return *my_settings; }
    Prompt& prompt() const { return my_prompt; }
    const CommandLine& command_line() const { return my_command_line; }
    const std::string& window_title() const { return my_window_title; }
    const std::string& log_file_path() const { return my_log_file_path; }
    void set_log_file_path(std::string path) { my_log_file_path = std::move(path); }
    const std::string& project_file_path() const { return my_project_file_path; }
    void set_project_file_path(std::string path) { my_project_file_path = std::move(path); }
    ShowState startup_show_state() const { return my_show_state; }

    /// The program-wide project list, or null before the first paint loads it.
    ProjectList* project_list() const { return my_project_list.get(); }
    /// Puts list in the program-wide place and hands back the list it replaces.
    std::unique_ptr<ProjectList> set_project_list(std::unique_ptr<ProjectList> list);
    EnvList& env_list() const { return *my_env_list; }

    FrameWindow* frame() const { return my_frame.get(); }
    MainVKWindow* client() const;

private:
    void request_quit(int code);

    CommandLine my_command_line;
    Prompt& my_prompt;
    // Declared first among the owned objects so that it is destroyed last: windows flush it.
    std::unique_ptr<IniFile> my_settings;
    std::string my_window_title;
    std::string my_log_file_path;
    std::string my_project_file_path;
    ShowState my_show_state = ShowState::Normal;
    LogLock my_log_lock;
    std::unique_ptr<SessionControl> my_idle_session;
    SessionControl* my_session = nullptr;
    std::unique_ptr<ProjectList> my_project_list;
    std::unique_ptr<EnvList> my_env_list;
    std::unique_ptr<FrameWindow> my_frame;
    std::function<void()> my_release_hot_key;
    std::function<void()> my_close_help;
    bool my_quit_requested = false;
};

} // namespace velkor
