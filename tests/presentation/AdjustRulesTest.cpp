#include "presentation/AdjustRules.h"

#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

using namespace velkor;
using velkor::test::ScriptedPrompt;

namespace {

using Status = AdjustReading::Status;

class AdjustRulesTest : public ::testing::Test
{
protected:
    AdjustRules rules(AdjustMode mode, long seconds = 0, TimeRec time_of_day = {})
    {
        return AdjustRules(mode, seconds, time_of_day, clock, 0, 2);
    }
    Message error(const std::string& text) const { return {text, "Error", Buttons::Ok, Icon::Exclamation}; }

    velkor::test::ScopedTimeZone zone{"UTC"};
    velkor::test::TestClock clock; // Thursday 2024-03-07 09:05:00
    ScriptedPrompt prompt;
};

TEST(AdjustDuration, MinutesHoursAndSecondsAndNothingElse)
{
    for (auto [text, seconds] : {std::pair{"90", 5400}, std::pair{"1:30", 5400}, std::pair{"1:30:15", 5415},
                                 std::pair{" 15 ", 900}, std::pair{"0", 0}, std::pair{"596523:14:07", 2147483647}})
        EXPECT_EQ(parse_adjust_duration(text), seconds) << text;
    for (const char* text :
         {"1:75", "1:2:3:4", "90 min", "1:30:60", "-5", "1:", "", "minutes", "9.30", "596523:14:08", "99999999999"})
        EXPECT_EQ(parse_adjust_duration(text), std::nullopt) << text;
    // At most 20 bytes are read: the 21st is not there to spoil it.
    EXPECT_EQ(parse_adjust_duration("1:30               x"), std::nullopt);
    EXPECT_EQ(parse_adjust_duration("1:30                x"), 5400);
}

TEST_F(AdjustRulesTest, TheReferenceLineTellsTheTimeOfDayAndHowLongAgo)
{
    const TimeRec nine_five{5, 9, 0, 0};
    EXPECT_EQ(rules(AdjustMode::CheckOut, 1500, nine_five).reference_line(),
              "You checked in at  9:05:00 am,\n25 minutes ago.");
    EXPECT_EQ(rules(AdjustMode::IdleAfterCheckOut, 59, {0, 13, 0, 30}).reference_line(),
              "You last checked out at  1:00:30 pm,\n59 seconds ago.");
    EXPECT_EQ(rules(AdjustMode::CheckOutThenIn, 3725, nine_five).reference_line(),
              "You checked in at  9:05:00 am,\n1:02:05 ago.");
    EXPECT_EQ(rules(AdjustMode::IdleFirst).reference_line(), "It is currently  9:05:00 am");
    EXPECT_EQ(AdjustRules(AdjustMode::IdleFirst, 0, {}, clock, 0, 0).reference_line(), "It is currently  9:05:00");
}

TEST_F(AdjustRulesTest, OkTakesExactlyOneMethodAndSaysWhatIsMissing)
{
    const AdjustRules r = rules(AdjustMode::IdleFirst);
    const AdjustOutcome neither = r.ok("minutes", "3/7/2024", "hh:mm:ss", prompt);
    EXPECT_FALSE(neither.accepted);
    EXPECT_TRUE(neither.reset_hints);
    EXPECT_EQ(neither.focus, AdjustField::Duration);
    EXPECT_EQ(prompt.last(), error("Please specify how long ago\nto check in or out."));

    const AdjustOutcome both = r.ok("15", "3/7/2024", "9:00", prompt);
    EXPECT_TRUE(!both.accepted && both.reset_hints);
    EXPECT_EQ(both.focus, AdjustField::Time);
    EXPECT_EQ(prompt.last(), error("You may adjust the check-in/check-out time\nusing one or the other of the "
                                   "methods, but not both."));

    // A method that refuses its own text says why and nothing more; the text stays to be corrected.
    const AdjustOutcome bad = r.ok("1:75", "3/7/2024", "hh:mm:ss", prompt);
    EXPECT_TRUE(!bad.accepted && !bad.reset_hints);
    EXPECT_EQ(bad.focus, AdjustField::Duration);
    EXPECT_EQ(prompt.last(), (Message{"Invalid adjustment duration: 1:75", "", Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(prompt.count(), 3u);

    const AdjustOutcome fifteen = r.ok("15", "3/7/2024", "hh:mm:ss", prompt);
    EXPECT_TRUE(fifteen.accepted);
    EXPECT_EQ(fifteen.offset, 900);
    const AdjustOutcome at_eight = r.ok("minutes", "3/7/24", "8:00:30 am", prompt);
    EXPECT_TRUE(at_eight.accepted);
    EXPECT_EQ(at_eight.offset, 3870);
    EXPECT_EQ(prompt.count(), 3u);
}

TEST_F(AdjustRulesTest, TheSpecificTimeMayNotLieInTheFuture)
{
    const AdjustRules r = rules(AdjustMode::CheckOut, 7200);
    struct Case
    {
        const char* date;
        const char* time;
        std::string message;
        AdjustField focus;
    };
    for (const Case& c : {Case{"3/7/2024", "9:05:01", "Invalid future time: 9:05:01", AdjustField::Time},
                          Case{"3/8/2024", "hh:mm:ss", "Invalid future date: 3/8/2024", AdjustField::Date},
                          Case{"2/30/2024", "hh:mm:ss", "Invalid date: 2/30/2024", AdjustField::Date},
                          Case{"3/7/2024", "25:00", "Invalid time: 25:00", AdjustField::Time},
                          Case{"1/1/1950", "9:00", "Invalid date: 1/1/1950", AdjustField::Date}}) {
        const AdjustReading reading = r.read_specific_time(c.date, c.time, prompt);
        EXPECT_EQ(reading.status, Status::Error) << c.date << " " << c.time;
        EXPECT_EQ(reading.focus, c.focus) << c.date << " " << c.time;
        EXPECT_EQ(prompt.last(), error(c.message));
    }
    // The same time a day earlier is fine, and so is this very second.
    EXPECT_EQ(r.read_specific_time("3/6/2024", "9:05:01", prompt).offset, 86399);
    EXPECT_EQ(r.read_specific_time("3/7", "9:05:00", prompt).status, Status::Valid);
    EXPECT_EQ(prompt.count(), 5u);
}

TEST_F(AdjustRulesTest, ACheckInBeforeTheLastCheckOutNeedsAYes)
{
    // Checked out ten minutes ago.
    const AdjustRules r = rules(AdjustMode::IdleAfterCheckOut, 600, {55, 8, 0, 0});
    const Message question{"Do you really want this check-in to be BEFORE your last check-out?", "Warning",
                           Buttons::YesNo, Icon::Question};
    prompt.answer(Answer::No);
    const AdjustOutcome refused = r.ok("15", "3/7/2024", "hh:mm:ss", prompt);
    EXPECT_EQ(prompt.messages(), std::vector<Message>{question}) << "no further message after No";
    EXPECT_TRUE(!refused.accepted && !refused.reset_hints);
    EXPECT_EQ(refused.focus, AdjustField::Duration);

    prompt.answer(Answer::No);
    EXPECT_EQ(r.ok("minutes", "3/7/2024", "8:50", prompt).focus, AdjustField::Time);
    prompt.answer(Answer::Yes);
    EXPECT_EQ(r.ok("15", "3/7/2024", "hh:mm:ss", prompt).offset, 900);
    EXPECT_EQ(prompt.count(), 3u);

    EXPECT_EQ(r.ok("5", "3/7/2024", "hh:mm:ss", prompt).offset, 300);
    EXPECT_EQ(r.ok("10", "3/7/2024", "hh:mm:ss", prompt).offset, 600) << "exactly at the check-out";
    EXPECT_EQ(prompt.count(), 3u);
    // Other modes never ask.
    EXPECT_TRUE(rules(AdjustMode::CheckOutThenIn, 600).ok("15", "3/7/2024", "hh:mm:ss", prompt).accepted);
    EXPECT_EQ(prompt.count(), 3u);
}

} // namespace
