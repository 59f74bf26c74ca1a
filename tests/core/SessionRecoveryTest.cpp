#include "tests/core/SessionFixture.h"

#include "classlib/SettingsKeys.h"
#include "core/SessionRecovery.h"

namespace velkor::test {
namespace {

// GIVEN a session opened on Work/Admin at 09:05:00 and a program that ended an hour later
// without checking out
class SessionRecoveryTest : public SessionFixture
{
protected:
    void SetUp() override
    {
        dialogs.memos = {{MemoDialogResult::Ok, "line one\r\nline two"}};
        ASSERT_TRUE(start().CheckIn(0, 1, true));
        list.clear_current();
        start();
        clock.advance(3600);
    }
    void choose(RecoveryChoice::Kind kind, std::uint8_t hour, std::uint8_t minute)
    {
        dialogs.recovery = {kind, DateRec{2024, 7, 3}, TimeRec{minute, hour, 0, 0}};
    }
    const std::string kLine = "2024/03/07\t09:05:00\t2024/03/07\t";
    const std::string kRest = "\tWork\tAdmin\t0.00\tline one\\/line two\r\n";
};

TEST_F(SessionRecoveryTest, ContinueKeepsTheCheckInMomentAndShowsHiddenItems)
{
    list.set_category_shown(0, false);
    RecoveryResult r = RecoverSession(*engine, prompt);
    EXPECT_TRUE(r.outcome == RecoveryOutcome::Continued && r.layout_changed);
    EXPECT_TRUE(list.is_category_temporarily_shown(0) && list.is_current(0, 1));
    EXPECT_EQ(dialogs.recovered, (std::vector<std::string>{"Work/Admin"}));
    EXPECT_EQ(engine->elapsed_seconds(), 3600); // the time the program was not running counts
    ASSERT_TRUE(engine->CheckOut(false));
    EXPECT_EQ(log_text(), kLine + "10:05:00" + kRest);
}

TEST_F(SessionRecoveryTest, CheckOutAtTheCheckInTimeWritesOneZeroLengthRecord)
{
    choose(RecoveryChoice::CheckOut, 9, 5);
    EXPECT_EQ(RecoverSession(*engine, prompt).outcome, RecoveryOutcome::CheckedOut);
    EXPECT_EQ(log_text(), kLine + "09:05:00" + kRest);
    EXPECT_FALSE(engine->is_checked_in() || record_open());
}

TEST_F(SessionRecoveryTest, MemoCancelContinuesAndLogCancelKeepsTheRecord)
{
    choose(RecoveryChoice::CheckOutWithMemo, 9, 30);
    EXPECT_EQ(RecoverSession(*engine, prompt).outcome, RecoveryOutcome::Continued);
    EXPECT_EQ(dialogs.memo_initial.back(), "line one\r\nline two");
    list.clear_current();

    // Cancel in the log's failure message: nothing recorded, idle, offered again at the next start.
    break_log();
    choose(RecoveryChoice::CheckOut, 9, 30);
    EXPECT_EQ(RecoverSession(*engine, prompt).outcome, RecoveryOutcome::LogCancelled);
    EXPECT_TRUE(!engine->is_checked_in() && record_open());
    EXPECT_EQ(prompt.last().buttons, Buttons::RetryCancel);
}

TEST_F(SessionRecoveryTest, ASessionAlreadyAtTheEndOfTheLogIsNeitherOfferedNorWrittenAgain)
{
    // Records of another project at that moment, of the same project at another, and one that
    // ended in the second it began: the project clicked again, which opened this very session.
    const std::string others = kLine + "09:30:00\tWork\tReport\t0.00\r\n" +
                               "2024/03/07\t09:05:01\t2024/03/07\t09:06:00\tWork\tAdmin\t0.00\r\n" + kLine +
                               "09:05:00\tWork\tAdmin\t0.00\r\n";
    write_file(log_path, others);
    EXPECT_EQ(RecoverSession(*engine, prompt).outcome, RecoveryOutcome::Continued);
    list.clear_current();

    // Killed after the session's line went to the log, before the record was reset; a note
    // followed it.
    const std::string written = others + kLine + "10:00:00" + kRest +
                                "2024/03/07\t09:50:00\t2024/03/07\t09:50:00\tHome\tGarden\t0.00\tnote\r\n";
    write_file(log_path, written);
    choose(RecoveryChoice::CheckOut, 10, 0);
    EXPECT_EQ(RecoverSession(*engine, prompt).outcome, RecoveryOutcome::AlreadyRecorded);
    EXPECT_EQ(dialogs.recovered.size(), 1u);
    EXPECT_FALSE(engine->is_checked_in() || record_open());
    EXPECT_EQ(log_text(), written);
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(SessionFixture, ACheckOutWhoseRecordCouldNotBeResetIsNotOfferedAtTheNextStart)
{
    ASSERT_TRUE(start().CheckIn(0, 0, false));
    clock.advance(60);
    store.fail_writes = true;
    ASSERT_TRUE(engine->CheckOut(false));
    store.fail_writes = false;
    ASSERT_TRUE(record_open());
    start();
    EXPECT_EQ(RecoverSession(*engine, prompt).outcome, RecoveryOutcome::AlreadyRecorded);
    EXPECT_TRUE(dialogs.recovered.empty());
    EXPECT_EQ(log_text(), "2024/03/07\t09:05:00\t2024/03/07\t09:06:00\tWork\tReport\t0.00\r\n");
}

TEST_F(SessionRecoveryTest, MissingProjectIsReportedAtEveryStartAndTheRecordKept)
{
    put_int(settings, kDateFormat, 1);
    list.rename_project(0, 1, "Paperwork");
    EXPECT_EQ(RecoverSession(*engine, prompt).outcome, RecoveryOutcome::ProjectMissing);
    EXPECT_EQ(RecoverSession(*engine, prompt).outcome, RecoveryOutcome::ProjectMissing);
    ASSERT_EQ(prompt.count(), 2u);
    EXPECT_EQ(prompt.last(), (Message{"The category or project you were checked into no longer exists.\n"
                                      "DazezUrure cannot recover this session.  You may wish to jot down\n"
                                      "the category and project names and the checkin time, and record this\n"
                                      "session later with the Offline Checkin/Checkout feature.\n\n"
                                      "Category: Work\nProject: Admin\nChecked in at 7/3/2024  9:05:00 am",
                                      "DazezUrure error", Buttons::Ok, Icon::Exclamation}));
    EXPECT_TRUE(dialogs.recovered.empty());
}

} // namespace
} // namespace velkor::test
