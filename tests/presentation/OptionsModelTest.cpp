// The Options dialog's rules without the dialog: what it starts from, the live colour, font and
// rows, and OK's steps against a program held in memory and a real settings file.
#include "presentation/OptionsModel.h"

#include "classlib/SettingsKeys.h"
#include "tests/support/FakeOptionsTarget.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

using namespace velkor;
using namespace velkor::test;

namespace {

Message error(std::string text)
{
    return {std::move(text), "Error", Buttons::Ok, Icon::Exclamation};
}

Message takes_effect(const std::string& lines)
{
    return {"The following setting(s) will take effect\nthe next time Velkor is started:\n\n" + lines, "", Buttons::Ok,
            Icon::Information};
}

const char* const kReservedKey = "F1 through F4 cannot be used as a hot key\nbecause they are already used to access\n"
                                 "various Velkor functions. Please\nuse a modifier (Ctrl, Shift, Alt) with the\nkey, "
                                 "or choose a different key.";

class OptionsModelTest : public ::testing::Test
{
protected:
    /// A fresh settings file and store with these lines in [velkors].
    void settings_file(const std::string& lines)
    {
        write_file(dir.file("velkors.ini"), "[velkors]\r\n" + lines);
        reopen();
    }
    /// A new store on the file: it sees only what was flushed.
    void reopen() { settings = std::make_unique<PrivateIniFile>(dir.file("velkors.ini")); }
    OptionsModel& model(LockdownSwitches switches = {})
    {
        current = std::make_unique<OptionsModel>(*settings, prompt, target, switches);
        return *current;
    }

    TempDir dir;
    ScriptedPrompt prompt;
    FakeOptionsTarget target;
    std::unique_ptr<PrivateIniFile> settings;
    std::unique_ptr<OptionsModel> current;
};

} // namespace

TEST_F(OptionsModelTest, StartShowsTheProgramStateWithTheWeeklySwitchWinningAndFileEditsLockedWhenOverridden)
{
    settings_file("AskMemo=y\r\nReadTodayTime=1\r\nReadWeeklyTime=1\r\n");
    target.busy = 15;
    target.key = 0x64b;
    const OptionsValues& v = model().initial();
    EXPECT_TRUE(v.ask_memo) << "y asks at every check-in, as i does";
    EXPECT_TRUE(v.read_weekly_time);
    EXPECT_FALSE(v.read_today_time);
    EXPECT_EQ(v.reminder_busy, "15");
    EXPECT_EQ(v.hot_key, 0x64b);

    settings_file("WeeklyTime=1\r\nReadLogTime=0\r\nShowTotalAllTimes=0\r\nAskMemo=o\r\n");
    const OptionsValues& weekly = model().initial();
    EXPECT_TRUE(weekly.read_log_time && weekly.read_weekly_time && weekly.show_total_all_times);
    EXPECT_FALSE(weekly.ask_memo);

    EXPECT_TRUE(model().log_file_editable() && model().project_file_editable() && model().env_vars_enabled());
    target.log_override = true;
    EXPECT_FALSE(model().log_file_editable());
    EXPECT_TRUE(model().project_file_editable());
    const LockdownSwitches switches =
        LockdownSwitches{}.with(LockdownFeature::ProjectFileName, 1).with(LockdownFeature::EnvironmentVariables, 1);
    EXPECT_TRUE(model(switches).project_file_editable()) << "a feature switch counts only under the master switch";
    EXPECT_FALSE(model(switches.with_master(true)).project_file_editable());
    EXPECT_FALSE(model(switches.with_master(true)).env_vars_enabled());
}

TEST_F(OptionsModelTest, OkWritesEveryChoiceAndFlushesAndOkWithoutChangesWritesNothingNew)
{
    settings_file("");
    OptionsModel& m = model();
    OptionsValues v = m.initial();
    v.ask_memo = true;
    v.close_on_select = false;
    v.highlight = false;
    v.exit_on_checkin = true;
    v.show_vkr_name = 1;
    v.use_system_tray = true;
    v.exit_while_checked_in = 2;
    v.show_elapsed_times = true;
    v.read_log_time = true;
    v.read_today_time = true;
    v.show_total_all_times = true;
    v.show_total_time = true;
    v.time_format = 0;
    v.sound_busy = true;
    v.sound_idle = true;
    ASSERT_EQ(m.ok(v), OptionsOk::Closed);
    EXPECT_EQ(prompt.messages(),
              std::vector<Message>{takes_effect("ON: Read past times from log file\nON: Read just today's times\n")});
    EXPECT_TRUE(target.calls.empty());

    reopen();
    EXPECT_EQ(model().initial(), v);
    EXPECT_EQ(get(*settings, kAskMemo), "i");
    EXPECT_EQ(get(*settings, kBkColor), "") << "a background left alone is not written";

    const std::string before = read_file(dir.file("velkors.ini"));
    prompt.clear();
    OptionsModel& again = model();
    ASSERT_EQ(again.ok(again.initial()), OptionsOk::Closed);
    EXPECT_EQ(prompt.count(), 0u);
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(read_file(dir.file("velkors.ini")), before);
}

