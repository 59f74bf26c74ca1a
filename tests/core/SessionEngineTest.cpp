#include "tests/core/SessionFixture.h"

#include "classlib/SettingsKeys.h"

#include <cerrno>

namespace velkor::test {
namespace {

using SessionEngineTest = SessionFixture;
const std::string kReport0905 = "2024/03/07\t09:05:00\t2024/03/07\t";

TEST_F(SessionEngineTest, ClickingAnotherProjectRecordsTheOldSessionUnlessTheWriteIsCancelled)
{
    SessionEngine& e = start();
    ASSERT_TRUE(e.CheckIn(0, 0, false));
    clock.advance(60);
    break_log();
    prompt.answer(Answer::Retry); // then the default Cancel
    EXPECT_FALSE(static_cast<SessionControl&>(e).check_out_for_exit());
    EXPECT_EQ(prompt.count(), 2u);
    EXPECT_TRUE(list.is_current(0, 0) && record_open());

    fix_log();
    clock.advance(540);
    ASSERT_TRUE(e.CheckOut(false));
    ASSERT_TRUE(e.CheckIn(1, 0, false));
    EXPECT_EQ(log_text(), kReport0905 + "09:15:00\tWork\tReport\t0.00\r\n");
    EXPECT_EQ(list.project_seconds(0, 0), 600u);
    DazezUrureData open;
    ASSERT_TRUE(record.ReadDazezUrureRecord(open));
    EXPECT_EQ(open.project + " " + std::to_string(open.check_in_time.minute), "Garden 15");
}

// Checked in for `seconds` on project p of Work, with the check-out dated ten minutes back.
class CheckOutBeforeCheckIn : public SessionFixture
{
protected:
    void check_in_too_far_back(std::size_t p, long seconds)
    {
        SessionEngine& e = engine ? *engine : start();
        e.reset_offset();
        ASSERT_TRUE(e.CheckIn(0, p, false));
        clock.advance(seconds);
        e.set_offset(600);
    }
};

TEST_F(CheckOutBeforeCheckIn, CancelAndAFixThatStillFallsBeforeTheCheckInStayCheckedIn)
{
    check_in_too_far_back(0, 120);
    // Cancel; Fix the time to 400 s back, still too far, then Cancel in the adjust dialog.
    dialogs.choices = {CoBeforeCiChoice::Cancel, CoBeforeCiChoice::FixTheTime, CoBeforeCiChoice::FixTheTime};
    dialogs.adjusts = {400, std::nullopt};
    EXPECT_FALSE(engine->CheckOut(false));
    EXPECT_FALSE(engine->CheckOut(false));
    EXPECT_TRUE(engine->is_checked_in() && record_open());
    EXPECT_EQ(dialogs.shortfalls, (std::vector<long>{480, 480, 280}));
    EXPECT_EQ(dialogs.adjusted.at(0), std::make_pair(AdjustMode::CheckOut, 120L));
    EXPECT_FALSE(std::filesystem::exists(log_path));
}

TEST_F(CheckOutBeforeCheckIn, SaveRecordsASessionOfLengthZeroAtTheCheckInMoment)
{
    check_in_too_far_back(0, 120);
    dialogs.choices = {CoBeforeCiChoice::Save};
    ASSERT_TRUE(engine->CheckOut(false));
    EXPECT_EQ(log_text(), kReport0905 + "09:05:00\tWork\tReport\t0.00\r\n");
    EXPECT_EQ(list.project_seconds(0, 0), 0u);
}

TEST_F(CheckOutBeforeCheckIn, DiscardWritesNothingAndStillLeavesTheProgramIdle)
{
    check_in_too_far_back(1, 120);
    dialogs.choices = {CoBeforeCiChoice::Discard};
    ASSERT_TRUE(engine->CheckOut(false));
    EXPECT_FALSE(engine->is_checked_in() || record_open());
    EXPECT_FALSE(std::filesystem::exists(log_path));
}

TEST_F(CheckOutBeforeCheckIn, AFixThatFitsDatesTheCheckOutThatFarBack)
{
    check_in_too_far_back(1, 300);
    dialogs.choices = {CoBeforeCiChoice::FixTheTime};
    dialogs.adjusts = {60};
    ASSERT_TRUE(engine->CheckOut(false));
    EXPECT_EQ(list.project_seconds(0, 1), 240u);
    EXPECT_EQ(log_text(), kReport0905 + "09:09:00\tWork\tAdmin\t0.00\r\n");
}

TEST_F(SessionEngineTest, TheAdjustDialogIsToldHowLongAgoTheLastCheckOutWasAndOnlyOkSetsTheOffset)
{
    SessionEngine& e = start();
    ASSERT_TRUE(e.CheckIn(0, 0, false));
    clock.advance(60);
    ASSERT_TRUE(e.CheckOut(false));
    clock.advance(600);
    EXPECT_FALSE(e.adjust(AdjustMode::IdleAfterCheckOut)); // cancelled
    EXPECT_FALSE(e.state().offset_active);
    clock.advance(-900); // the clock was set back past that check-out
    dialogs.adjusts = {120};
    EXPECT_TRUE(e.adjust(AdjustMode::IdleAfterCheckOut));
    EXPECT_EQ(dialogs.adjusted, (std::vector<std::pair<AdjustMode, long>>{{AdjustMode::IdleAfterCheckOut, 600},
                                                                          {AdjustMode::IdleAfterCheckOut, -300}}));
    EXPECT_TRUE(e.state().offset_active);
    EXPECT_EQ(e.state().offset, 120);
}

TEST(CoBeforeCiPrompt, TheQuestionNamesTheLargestWholeUnit)
{
    EXPECT_EQ(CoBeforeCiPrompt(150), "You are trying to check out 2 minutes before you checked in!\n"
                                     "How would you like to handle the current session?");
    std::string units;
    for (long s : {1L, 59L, 60L, 3600L, 7199L})
        units += CoBeforeCiPrompt(s).substr(28, CoBeforeCiPrompt(s).find(" before") - 28) + ",";
    EXPECT_EQ(units, "1 second,59 seconds,1 minute,1 hour,1 hour,");
}

TEST_F(SessionEngineTest, MemoAskedAgainBeforeARetriedWrite)
{
    put(settings, kAskMemo, "o");
    SessionEngine& e = start();
    ASSERT_TRUE(e.CheckIn(0, 0, false));
    EXPECT_TRUE(dialogs.memo_initial.empty());
    clock.advance(60);
    break_log();
    prompt.answer(Answer::Retry);
    prompt.on_message = [this] { fix_log(); };
    dialogs.memos = {{MemoDialogResult::Ok, "draft"}, {MemoDialogResult::Ok, "final"}};
    ASSERT_TRUE(e.CheckOut(false));
    EXPECT_EQ(dialogs.memo_initial, (std::vector<std::string>{"", "draft"}));
    EXPECT_EQ(log_text(), kReport0905 + "09:06:00\tWork\tReport\t0.00\tfinal\r\n");
}

TEST_F(SessionEngineTest, ClockChangesAreMarkedOnlyWhenSwitchedOn)
{
    SessionEngine& plain = start();
    plain.clock_changed();
    ASSERT_TRUE(plain.CheckIn(0, 0, false));
    plain.clock_changed();
    ASSERT_TRUE(plain.CheckOut(false));
    EXPECT_TRUE(plain.state().clock_changed_before_check_in && plain.state().clock_changed_before_check_out);
    EXPECT_EQ(log_text().find("SYSTEM"), std::string::npos);
    plain.save_clock_flags();

    // GIVEN both flags carried over to the next run and the markers switched on
    SessionEngine& marked = start(LockdownSwitches{}.with_master(true).with(LockdownFeature::ClockChangeMarkers, 1));
    marked.load_clock_flags();
    dialogs.memos = {{MemoDialogResult::Ok, " fixed bug "}};
    ASSERT_TRUE(marked.CheckIn(0, 0, true));
    ASSERT_TRUE(marked.CheckOut(false));
    EXPECT_NE(log_text().find("\tSYSTEM CLOCK CHANGED BEFORE CHECKIN; SYSTEM CLOCK CHANGED BEFORE CHECKOUT; "
                              "fixed bug\r\n"),
              std::string::npos);
    EXPECT_FALSE(marked.state().clock_changed_before_check_in || marked.state().clock_changed_before_check_out);
    PrivateIniFile reread(dir.file("velkors.ini")); // written through at once
    EXPECT_EQ(get(reread, kTci) + get(reread, kTco), "00");
}

TEST_F(SessionEngineTest, AnUnwritableCrashRecordIsToldOncePerSessionAndTheSessionGoesOn)
{
    SessionEngine& e = start();
    store.fail_writes = true;
    dialogs.memos = {{MemoDialogResult::Ok, "later"}};
    ASSERT_TRUE(e.CheckIn(0, 0, false));
    ASSERT_TRUE(e.EnterMemoNow()); // the same session's record again: told already
    ASSERT_TRUE(e.CheckOut(false));
    ASSERT_TRUE(e.CheckIn(1, 0, false));
    EXPECT_EQ(listener.record_failures, (std::vector<int>{EIO, EIO}));
    EXPECT_EQ(log_text(), kReport0905 + "09:05:00\tWork\tReport\t0.00\tlater\r\n");
}

TEST_F(SessionEngineTest, SessionSurvivesAReloadWhereItsNamesRemain)
{
    SessionEngine& e = start();
    ASSERT_TRUE(e.CheckIn(1, 0, false));
    write_file(dir.file("project.txt"), "[categories]\r\ncHome\r\n[Home]\r\npShed\r\npGarden\r\n");
    ProjectList& moved = lists.reload();
    EXPECT_TRUE(moved.is_current(0, 1));
    EXPECT_TRUE(e.is_checked_in() && record_open());
    EXPECT_EQ(listener.closed, 0);
}

TEST_F(SessionEngineTest, SessionEndsWithoutARecordWhenAReloadLosesItsProject)
{
    SessionEngine& e = start();
    ASSERT_TRUE(e.CheckIn(1, 0, false));
    write_file(dir.file("project.txt"), "[categories]\r\ncHome\r\n[Home]\r\npYard\r\n");
    lists.reload();
    EXPECT_FALSE(e.is_checked_in());
    EXPECT_FALSE(record_open());
    EXPECT_FALSE(std::filesystem::exists(log_path));
    EXPECT_EQ(listener.closed, 1);
}

} // namespace
} // namespace velkor::test
