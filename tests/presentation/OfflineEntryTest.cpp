#include "presentation/OfflineEntry.h"

#include "tests/core/SessionFixture.h"

#include <cstdio>

using namespace velkor;
using namespace velkor::test;

namespace {

constexpr char kHint[] = "hh:mm:ss";

std::string moments(const OfflineSession& s)
{
    char text[80];
    std::snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d - %d/%02d/%02d %02d:%02d:%02d", s.check_in_date.year,
                  s.check_in_date.month, s.check_in_date.day, s.check_in_time.hour, s.check_in_time.minute,
                  s.check_in_time.second, s.check_out_date.year, s.check_out_date.month, s.check_out_date.day,
                  s.check_out_time.hour, s.check_out_time.minute, s.check_out_time.second);
    return text;
}

class OfflineEntryTest : public ::testing::Test
{
protected:
    OfflineCheck check(const char* ci_date, const char* ci_time, const char* co_date, const char* co_time,
                       const char* duration)
    {
        return check_offline_entry({ci_date, ci_time, co_date, co_time, duration}, 0, kHint, clock);
    }
    std::string accepted(const char* ci_date, const char* ci_time, const char* co_date, const char* co_time,
                         const char* duration)
    {
        const OfflineCheck result = check(ci_date, ci_time, co_date, co_time, duration);
        return result.session ? moments(*result.session) : "refused: " + result.message;
    }

    ScopedTimeZone zone{"Europe/Berlin"}; // wall-clock sums ignore the change to summer time
    TestClock clock;                      // 2024-03-07
};

TEST_F(OfflineEntryTest, ADurationIsAddedOnTheWallClockAndCarriesIntoDaysMonthsAndYears)
{
    EXPECT_EQ(accepted("3/7/2024", "9:30", "", kHint, "1:45"), "2024/03/07 09:30:00 - 2024/03/07 11:15:00");
    EXPECT_EQ(accepted("3/7/2024", "9:30", "", kHint, "20:00:00"), "2024/03/07 09:30:00 - 2024/03/08 05:30:00");
    EXPECT_EQ(accepted("2/28/2024", "11:59:59 pm", "", kHint, "24:00:01"), "2024/02/28 23:59:59 - 2024/03/01 00:00:00");
    EXPECT_EQ(accepted("12/31/2024", "23:00", "", kHint, "255:59:59"), "2024/12/31 23:00:00 - 2025/01/11 14:59:59");
    EXPECT_EQ(accepted("3/30/24", "23:30", "", kHint, "3:00"), "2024/03/30 23:30:00 - 2024/03/31 02:30:00");
    EXPECT_EQ(accepted("3/7/2024", "9:30", "", kHint, "0:00"), "2024/03/07 09:30:00 - 2024/03/07 09:30:00");
}

TEST_F(OfflineEntryTest, FieldsAreCheckedInOrderAndTheFirstErrorNamesItsField)
{
    struct Case
    {
        const char* fields[5];
        const char* message;
        OfflineField focus;
    };
    const char* earlier = "Checkout cannot be earlier than checkin";
    for (const Case& c : {
             Case{{"2/30/2024", "x", "x", "x", "x"}, "Invalid checkin date", OfflineField::CheckInDate},
             Case{{"3/7/2024", kHint, "x", "x", "x"}, "Invalid checkin time", OfflineField::CheckInTime},
             Case{{"3/7/2024", "9:30", "x", kHint, kHint},
                  "Please specify either the checkout date/time OR the duration",
                  OfflineField::CheckOutTime},
             Case{
                 {"3/7/2024", "9:30", "3/7-2024", "10:00", kHint}, "Invalid checkout date", OfflineField::CheckOutDate},
             Case{
                 {"3/7/2024", "9:30", "3/7/2024", "10:75", kHint}, "Invalid checkout time", OfflineField::CheckOutTime},
             Case{{"3/7/2024", "9:30", "x", kHint, "1:30pm"}, "Invalid checkout duration", OfflineField::Duration},
             Case{{"3/7/2024", "9:30", "x", kHint, "256:00"}, "Invalid checkout duration", OfflineField::Duration},
             Case{{"3/7/2024", "23:00", "3/7/2024", "01:00", kHint}, earlier, OfflineField::CheckOutTime},
             Case{{"3/7/2024", "9:30:01", "3/7/2024", "9:30", kHint}, earlier, OfflineField::CheckOutTime},
             Case{{"3/7/2024", "9:30", "3/6/2024", "11pm", kHint}, earlier, OfflineField::CheckOutTime},
         }) {
        const OfflineCheck result = check(c.fields[0], c.fields[1], c.fields[2], c.fields[3], c.fields[4]);
        EXPECT_FALSE(result.session.has_value()) << c.message;
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.focus, c.focus) << c.message;
        EXPECT_FALSE(result.reset_hints) << c.message;
    }
    const OfflineCheck both = check("3/7/2024", "9:30", "3/7/2024", "10:00", "1:00");
    EXPECT_EQ(both.message, "Please specify either the checkout date/time OR the duration, not both");
    EXPECT_EQ(both.focus, OfflineField::CheckOutTime);
    EXPECT_TRUE(both.reset_hints);

    EXPECT_EQ(accepted("3/7/2024", "23:00", "3/8/2024", "01:00", kHint), "2024/03/07 23:00:00 - 2024/03/08 01:00:00");
    // With a duration, whatever the check-out date field holds does not matter.
    EXPECT_EQ(accepted("3/7/2024", "9:30", "garbage", kHint, "0:01"), "2024/03/07 09:30:00 - 2024/03/07 09:31:00");
    // The time hint with " pm" marks an untouched check-out time just the same.
    EXPECT_TRUE(check_offline_entry({"3/7/2024", "9:30", "", "hh:mm:ss pm", "1:00"}, 0, "hh:mm:ss pm", clock).session);
}