TEST_F(OptionsModelTest, FunctionKeysOneToFourAloneAndKeysThatCannotBeHadKeepTheDialogOpenWithNothingWritten)
{
    settings_file("");
    OptionsModel& m = model();
    OptionsValues v = m.initial();
    v.time_format = 0;
    for (int key : {0x70, 0x71, 0x73}) {
        v.hot_key = key;
        EXPECT_EQ(m.ok(v), OptionsOk::HotKeyRefused) << key;
    }
    EXPECT_EQ(prompt.messages(), std::vector<Message>(3, error(kReservedKey)));
    EXPECT_TRUE(target.calls.empty());

    target.registration_works = false;
    v.hot_key = 0x271; // Ctrl+F2 may be tried
    EXPECT_EQ(m.ok(v), OptionsOk::HotKeyRefused);
    EXPECT_EQ(target.calls, std::vector<std::string>{"register 625"});
    EXPECT_EQ(get_int(*settings, kTimeFormat), 2);

    target.registration_works = true;
    v.hot_key = 0x64b; // Ctrl+Alt+K
    EXPECT_EQ(m.ok(v), OptionsOk::Closed);
    EXPECT_EQ(target.calls.back(), "register 1611");
    EXPECT_EQ(m.ok(v), OptionsOk::Closed);
    EXPECT_EQ(target.calls.size(), 2u) << "the key in use is not registered again";
    EXPECT_FALSE(is_reserved_hot_key(0x170)) << "Shift+F1";
    EXPECT_FALSE(is_reserved_hot_key(0x74)) << "F5";
}

TEST_F(OptionsModelTest, ANewLogIsRefusedWhileCheckedInOrLockedElsewhereWhileTheOtherChangesStillApply)
{
    settings_file("");
    target.is_checked_in = true;
    OptionsModel& m = model();
    OptionsValues v = m.initial();
    v.log_file = "other.log";
    v.time_format = 0;
    EXPECT_EQ(m.ok(v), OptionsOk::Closed);
    EXPECT_EQ(prompt.messages(),
              std::vector<Message>{
                  error("You must check out of the current project\nbefore changing to a different log file.")});
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(get(*settings, kLogFile), "velkors.log");
    EXPECT_EQ(get_int(*settings, kTimeFormat), 0);

    target.is_checked_in = false;
    target.lock_taken_elsewhere = true;
    prompt.clear();
    EXPECT_EQ(m.ok(v), OptionsOk::Closed);
    EXPECT_EQ(prompt.messages(),
              std::vector<Message>{error("The new log file you've specified is already in use by "
                                         "someone else.\nEither get them to stop using it, or choose "
                                         "a different log file.")});
    EXPECT_EQ(target.calls, std::vector<std::string>{"take_log other.log"});
    EXPECT_EQ(get(*settings, kLogFile), "velkors.log");

    target.lock_taken_elsewhere = false;
    target.calls.clear();
    prompt.clear();
    EXPECT_EQ(m.ok(v), OptionsOk::Closed);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"take_log other.log", "log_changed"}));
    EXPECT_EQ(get(*settings, kLogFile), "other.log");
    EXPECT_EQ(prompt.count(), 0u);

    v.log_file = "";
    target.calls.clear();
    EXPECT_EQ(m.ok(v), OptionsOk::Closed);
    EXPECT_EQ(prompt.messages(), std::vector<Message>{error("The log file name must not be empty.")});
    EXPECT_TRUE(target.calls.empty());
}

TEST_F(OptionsModelTest, ANewProjectFileMustBeReadableAndIsReadAtTheNextPaint)
{
    settings_file("");
    const std::string missing = dir.file("missing.txt");
    const std::string present = dir.file("other.txt");
    write_file(present, "[categories]\r\n");
    OptionsModel& m = model();
    OptionsValues v = m.initial();

    target.is_checked_in = true;
    v.project_file = present;
    m.ok(v);
    target.is_checked_in = false;
    v.project_file = missing;
    m.ok(v);
    v.project_file = dir.path().string();
    m.ok(v);
    EXPECT_EQ(prompt.messages(),
              (std::vector<Message>{
                  error("You must check out of the current project\nbefore changing to a different project file."),
                  error("Cannot open project file:\n\n" + missing + "\n\nReason: No such file or directory"),
                  error("Cannot open project file:\n\n" + dir.path().string() + "\n\nReason: Is a directory")}));
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(get(*settings, kProjectFile), "project.txt");

    v.project_file = present;
    m.ok(v);
    EXPECT_EQ(target.calls, std::vector<std::string>{"project " + present});
    EXPECT_EQ(get(*settings, kProjectFile), present);
}

