#pragma once
// The main window's help and program commands: help contents and index, "Configure Online Help",
// the About box, the reporter launcher, and entering and leaving tutorial mode (with the
// start-up offer of the tutorial). The rules of the tutorial are TutorialMode's; this class is
// the main window side it works on.

#include "help/TutorialMode.h"

#include <functional>
#include <memory>
#include <string>

namespace velkor {

class Application;
class ExitControl;
class Help;
class MainVKWindow;
class WindowChrome;

class HelpCommands : public TutorialHost
{
public:
    /// Starts program (no arguments, the environment inherited) with folder as its working folder.
    using Launcher = std::function<bool(const std::string& program, const std::string& folder)>;

    HelpCommands(Application& app, MainVKWindow& window, WindowChrome& chrome, ExitControl& exit);
    ~HelpCommands() override;

    /// Window set-up: the help path from `HelpPath`, then the tutorial offer.
    void set_up();

    void contents();
    void index();
    void configure_help();
    void about();
    void reporter();
    void enter_tutorial();
    void leave_tutorial();

    /// Whether a help file is in use (Contents and Index are greyed without one).
    bool help_available() const;
    /// Tests start programs through a launcher of their own.
    void set_launcher(Launcher launcher) { my_launcher = std::move(launcher); }

    // TutorialHost
    bool checked_in() const override;
    WorkspaceSwitch switch_workspace(const std::string& folder, const WorkspaceDefaults& defaults) override;
    void stop_closing_on_select() override;
    void show_topic(int topic) override;
    void place_window(const std::string& default_size, const std::string& default_position) override;
    bool query_close() override;
    void release_hot_key() override;
    bool start_program(const std::string& program, const std::string& folder) override;
    void exit_steps() override;

private:
    Help* help() const;
    TutorialMode tutorial();

    Application& my_app;
    MainVKWindow& my_window;
    WindowChrome& my_chrome;
    ExitControl& my_exit;
    Launcher my_launcher;
};

/// Starts a program detached from this one (QProcess::startDetached).
bool start_detached(const std::string& program, const std::string& folder);

} // namespace velkor
