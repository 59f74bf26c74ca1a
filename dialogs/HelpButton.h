#pragma once
// The Help button of every dialog: it shows the dialog's numbered topic through the program's
// one help viewer, which the application installs once it has found the help file.

class QPushButton;

namespace velkor {

/// What a Help button needs from the program's help: a topic by its number.
class HelpTopics
{
public:
    virtual ~HelpTopics() = default;
    virtual void show_topic(int topic) = 0;
};

/// Installs the program-wide help (null removes it); the caller keeps it alive while installed.
void set_help_topics(HelpTopics* help);
/// The installed help, or null.
HelpTopics* help_topics();

/// Makes button show topic when clicked. The button is greyed while no help is installed, so a
/// build or a test without help never shows a button that does nothing.
void connect_help_button(QPushButton* button, int topic);

} // namespace velkor