TEST_F(OfflineEntryTest, BothDatesStartWithTheLastCheckInDateForFifteenMinutes)
{
    OfflineMemory memory{"3/1/24", clock.now() - 899};
    EXPECT_EQ(offline_start_date(memory, clock, 0), "3/1/24");
    memory.recorded_at -= 1;
    EXPECT_EQ(offline_start_date(memory, clock, 0), "3/7/2024");
    EXPECT_EQ(offline_start_date(OfflineMemory{}, clock, 2), "2024/3/7");
}

class OfflineRecording : public SessionFixture
{
protected:
    OfflineRecorder recorder(std::size_t c, std::size_t p)
    {
        OfflineServices services{lists, *log,  [this] { return environment; }, remember, settings, prompt,
                                 clock, memory};
        return OfflineRecorder(services, c, p, [this, c, p](std::string& memo, bool& flag, bool& close_after) {
            return dialogs.run_memo_dialog(c, p, memo, flag, MemoPurpose::MemoNow, close_after);
        });
    }
    OfflineSession session{{2024, 6, 3}, {30, 9, 0, 0}, {2024, 6, 3}, {15, 11, 0, 0}}; // 09:30 to 11:15
    std::string environment;
    bool remember = true;
    OfflineMemory memory;
};

TEST_F(OfflineRecording, TheRecordHasItsOwnMemoAndEnvironmentAndTheOpenSessionStaysAsItWas)
{
    SessionEngine& e = start();
    dialogs.memos = {{MemoDialogResult::Ok, "open"}};
    ASSERT_TRUE(e.CheckIn(0, 0, true));
    e.state().environment = "session values";
    const SessionState before = e.state();
    list.remember_memo(1, 0, "weeding");

    environment = "A\tB";
    dialogs.memos = {{MemoDialogResult::Ok, " mowing\r\nraking\r\n"}};
    EXPECT_EQ(recorder(1, 0).record(session, true, "3/6"), OfflineRecorder::Outcome::Recorded);
    EXPECT_EQ(log_text(), "2024/03/06\t09:30:00\t2024/03/06\t11:15:00\tHome\tGarden\t0.00\tmowing\\/raking\tA\tB\r\n");
    EXPECT_EQ(dialogs.memo_initial.back(), "weeding");
    EXPECT_EQ(list.remembered_memo(1, 0, 0), "mowing\r\nraking");
    EXPECT_EQ(memory.check_in_date, "3/6");
    EXPECT_EQ(memory.recorded_at, clock.now());

    EXPECT_TRUE(list.is_current(0, 0) && record_open());
    EXPECT_EQ(e.state().memo, before.memo);
    EXPECT_EQ(e.state().environment, "session values");
    EXPECT_EQ(e.state().check_in_time.minute, before.check_in_time.minute);
    EXPECT_EQ(list.project_seconds(1, 0), 0u) << "counted by the next scan, not on screen";
}

TEST_F(OfflineRecording, CancelledMemoOrLogRecordsNothingAndRetryWritesOnce)
{
    start();
    dialogs.memos = {{MemoDialogResult::Cancel, ""}};
    EXPECT_EQ(recorder(0, 1).record(session, true, "3/6"), OfflineRecorder::Outcome::MemoCancelled);
    EXPECT_FALSE(std::filesystem::exists(log_path));

    break_log();
    prompt.answer(Answer::Retry);
    prompt.on_message = [this] { fix_log(); };
    dialogs.memos = {{MemoDialogResult::NoMemo, ""}};
    EXPECT_EQ(recorder(0, 1).record(session, true, "3/6"), OfflineRecorder::Outcome::Recorded);
    EXPECT_EQ(log_text(), "2024/03/06\t09:30:00\t2024/03/06\t11:15:00\tWork\tAdmin\t0.00\r\n");
    EXPECT_EQ(dialogs.memo_initial.size(), 2u) << "the memo is asked for once, before the first attempt";

    memory = {};
    break_log();
    prompt.on_message = nullptr;
    EXPECT_EQ(recorder(0, 1).record(session, false, "3/6"), OfflineRecorder::Outcome::LogCancelled);
    EXPECT_EQ(memory.recorded_at, 0);
    EXPECT_EQ(prompt.count(), 2u);
}

} // namespace
