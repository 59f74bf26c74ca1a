#include "help/qt/Help.h"

#include "help/HelpLocation.h"
#include "help/qt/HelpViewer.h"

#include <QDir>
#include <QHelpEngineCore>

namespace velkor {

Help::Help(std::string program_folder, Prompt& prompt) : my_program_folder(std::move(program_folder)), my_prompt(prompt)
{
}

Help::~Help()
{
    if (help_topics() == this)
        set_help_topics(nullptr);
}

void Help::set_help_path(const std::string& setting)
{
    const std::string current = QDir::currentPath().toStdString();
    const HelpLocation location = locate_help(setting, my_program_folder, current);
    my_folders_differ = !same_folder(current, my_program_folder);
    if (location.file != my_help_file)
        my_viewer.reset();
    my_help_file = location.file;
    // A file that is there but is no help file (damaged, cut short) counts as missing.
    if (my_help_file && QHelpEngineCore::namespaceName(QString::fromStdString(*my_help_file)).isEmpty())
        my_help_file.reset();
    // Dialogs grey their Help button while no help is installed, rather than offer one that
    // opens nothing.
    set_help_topics(my_help_file ? this : nullptr);
    if (!my_help_file)
        my_prompt.message(kHelpMissingText, "Error", Buttons::Ok, Icon::Exclamation);
}

HelpViewer* Help::open_viewer()
{
    if (!my_help_file)
        return nullptr;
    if (!my_viewer)
        my_viewer = std::make_unique<HelpViewer>(QString::fromStdString(*my_help_file));
    return my_viewer.get();
}

void Help::show_topic(int topic)
{
    if (HelpViewer* viewer = open_viewer())
        viewer->show_topic(topic);
}

void Help::show_contents()
{
    if (HelpViewer* viewer = open_viewer())
        viewer->show_contents();
}

void Help::show_index()
{
    if (HelpViewer* viewer = open_viewer())
        viewer->show_index();
}

void Help::close_all()
{
    if (my_viewer)
        my_viewer->close();
}

} // namespace velkor
