// Help buttons show their dialog's topic through the installed help, and are greyed without one.
#include "dialogs/HelpButton.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

using namespace velkor;

namespace {

struct RecordingHelp : HelpTopics
{
    std::vector<int> topics;
    void show_topic(int topic) override { topics.push_back(topic); }
};

struct HelpButton : ::testing::Test
{
    void TearDown() override { set_help_topics(nullptr); }
};

TEST_F(HelpButton, ShowsItsTopicThroughTheInstalledHelp)
{
    RecordingHelp help;
    set_help_topics(&help);
    QPushButton memo("Help");
    QPushButton note("Help");
    connect_help_button(&memo, 1070);
    connect_help_button(&note, 1080);
    EXPECT_TRUE(memo.isEnabled());
    note.click();
    memo.click();
    EXPECT_EQ(help.topics, (std::vector<int>{1080, 1070}));
}

TEST_F(HelpButton, IsGreyedAndDoesNothingWithoutHelp)
{
    QPushButton button("Help");
    connect_help_button(&button, 1070);
    EXPECT_FALSE(button.isEnabled());

    RecordingHelp help;
    set_help_topics(&help);
    set_help_topics(nullptr); // removed again before the click
    button.setEnabled(true);
    button.click();
    EXPECT_TRUE(help.topics.empty());
}

} // namespace
