// Replacing the log, the project file or the whole workspace is one call, after which every
// writer writes to the new place and nothing is left pointing at the old one.
#include "core/Workspace.h"

#include "classlib/SettingsKeys.h"
#include "core/LogWriter.h"
#include "core/ProgramWideList.h"
#include "platform/LockFile.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkor;
using namespace velkor::test;

namespace {

// Whether some other open could take the lock right now.
bool lockable(const std::string& path)
{
    LockFile probe;
    return probe.open(path) == 0;
}

bool exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

class WorkspaceTest : public ::testing::Test
{
protected:
    WorkspaceTest()
    {
        list.add_category("Work", kBlack, false);
        list.add_project(0, "Report", false);
    }
    AppendResult append(LogWriter& writer)
    {
        const DateRec day{2024, 7, 3};
        return writer.AppendLogRecord(day, TimeRec{0, 9, 0, 0}, day, TimeRec{0, 10, 0, 0}, 0, 0, "");
    }
    RecordWriteResult write_record(Workspace& ws)
    {
        return ws.crash_record().WriteDazezUrureRecord(1, TimeRec{0, 9, 0, 0}, DateRec{2024, 7, 3}, "Work", "Report", 0,
                                                       "", "");
    }
    std::unique_ptr<LogWriter> writer_for(Workspace& ws)
    {
        return std::make_unique<LogWriter>(
            prompt, ws.settings(), [&ws] { return ws.log_file(); }, [this]() -> const ProjectList& { return list; },
            [] { return std::string(); }, [] {});
    }

    ScopedTimeZone zone{"UTC"};
    TempDir dir;
    ScopedWorkingDir cwd{dir.path()};
    ScriptedPrompt prompt;
    ProjectList list;
};

const char kRecord[] = "2024/03/07\t09:00:00\t2024/03/07\t10:00:00\tWork\tReport\t0.00\r\n";

} // namespace

