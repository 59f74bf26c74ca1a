// The tutorial's sample files, as the build places them beside the program, read back by the
// program's own readers: they load without a single message and every log line is a record of
// the sample projects.
#include "core/LogReader.h"
#include "core/ProjectList.h"
#include "core/ProjectListStore.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <set>

using namespace velkor;
using namespace velkor::test;

namespace {

const std::string kSamples = std::string(VELKOR_PROGRAM_FILES) + "Tutorial/";

} // namespace

TEST(TutorialSamples, TheProjectFileLoadsSilentlyWithItsCategories)
{
    TempDir dir;
    ScopedWorkingDir cwd(dir.path());
    ScriptedPrompt prompt;
    ProjectListStore store(prompt);
    ProjectList list = store.load(kSamples + "tutorial.txt");
    EXPECT_EQ(prompt.count(), 0u);
    ASSERT_EQ(list.n_categories(), 3u);
    std::size_t projects = 0;
    for (std::size_t c = 0; c < list.n_categories(); ++c)
        projects += list.n_projects(c);
    EXPECT_EQ(projects, 8u);
}

TEST(TutorialSamples, TheLogIsAWorkingWeekOfSessionsAndNotesOnTheSampleProjects)
{
    ScopedTimeZone zone("UTC");
    TempDir dir;
    ScopedWorkingDir cwd(dir.path());
    ScriptedPrompt prompt;
    ProjectListStore store(prompt);
    const ProjectList list = store.load(kSamples + "tutorial.txt");
    const std::string log = read_file(kSamples + "tutorial.log");

    std::set<std::string> days;
    int sessions = 0;
    int notes = 0;
    LogRecordParser parser;
    std::size_t start = 0;
    while (start < log.size()) {
        const std::size_t end = log.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
        const std::string line = log.substr(start, end - start);
        ASSERT_EQ(line.find('\n'), std::string::npos) << line;
        LogRecord record;
        ASSERT_TRUE(parser.parse(line, record)) << line;
        const std::size_t c = list.find_category(record.category);
        ASSERT_NE(c, NPOS) << line;
        EXPECT_NE(list.find_project(c, record.project), NPOS) << line;
        (record.duration == 0 ? notes : sessions) += 1;
        days.insert(line.substr(0, 10));
        start = end + 2;
    }
    EXPECT_EQ(days, (std::set<std::string>{"2026/11/02", "2026/11/03", "2026/11/04", "2026/11/05", "2026/11/06"}));
    EXPECT_GE(sessions, 20);
    EXPECT_GE(notes, 3);
}
