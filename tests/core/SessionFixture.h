#pragma once
// A session engine on real files in a temporary folder, with a scripted prompt, scripted dialogs
// and a test clock (2024-03-07 09:05:00, zone UTC).

#include "classlib/IniFile.h"
#include "core/DazezUrureRecord.h"
#include "core/LogWriter.h"
#include "core/ProgramWideList.h"
#include "core/ProjectList.h"
#include "core/SessionEngine.h"
#include "tests/support/MemoryRecordStore.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace velkor::test {

using MemoryStore = MemoryRecordStore;

/// Runs a step (say, repairing the log's folder) whenever a message appears.
struct HookedPrompt : ScriptedPrompt
{
    using ScriptedPrompt::message;
    Answer message(const Message& m) override
    {
        if (on_message)
            on_message();
        return ScriptedPrompt::message(m);
    }
    std::function<void()> on_message;
};

template <class T> T take(std::deque<T>& queue, T otherwise)
{
    T front = queue.empty() ? otherwise : queue.front();
    if (!queue.empty())
        queue.pop_front();
    return front;
}

/// Answers from queues (memo: Cancel, check-out-before-check-in: Cancel, adjust: Cancel when empty).
struct ScriptedDialogs : SessionDialogs
{
    MemoDialogResult run_memo_dialog(std::size_t, std::size_t, std::string& memo, bool&, MemoPurpose,
                                     bool& close_after) override
    {
        memo_initial.push_back(memo);
        close_after = close_after_answer;
        auto [result, text] = take(memos, {MemoDialogResult::Cancel, ""});
        memo = text;
        return result;
    }
    CoBeforeCiChoice run_co_before_ci_dialog(long shortfall) override
    {
        shortfalls.push_back(shortfall);
        return take(choices, CoBeforeCiChoice::Cancel);
    }
    bool run_adjust_dialog(AdjustMode mode, long seconds, const TimeRec&, long& offset) override
    {
        adjusted.push_back({mode, seconds});
        offset = adjusts.empty() ? offset : adjusts.front().value_or(offset);
        return take(adjusts, std::optional<long>()).has_value();
    }
    RecoveryChoice run_recovery_dialog(const std::string& c, const std::string& p, const DateRec&,
                                       const TimeRec&) override
    {
        recovered.push_back(c + "/" + p);
        return recovery;
    }

    std::deque<std::pair<MemoDialogResult, std::string>> memos;
    std::vector<std::string> memo_initial;
    bool close_after_answer = false;
    std::deque<CoBeforeCiChoice> choices;
    std::vector<long> shortfalls;
    std::deque<std::optional<long>> adjusts;
    std::vector<std::pair<AdjustMode, long>> adjusted;
    RecoveryChoice recovery;
    std::vector<std::string> recovered;
};

struct CountingListener : SessionListener
{
    void update_caption() override {}
    void start_reminder_timer() override {}
    void autobackup_check() override {}
    void session_closed() override { ++closed; }
    void crash_record_not_written(RecordWriteResult result) override { record_failures.push_back(result); }
    int closed = 0;
    std::vector<RecordWriteResult> record_failures;
};

class SessionFixture : public ::testing::Test
{
protected:
    /// Builds the engine (again, as at the next start); call once the settings are in place.
    SessionEngine& start(LockdownSwitches switches = kLockdownSwitches)
    {
        log = std::make_unique<LogWriter>(
            prompt, settings, [this] { return current_log; }, [this]() -> const ProjectList& { return *lists.get(); },
            [this] { return engine->state().environment; }, [] {});
        auto no_variables = [](std::string& env) { return env.clear(), true; };
        engine.reset();
        engine = std::make_unique<SessionEngine>(
            SessionServices{clock, settings, dialogs, listener, lists, *log, record, no_variables, switches});
        return *engine;
    }
    std::string log_text() const { return read_file(log_path); }
    void break_log() { current_log = dir.file("missing/velkors.log"); }
    void fix_log() { current_log = log_path; }
    bool record_open()
    {
        DazezUrureData d;
        return record.ReadDazezUrureRecord(d);
    }

    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    ScopedWorkingDir cwd{dir.path()}; // the hidden list and the memo file live in the working folder
    std::string log_path = dir.file("velkors.log");
    std::string current_log = log_path;
    TestClock clock;
    PrivateIniFile settings{dir.file("velkors.ini")};
    HookedPrompt prompt;
    ScriptedDialogs dialogs;
    CountingListener listener;
    ProjectListStore files{prompt};
    ProgramWideList lists{files, [this] { return dir.file("project.txt"); }};
    /// Work/Report, Work/Admin, Home/Garden, made in memory; a reload replaces it.
    ProjectList& list = [this]() -> ProjectList& {
        auto l = std::make_unique<ProjectList>();
        l->add_category("Work", 0, false);
        l->add_project(0, "Report", false);
        l->add_project(0, "Admin", false);
        l->add_category("Home", 0, false);
        l->add_project(1, "Garden", false);
        lists.adopt(std::move(l));
        return *lists.get();
    }();
    MemoryStore store;
    DazezUrureRecord record{&store, dir.file("velkors.clg")};
    std::unique_ptr<LogWriter> log;
    std::unique_ptr<SessionEngine> engine;
};

} // namespace velkor::test