TEST_F(WorkspaceTest, ReplacingTheLogMovesRecordsTheLockAndTheCrashRecord)
{
    Workspace ws(prompt);
    ASSERT_TRUE(ws.replace_log("a.log"));
    auto writer = writer_for(ws);
    ASSERT_EQ(append(*writer), AppendResult::Written);
    ASSERT_EQ(write_record(ws), RecordWriteResult::Written);
    ASSERT_TRUE(exists("a.clg"));

    ASSERT_TRUE(ws.replace_log("b.log"));
    EXPECT_EQ(ws.log_file(), "b.log");
    EXPECT_EQ(ws.mirror_file(), "b.clg");
    ASSERT_EQ(append(*writer), AppendResult::Written);
    EXPECT_EQ(read_file("a.log"), kRecord);
    EXPECT_EQ(read_file("b.log"), kRecord);

    // The old lock is released and its mirror gone; the crash record lives in the new lock file.
    EXPECT_TRUE(lockable("a.lck"));
    EXPECT_FALSE(lockable("b.lck"));
    EXPECT_FALSE(exists("a.clg"));
    ASSERT_EQ(write_record(ws), RecordWriteResult::Written);
    EXPECT_TRUE(exists("b.clg"));
    DazezUrureData data;
    ASSERT_TRUE(ws.crash_record().ReadDazezUrureRecord(data));
    EXPECT_EQ(data.project, "Report");
    EXPECT_EQ(read_file("b.lck").substr(0, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(WorkspaceTest, ALogInUseElsewhereIsRefusedAndTheOldOneStays)
{
    Workspace ws(prompt);
    ASSERT_TRUE(ws.replace_log("a.log"));
    LockFile other;
    ASSERT_EQ(other.open("c.lck"), 0);
    EXPECT_FALSE(ws.replace_log("c.log"));
    EXPECT_EQ(prompt.last().caption, "Lock file error");
    EXPECT_EQ(ws.log_file(), "a.log");
    EXPECT_FALSE(lockable("a.lck"));
    ASSERT_EQ(append(*writer_for(ws)), AppendResult::Written);
    EXPECT_EQ(read_file("a.log"), kRecord);
    EXPECT_FALSE(exists("c.log"));
}

TEST_F(WorkspaceTest, ReplacingTheProjectFileIsWhatTheNextReloadReadsAndSaves)
{
    Workspace ws(prompt);
    write_file("one.txt", "[categories]\r\ncOne\r\n");
    write_file("two.txt", "[categories]\r\ncTwo\r\n");
    ws.replace_project_file("one.txt");
    ProgramWideList lists(ws.project_store(), [&ws] { return ws.project_file(); });
    EXPECT_EQ(lists.reload().category_name(0), "One");

    ws.replace_project_file("two.txt");
    EXPECT_EQ(ws.project_file(), "two.txt");
    ProjectList& fresh = lists.reload();
    EXPECT_EQ(fresh.category_name(0), "Two");
    fresh.add_project(0, "Added", false);
    fresh.remember_memo(0, 0, "m");
    ASSERT_EQ(lists.save(), StoreResult::Written);
    ASSERT_EQ(lists.save_remembered_memos(), StoreResult::Written);
    EXPECT_NE(read_file("two.txt").find("pAdded"), std::string::npos);
    EXPECT_EQ(read_file("one.txt"), "[categories]\r\ncOne\r\n");
    EXPECT_TRUE(exists("two.mmo"));
}

TEST_F(WorkspaceTest, ReplacingTheWorkspaceMovesSettingsProjectFileLogAndLock)
{
    std::filesystem::create_directory("Tutorial");
    write_file("Tutorial/velkors.ini", "[velkors]\r\nLogFile=lesson.log\r\n");
    Workspace ws(prompt);
    ASSERT_TRUE(ws.replace_log("velkors.log"));
    ws.replace_project_file("project.txt");
    put(ws.settings(), kRate, "125"); // not flushed yet: it belongs to the old folder

    ASSERT_EQ(ws.replace_workspace("Tutorial", {"tutorial.txt", "tutorial.log"}), WorkspaceSwitch::Switched);
    EXPECT_EQ(ws.working_folder(), (dir.path() / "Tutorial").string());
    EXPECT_EQ(ws.project_file(), "tutorial.txt"); // the default: the folder's settings name none
    EXPECT_EQ(ws.log_file(), "lesson.log");
    EXPECT_EQ(get(ws.settings(), kRate), "0"); // read from the tutorial's settings now
    put(ws.settings(), kTutorialMode, "1");
    ws.settings().flush();

    ASSERT_EQ(append(*writer_for(ws)), AppendResult::Written);
    ASSERT_EQ(write_record(ws), RecordWriteResult::Written);
    const std::string top = dir.path().string() + "/";
    EXPECT_EQ(read_file(top + "Tutorial/lesson.log"), kRecord);
    EXPECT_TRUE(exists(top + "Tutorial/lesson.clg"));
    EXPECT_TRUE(lockable(top + "velkors.lck"));
    EXPECT_FALSE(lockable(top + "Tutorial/lesson.lck"));
    EXPECT_EQ(read_file(top + "velkors.ini"), "[velkors]\r\nRate=125\r\n");
    EXPECT_EQ(read_file(top + "Tutorial/velkors.ini"), "[velkors]\r\nLogFile=lesson.log\r\nTutorialMode=1\r\n");
    EXPECT_FALSE(exists(top + "velkors.log"));
}

TEST_F(WorkspaceTest, AFolderThatCannotBeEnteredChangesNothing)
{
    Workspace ws(prompt);
    ASSERT_TRUE(ws.replace_log("velkors.log"));
    ws.replace_project_file("project.txt");
    const std::string before = ws.working_folder();
    EXPECT_EQ(ws.replace_workspace("missing", {"tutorial.txt", "tutorial.log"}), WorkspaceSwitch::FolderUnavailable);
    EXPECT_EQ(ws.working_folder(), before);
    EXPECT_EQ(ws.project_file(), "project.txt");
    EXPECT_EQ(ws.log_file(), "velkors.log");
    EXPECT_FALSE(lockable("velkors.lck"));
}

TEST_F(WorkspaceTest, ANewFolderWhoseLogIsInUseIsReported)
{
    std::filesystem::create_directory("Tutorial");
    LockFile other;
    ASSERT_EQ(other.open("Tutorial/tutorial.lck"), 0);
    Workspace ws(prompt);
    ASSERT_TRUE(ws.replace_log("velkors.log"));
    EXPECT_EQ(ws.replace_workspace("Tutorial", {"tutorial.txt", "tutorial.log"}), WorkspaceSwitch::LogInUse);
    EXPECT_EQ(ws.log_file(), "velkors.log");
    EXPECT_EQ(ws.project_file(), "tutorial.txt");
}

TEST_F(WorkspaceTest, TheDateOrderIsTheReporterSettingReadWhenAsked)
{
    Workspace ws(prompt);
    EXPECT_EQ(ws.date_order(), 0);
    for (const auto& [text, order] : {std::pair{"1", 1}, {"2", 2}, {"3", 0}, {"-1", 0}}) {
        put(ws.settings(), kDateFormat, text);
        EXPECT_EQ(ws.date_order(), order) << text;
    }
}
