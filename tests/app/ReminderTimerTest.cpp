#include "app/ReminderTimer.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

TEST(ParseReminderInterval, ReadsTheLeadingNumberAndRejectsTheRest)
{
    ScriptedPrompt prompt;
    EXPECT_EQ(ParseReminderInterval(" 10 minutes", "checked in", prompt), 10);
    EXPECT_EQ(ParseReminderInterval("0", "checked in", prompt), 0);
    EXPECT_EQ(prompt.count(), 0u);

    EXPECT_EQ(ParseReminderInterval("-5", "checked in", prompt), 0);
    EXPECT_EQ(prompt.last(),
              (Message{"Invalid reminder interval when checked in: -5", "", Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(ParseReminderInterval("ten", "not checked in", prompt), 0);
    EXPECT_EQ(prompt.last().text, "Invalid reminder interval when not checked in: ten");
    EXPECT_EQ(ParseReminderInterval("99999999999999999999", "checked in", prompt), 0);
    EXPECT_EQ(prompt.count(), 3u);
}

struct ReminderFixture : ::testing::Test
{
    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    PrivateIniFile settings{dir.file("velkors.ini")};
    ScriptedPrompt prompt;
    TestClock clock{1709802300}; // 09:05:00
    ReminderSubject subject;
    std::vector<ReminderTexts> shown;
    bool answer_yes = true;
    int restores = 0;

    // Where the focus was and went, in order with the dialog.
    struct WatchedForeground : ForegroundWindow
    {
        explicit WatchedForeground(std::string& log) : my_log(log) {}
        void remember() override { my_log += "remember "; }
        void give_back() override { my_log += "give back "; }
        std::string& my_log;
    };
    std::string focus;

    std::unique_ptr<ReminderTimer> make()
    {
        auto timer = std::make_unique<ReminderTimer>(settings, prompt, clock);
        timer->set_window_title("Desk");
        timer->set_subject([this] { return subject; });
        timer->set_dialog([this](const ReminderTexts& texts) {
            shown.push_back(texts);
            focus += "dialog ";
            return answer_yes;
        });
        timer->set_restore_window([this] { ++restores; });
        timer->set_foreground(std::make_unique<WatchedForeground>(focus));
        return timer;
    }
};

TEST_F(ReminderFixture, ArmsForTheCurrentStateOnly)
{
    put(settings, kReminderDuration, "15");
    put(settings, kReminderDurationIdle, "0");
    auto timer = make();
    timer->StartReminderTimer();
    EXPECT_FALSE(timer->is_armed());
    subject.checked_in = true;
    timer->StartReminderTimer();
    EXPECT_TRUE(timer->is_armed());
    EXPECT_EQ(timer->period_ms(), 15 * 60000);
    subject.checked_in = false; // checking out re-arms for idle, which has none
    timer->StartReminderTimer();
    EXPECT_FALSE(timer->is_armed());

    put_int(settings, kDebug, 1);
    put(settings, kReminderDurationIdle, "2");
    timer->read_settings();
    timer->StartReminderTimer();
    EXPECT_EQ(timer->period_ms(), 10000);
}

TEST_F(ReminderFixture, DialogShowsTheSessionAndYesRearmsWhileNoRestoresTheWindow)
{
    put(settings, kReminderDuration, "5");
    put_int(settings, kTimeFormat, 0);
    subject = {true, "Clients", "Acme", "call back"};
    auto timer = make();
    timer->OnReminderTimer();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Desk Reminder");
    EXPECT_EQ(shown[0].time_line, "It is now  9:05:00");
    EXPECT_EQ(shown[0].question, "Are you still working on:");
    EXPECT_EQ(shown[0].category + "/" + shown[0].project + "/" + shown[0].memo, "Clients/Acme/call back");
    EXPECT_TRUE(timer->is_armed());
    EXPECT_EQ(restores, 0);

    answer_yes = false;
    timer->OnReminderTimer();
    EXPECT_FALSE(timer->is_armed());
    EXPECT_EQ(restores, 1);

    // Idle with idle reminders off (the state changed since arming): no dialog at all.
    subject = {};
    timer->OnReminderTimer();
    EXPECT_EQ(shown.size(), 2u);
    put(settings, kReminderDurationIdle, "1");
    timer->read_settings();
    timer->OnReminderTimer();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].question, "Are you still idle?");
    EXPECT_EQ(shown[2].category + shown[2].project + shown[2].memo, "");
}

TEST_F(ReminderFixture, YesGivesTheFocusBackAndNoKeepsRemindersOffThroughTheWindowsReturn)
{
    put(settings, kReminderDuration, "5");
    subject.checked_in = true;
    auto timer = make();
    timer->OnReminderTimer();
    EXPECT_EQ(focus, "remember dialog give back ");

    answer_yes = false;
    focus.clear();
    timer->OnReminderTimer();
    EXPECT_EQ(focus, "remember dialog ");
    timer->window_changed(); // the window brought back after No
    EXPECT_FALSE(timer->is_armed());
    timer->StartReminderTimer(); // a check-in or check-out
    timer->StopReminderTimer();
    timer->window_changed();
    EXPECT_TRUE(timer->is_armed());
}
