#include "dialogs/HelpButton.h"

#include <QPushButton>

namespace velkor {

namespace {
HelpTopics* installed_help = nullptr;
}

void set_help_topics(HelpTopics* help)
{
    installed_help = help;
}

HelpTopics* help_topics()
{
    return installed_help;
}

void connect_help_button(QPushButton* button, int topic)
{
    button->setEnabled(installed_help != nullptr);
    QObject::connect(button, &QPushButton::clicked, button, [topic] {
        if (installed_help)
            installed_help->show_topic(topic);
    });
}

} // namespace velkor
