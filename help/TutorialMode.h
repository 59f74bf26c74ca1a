#pragma once
// Tutorial mode: a new user tries the program on sample data in the sub-folder "Tutorial" of the
// working folder, which has its own settings, project file and log, so the real ones are never
// touched. Entering switches the running program's whole workspace there; leaving starts the
// program again in the parent folder and ends this copy. Whether the program is in tutorial mode
// is the `TutorialMode` flag of the current folder's settings.

#include "base/Prompt.h"
#include "core/Workspace.h"

#include <string>

namespace velkor {

class IniFile;

inline constexpr const char* kTutorialFolder = "Tutorial";
inline constexpr const char* kTutorialProjectFile = "tutorial.txt";
inline constexpr const char* kTutorialLogFile = "tutorial.log";
/// The program started again when the tutorial is left (beside this one, in the program folder).
inline constexpr const char* kProgramFileName = "velkor";
/// Help topic shown when tutorial mode is entered.
inline constexpr int kTopicTutorial = 3000;

/// How the tutorial folder was made ready.
struct TutorialFolder
{
    enum class Outcome
    {
        AlreadyThere, ///< the folder exists: nothing is fetched, so what was recorded there stays
        Fetched,      ///< the folder was made and both sample files copied into it
        NotMade,      ///< the folder could not be made (error holds the errno value)
        FilesMissing, ///< a sample file could not be fetched; nothing made was left behind
    };
    Outcome outcome = Outcome::AlreadyThere;
    int error = 0;
};

/// Makes folder ready: when it does not exist yet it is made and tutorial.txt and tutorial.log are
/// copied into it from program_folder + "Tutorial/".
TutorialFolder prepare_tutorial_folder(const std::string& folder, const std::string& program_folder);

/// What entering and leaving the tutorial need from the program around them.
class TutorialHost
{
public:
    virtual ~TutorialHost() = default;
    virtual bool checked_in() const = 0;
    /// MainVKWindow::switch_workspace.
    virtual WorkspaceSwitch switch_workspace(const std::string& folder, const WorkspaceDefaults& defaults) = 0;
    /// A check-in by click no longer minimizes the window, for the rest of this run.
    virtual void stop_closing_on_select() = 0;
    virtual void show_topic(int topic) = 0;
    /// Places the frame from `WindowSize` and `WindowPosition`, with these defaults.
    virtual void place_window(const std::string& default_size, const std::string& default_position) = 0;
    /// The close query of the Exit command; false when the program may not end now.
    virtual bool query_close() = 0;
    virtual void release_hot_key() = 0;
    /// Starts program, without arguments, in folder; false when it could not be started.
    virtual bool start_program(const std::string& program, const std::string& folder) = 0;
    /// The exit steps: the program ends.
    virtual void exit_steps() = 0;
};

class TutorialMode
{
public:
    /// settings is the program's store, which follows the working folder; program_folder ends
    /// with a separator or is empty.
    TutorialMode(IniFile& settings, Prompt& prompt, std::string program_folder, TutorialHost& host);

    /// The start-up question, when `AskAboutTutorial` is on: Yes enters tutorial mode, Cancel
    /// turns the question off for good, No asks again next time.
    void offer();
    /// Enters tutorial mode (Help menu); nothing when it is on already.
    void enter();
    /// Leaves tutorial mode (Help menu): once the program may close, the flag goes off, the
    /// program is started again in the parent folder and this copy ends.
    void leave();

private:
    bool fetch_folder();

    IniFile& my_settings;
    Prompt& my_prompt;
    std::string my_program_folder;
    TutorialHost& my_host;
};

} // namespace velkor
