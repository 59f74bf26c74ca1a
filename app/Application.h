#pragma once
// The program-wide object: start-up values, the workspace (settings, project file, log, lock and
// crash record), the program-wide project list, the environment list, and the main window it
// creates. One per process; it is a QObject, not the QApplication, so that tests can build as
// many as they like inside one test program.

#include "core/CommandLine.h"
#include "core/ProgramWideList.h"
#include "core/WindowPlacement.h"
#include "core/Workspace.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

namespace velkor {

class EnvList;
class FrameWindow;
class Help;
class MainVKWindow;
class SessionControl;

class Application : public QObject
{
    Q_OBJECT
public:
    /// Creates the workspace on "./velkors.ini" (so the working folder must be final) with its
    /// project file, and the environment list. prompt shows every message box of the shell.
    Application(CommandLine command_line, Prompt& prompt, QObject* parent = nullptr);
    /// Destroys the main window, the lists and the lock; the settings get a last flush. No list
    /// file is written here: finish_run does that.
    ~Application() override;

    /// Main-window initialisation: title, frame and client, show state, geometry, argument check,
    /// log file path and log lock. False when the program must end without running (bad argument
    /// or lock failure; every message has been shown).
    bool init_main_window();
    /// Shows the frame in the start-up show state and runs the client's window set-up.
    void show_main_window();

    /// The program is ending (the message loop is over): the remembered memos of the program-wide
    /// list are written, unless the exit just wrote these very memos, and the list is dropped.
    void finish_run();

    /// The exit steps: save the clock flags, release the hot key, close the help, quit with 0.
    void exit_steps();
    /// The program is asked to end from outside (a signal, the desktop session ending): no
    /// question is asked and no log record written from now on, and every event loop ends.
    /// After the exit steps, only the loops end (a message box on the way out).
    void request_end();
    /// True after request_end (or end_without_questions) until the program is gone.
    bool end_requested() const { return my_end_requested; }
    /// After the main loop, for request_end: the exit steps without the close query, so that the
    /// settings and the clock flags are kept (finish_run writes the remembered memos) and an
    /// open session stays in its crash record for the next start.
    void end_without_questions();
    /// Code called by the exit steps to release the global hot key.
    void set_hot_key_release(std::function<void()> release_hot_key);
    /// The program's help (null: none, as in tests); the caller keeps it alive.
    void set_help(Help* help) { my_help = help; }
    Help* help() const { return my_help; }
    bool quit_requested() const { return my_quit_requested; }
    /// Ends the running event loop with code; does nothing when no loop runs yet.
    static void quit_event_loop(int code);

    /// The session engine once there is one; null goes back to "never checked in".
    void set_session_control(SessionControl* session);
    SessionControl& session() const { return *my_session; }

    /// The system clock was set.
    void clock_changed();

    Workspace& workspace() { return my_workspace; }
    IniFile& settings() const { return my_workspace.settings(); }
    Prompt& prompt() const { return my_prompt; }
    const CommandLine& command_line() const { return my_command_line; }
    const std::string& window_title() const { return my_window_title; }
    ShowState startup_show_state() const { return my_show_state; }
    /// `CloseOnSelect`, unless tutorial mode switched closing after a check-in off for this run.
    bool close_on_select() const;
    void stop_closing_on_select() { my_close_on_select_stopped = true; }

    /// The program-wide project list; empty before the first paint loads it.
    ProgramWideList& lists() { return my_lists; }
    ProjectList* project_list() const { return my_lists.get(); }
    EnvList& env_list() const { return *my_env_list; }

    FrameWindow* frame() const { return my_frame.get(); }
    MainVKWindow* client() const;

private:
    void request_quit(int code);

    CommandLine my_command_line;
    Prompt& my_prompt;
    // Declared first among the owned objects so that it is destroyed last: windows flush its settings.
    Workspace my_workspace;
    ProgramWideList my_lists;
    std::string my_window_title;
    ShowState my_show_state = ShowState::Normal;
    std::unique_ptr<SessionControl> my_idle_session;
    SessionControl* my_session = nullptr;
    std::unique_ptr<EnvList> my_env_list;
    std::unique_ptr<FrameWindow> my_frame;
    std::function<void()> my_release_hot_key;
    Help* my_help = nullptr;
    bool my_close_on_select_stopped = false;
    bool my_quit_requested = false;
    bool my_end_requested = false;
};

} // namespace velkor
