#pragma once
// The program's one help: where the help file is (the `HelpPath` setting resolved against the
// program folder), and the viewer that shows its topics, contents and index. While it has found
// a help file it is the installed help of every dialog's Help button (set_help_topics).

#include "base/Prompt.h"
#include "dialogs/HelpButton.h"

#include <memory>
#include <optional>
#include <string>

namespace velkor {

class HelpViewer;

class Help : public HelpTopics
{
public:
    /// program_folder: the program's own folder (argument 0 up to its last separator).
    Help(std::string program_folder, Prompt& prompt);
    ~Help() override;
    Help(const Help&) = delete;
    Help& operator=(const Help&) = delete;

    /// Resolves setting ("!0", "!1" or a folder) in the current folder of the moment and keeps the
    /// help file found there; with none it says so once, and topics open nothing until the next
    /// call. The viewer of an earlier file is closed.
    void set_help_path(const std::string& setting);

    /// Shows a topic by number, the contents, the index (nothing without a help file).
    void show_topic(int topic) override;
    void show_contents();
    void show_index();
    /// Closes every help window (the exit steps).
    void close_all();

    const std::optional<std::string>& help_file() const { return my_help_file; }
    const std::string& program_folder() const { return my_program_folder; }
    /// Whether the current folder (at the last set_help_path) differs from the program folder.
    bool folders_differ() const { return my_folders_differ; }
    /// The viewer, once a topic, the contents or the index has been shown.
    HelpViewer* viewer() const { return my_viewer.get(); }

private:
    HelpViewer* open_viewer();

    std::string my_program_folder;
    Prompt& my_prompt;
    std::optional<std::string> my_help_file;
    bool my_folders_differ = false;
    std::unique_ptr<HelpViewer> my_viewer;
};

} // namespace velkor
