#include "help/TutorialMode.h"

#include "base/Utf8Text.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "help/FileCopy.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace velkor {
namespace {

constexpr const char* kTutorialQuestion =
    "We recommend that you view the Velkor Tutorial.\nIn less than 15 minutes you will see whether Velkor\nis the "
    "tool you have been looking for.\n\nClick \"Yes\" to view the Tutorial now.\nClick \"No\" to skip the Tutorial; "
    "I'll ask you again next time.\nClick \"Cancel\" if you don't want to see this message again.\n\n(You can view "
    "the Tutorial at any time by selecting\n\"Enter tutorial mode\" from the Help menu.)";

std::string absolute(const std::string& path)
{
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}

} // namespace

TutorialFolder prepare_tutorial_folder(const std::string& folder, const std::string& program_folder)
{
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
        return {TutorialFolder::Outcome::AlreadyThere, 0};
    if (!std::filesystem::create_directory(folder, error))
        return {TutorialFolder::Outcome::NotMade, error ? error.value() : EEXIST};

    std::vector<std::string> fetched;
    for (const char* name : {kTutorialProjectFile, kTutorialLogFile}) {
        const std::string target = join_path(folder, name);
        if (copy_file(join_path(join_path(program_folder, kTutorialFolder), name), target))
            break;
        fetched.push_back(target);
    }
    if (fetched.size() == 2)
        return {TutorialFolder::Outcome::Fetched, 0};
    // Left half made, the folder would count as ready next time and never be fetched again.
    for (const std::string& file : fetched)
        std::filesystem::remove(file, error);
    std::filesystem::remove(folder, error);
    return {TutorialFolder::Outcome::FilesMissing, 0};
}

TutorialMode::TutorialMode(IniFile& settings, Prompt& prompt, std::string program_folder, TutorialHost& host)
    : my_settings(settings), my_prompt(prompt), my_program_folder(std::move(program_folder)), my_host(host)
{
}

void TutorialMode::offer()
{
    if (!get_flag(my_settings, kAskAboutTutorial))
        return;
    switch (my_prompt.message(kTutorialQuestion, "Velkor", Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes:
        enter();
        break;
    case Answer::Cancel:
        put_flag(my_settings, kAskAboutTutorial, false);
        break;
    default:
        break;
    }
}

bool TutorialMode::fetch_folder()
{
    const TutorialFolder folder = prepare_tutorial_folder(kTutorialFolder, my_program_folder);
    switch (folder.outcome) {
    case TutorialFolder::Outcome::AlreadyThere:
    case TutorialFolder::Outcome::Fetched:
        return true;
    case TutorialFolder::Outcome::NotMade:
        my_prompt.message("Could not create " + message_excerpt(absolute(kTutorialFolder)) +
                              "\n\nReason: " + std::strerror(folder.error),
                          "Error", Buttons::Ok, Icon::Stop);
        return false;
    case TutorialFolder::Outcome::FilesMissing:
        my_prompt.message("Cannot enter tutorial mode--the\ntutorial data files are missing.\nYou may need to "
                          "reinstall Velkor.",
                          "Error", Buttons::Ok, Icon::None);
        return false;
    }
    return false;
}

void TutorialMode::enter()
{
    if (get_flag(my_settings, kTutorialMode))
        return;
    if (my_host.checked_in()) {
        my_prompt.message("Please check out of the current project\nbefore entering the tutorial mode.", "Velkor",
                          Buttons::Ok, Icon::None);
        return;
    }
    // The folder and its files are made ready before anything is switched, so that a failure
    // leaves the program where it was, on its real files.
    if (!fetch_folder())
        return;
    const std::string folder = absolute(kTutorialFolder);
    const WorkspaceSwitch result = my_host.switch_workspace(kTutorialFolder, {kTutorialProjectFile, kTutorialLogFile});
    if (result == WorkspaceSwitch::FolderUnavailable) {
        my_prompt.message("Cannot enter tutorial mode: the folder\n\"" + message_excerpt(folder) +
                              "\"\ncannot be opened.",
                          "Error", Buttons::Ok, Icon::Stop);
        return;
    }
    put_flag(my_settings, kTutorialMode, true);
    if (result == WorkspaceSwitch::LogInUse) {
        my_prompt.message("Sorry, someone else seems to be using the\ntutorial mode already.  Close all copies "
                          "of\nVelkor and try again.",
                          "Error", Buttons::Ok, Icon::Exclamation);
        my_host.exit_steps();
        return;
    }
    my_host.stop_closing_on_select();
    my_host.show_topic(kTopicTutorial);
    my_host.place_window("480x240", "500 100");
    my_settings.flush();
}

void TutorialMode::leave()
{
    if (!get_flag(my_settings, kTutorialMode))
        return;
    // Asked first: a refusal (still checked in) must leave this copy running in tutorial mode
    // rather than start a second one.
    if (!my_host.query_close())
        return;
    put_flag(my_settings, kTutorialMode, false);
    my_settings.flush();
    my_host.release_hot_key();
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    const std::string parent = error ? std::string("..") : here.parent_path().string();
    const std::string program = join_path(my_program_folder, kProgramFileName);
    // This copy stays in the tutorial folder to its end, so that what it writes on the way out
    // (settings, remembered memos) goes to the tutorial's files; the new copy starts in the parent.
    if (!my_host.start_program(program, parent))
        my_prompt.message("Cannot execute Velkor, which should have been in:\n" + message_excerpt(program), "Error",
                          Buttons::Ok, Icon::Stop);
    my_host.exit_steps();
}

} // namespace velkor