TEST_F(OptionsModelTest, AskMemoAndReminderTextsChangeOnlyWhatTheUserChanged)
{
    struct Case
    {
        const char* stored;
        bool checked;
        const char* written;
    };
    for (const Case& c : {Case{"o", false, "o"}, Case{"o", true, "i"}, Case{"i", false, "n"}, Case{"n", false, "n"}}) {
        settings_file(std::string("AskMemo=") + c.stored + "\r\n");
        OptionsModel& m = model();
        OptionsValues v = m.initial();
        v.ask_memo = c.checked;
        m.ok(v);
        EXPECT_EQ(get(*settings, kAskMemo), c.written) << c.stored << " " << c.checked;
    }

    settings_file("ReminderDuration=15 minutes\r\nReminderDurationIdle=5\r\n");
    target.busy = 15;
    target.idle = 5;
    OptionsModel& m = model();
    OptionsValues v = m.initial();
    v.reminder_busy = "15";
    v.reminder_idle = "ab"; // stored as typed; the reminder reports it when it reads it
    m.ok(v);
    EXPECT_EQ(get(*settings, kReminderDuration), "15 minutes");
    EXPECT_EQ(get(*settings, kReminderDurationIdle), "ab");
}

TEST_F(OptionsModelTest, PastTimeSwitchesTakeEffectAtTheNextStartAndTheOlderWeeklySwitchGivesWay)
{
    settings_file("");
    OptionsValues v = model().initial();
    v.read_log_time = true;
    current->ok(v);
    EXPECT_EQ(prompt.last(), takes_effect("ON: Read past times from log file\n"));

    v = model().initial();
    v.read_today_time = false;
    v.read_weekly_time = true;
    current->ok(v);
    EXPECT_EQ(prompt.last(), takes_effect("ON: Read just this week's times\n"));

    settings_file("WeeklyTime=1\r\n");
    v = model().initial();
    v.read_log_time = false;
    current->ok(v);
    EXPECT_EQ(prompt.last(), takes_effect("OFF: Read past times from log file\n"));
    reopen();
    EXPECT_FALSE(read_past_time_flags(*settings).read_log_time) << "what the box promised holds at the next start";
}

TEST_F(OptionsModelTest, BackgroundColourFontAndRowsShowAtOnceAndOkOrCancelSettleThem)
{
    settings_file("DesiredRows=2\r\n");
    target.row_count = 2;
    OptionsModel& m = model();
    const Message question{"Click \"Yes\" to select a new background color.\n\nClick \"No\" to use the default "
                           "background color.\n\nClick \"Cancel\" to keep the current background color.",
                           "Change Background Color", Buttons::YesNoCancel, Icon::None};
    std::vector<Color> offered;
    std::optional<Color> chosen;
    auto chooser = [&](Color current_color) {
        offered.push_back(current_color);
        return chosen;
    };
    prompt.answer(Answer::Cancel);
    m.change_background(chooser);
    prompt.answer(Answer::Yes); // the chooser is cancelled
    m.change_background(chooser);
    EXPECT_EQ(target.bk, make_rgb(255, 255, 255));
    chosen = make_rgb(10, 130, 200);
    target.depth = 16;
    prompt.answer(Answer::Yes);
    m.change_background(chooser);
    EXPECT_EQ(target.bk, make_rgb(8, 130, 197)) << "as near as 16 bits per pixel show it";
    target.depth = 32;
    prompt.answer(Answer::No);
    m.change_background(chooser);
    EXPECT_EQ(target.bk, make_rgb(235, 235, 235)) << "the button face moved 5 toward the middle";
    chosen.reset();
    prompt.answer(Answer::Yes);
    m.change_background(chooser);
    EXPECT_EQ(prompt.messages(), std::vector<Message>(5, question));
    EXPECT_EQ(offered, (std::vector<Color>{make_rgb(255, 255, 255), make_rgb(255, 255, 255), make_rgb(235, 235, 235)}))
        << "the chooser opens on the colour in use";

    FontDescription courier;
    courier.height = -16;
    courier.weight = 400;
    courier.italic = 1;
    courier.face_name = "Courier";
    m.font_chosen(courier);
    EXPECT_EQ(target.shown_font, courier);
    EXPECT_EQ(target.font_changes, 1);

    m.rows_typed("0");
    EXPECT_EQ(target.row_count, 2) << "0 is no row count";
    m.rows_typed("5");
    EXPECT_EQ(target.row_count, 5);
    EXPECT_EQ(typed_rows("12345", 1), 1234);

    m.ok(m.initial());
    EXPECT_EQ(get(*settings, kBkColor), "235,235,235");
    EXPECT_EQ(get(*settings, kFont), "-16,0,0,0,400,100,1,0,0,0,1,2,1,34,Courier");
    EXPECT_EQ(get_int(*settings, kDesiredRows), 5);
    EXPECT_EQ(target.font_changes, 2);

    settings_file("DesiredRows=3\r\n");
    OptionsModel& cancelled = model();
    cancelled.rows_typed("7");
    cancelled.font_chosen(courier);
    cancelled.cancel();
    EXPECT_EQ(target.row_count, 3);
    EXPECT_EQ(target.font_changes, 4) << "the font is measured again after Cancel too";
    EXPECT_EQ(nearest_displayable_color(make_rgb(100, 100, 100), 8), make_rgb(109, 109, 85));
}
