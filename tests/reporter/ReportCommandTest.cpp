#include "reporter/ReportCommand.h"

#include "classlib/IniFile.h"

#include "tests/reporter/ReportLogFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace velkor;
using namespace velkor::test;

namespace {

class ReportCommandTest : public ReportLogFixture
{
protected:
    struct Run
    {
        int status;
        std::string out;
        std::string err;
    };

    Run run(const std::vector<std::string>& arguments)
    {
        std::ostringstream out;
        std::ostringstream err;
        ReportOptions options;
        const auto status = run_report_arguments(arguments, clock, out, err, options);
        return {status.value_or(-1), out.str(), err.str()};
    }

    ScopedWorkingDir cwd{dir.path()};
};

} // namespace

TEST_F(ReportCommandTest, BadOptionsAndDatesExitWithStatusTwo)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--by", "hour", "--csv"}, "vkrept: cannot group by \"hour\" (category, project, day, week or month)\n"},
        {{"--csv", "--bogus"}, "vkrept: unknown option --bogus\n"},
        {{"--csv", "--from"}, "vkrept: option --from needs a value\n"},
        {{"--csv", "--json"}, "vkrept: option --json cannot be combined with another output form\n"},
        {{"--period", "week", "--to", "3/1/2024"}, "vkrept: --period cannot be combined with --from or --to\n"},
        {{"--period", "fortnight"}, "vkrept: unknown period \"fortnight\" (today, week, month, last-month or all)\n"},
        {{"--csv", "report.csv"}, "vkrept: unknown argument report.csv\n"},
        {{"--from", "2/30/2024", "--csv"},
         "vkrept: --from: \"2/30/2024\" is not a date in the order mm/dd/yyyy or yyyy/mm/dd\n"},
        {{"--from=3/9/2024", "--to", "3/1/2024"}, "vkrept: --from 03/09/2024 comes after --to 03/01/2024\n"}};
    for (const auto& [arguments, message] : cases) {
        const Run result = run(arguments);
        EXPECT_EQ(result.status, kExitBadUsage) << message;
        EXPECT_EQ(result.err, message + "Try 'vkrept --help'.\n");
        EXPECT_EQ(result.out, "");
    }
    const Run help = run({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_EQ(help.out.rfind("Usage: vkrept", 0), 0u);
}

TEST_F(ReportCommandTest, DatesReadInTheConfiguredOrderOrYearFirst)
{
    set_today(2024, 3, 6);
    const auto range = [&](const std::string& from, int order) {
        ReportOptions options;
        options.from = from;
        std::string error;
        const auto days = resolve_range(options, order, clock, error);
        return days ? iso_day(days->first) : error;
    };
    EXPECT_EQ(range("3/7/2024", 0), "2024-03-07");
    EXPECT_EQ(range("7/3/2024", 1), "2024-03-07");
    EXPECT_EQ(range("2024/3/7", 0), "2024-03-07");
    EXPECT_EQ(range("2024-03-07", 1), "2024-03-07");
    EXPECT_EQ(range("7/3", 1), "2024-03-07");
    EXPECT_EQ(range("3/7/24", 0), "2024-03-07");
    EXPECT_EQ(range("2024-03-07x", 0), "--from: \"2024-03-07x\" is not a date in the order mm/dd/yyyy or yyyy/mm/dd");
    EXPECT_EQ(range("7-3/2024", 1), "--from: \"7-3/2024\" is not a date in the order dd/mm/yyyy or yyyy/mm/dd");
}

TEST_F(ReportCommandTest, LogAndProjectFileChosenAsVelkorChoosesThem)
{
    write_file(dir.file("velkors.ini"), "[velkors]\r\nLogFile=setting.log\r\nProjectFile=setting.txt\r\n"
                                        "[Reporter]\r\nDateFormat=2\r\n");
    PrivateIniFile settings(kReporterSettingsFile);
    const auto setup = [&](std::vector<std::string> arguments) {
        std::string error;
        const auto options = parse_report_options(arguments, error);
        EXPECT_TRUE(options) << error;
        return read_reporter_setup(settings, *options).log_path;
    };
    unsetenv("VKR_LOG_FILE");
    EXPECT_EQ(setup({}), "setting.log");
    EXPECT_EQ(read_reporter_setup(settings, {}).date_order, 2);
    setenv("VKR_LOG_FILE", "environment.log", 1);
    EXPECT_EQ(setup({}), "environment.log");
    EXPECT_EQ(setup({"vkr_log_file=argument.log"}), "argument.log");
    EXPECT_EQ(setup({"VKR_LOG_FILE=argument.log", "-l", "option.log"}), "option.log");
    EXPECT_EQ(setup({"-l", ""}), "environment.log"); // an empty value sets nothing
    unsetenv("VKR_LOG_FILE");
}

TEST_F(ReportCommandTest, CsvByDayIsOneLinePerDayAndProblemsGoToStandardError)
{
    write_file(path, session("2024/03/07", "09:00:00", "10:00:00", "Work", "Report", "\t45.00") + "oops\r\n" +
                         log_line("2024/03/07", "23:00:00", "2024/03/08", "00:30:00", "Work", "Mail") +
                         session("2024/03/09", "09:00:00", "09:00:30", "Work", "Mail", ""));
    const Run result = run({"--by", "day", "--csv"});
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_EQ(result.out, "Day,Sessions,Time,Seconds,Rate,Amount\r\n"
                          "03/07/2024,2,2:30:00,9000,,45.00\r\n"
                          "03/09/2024,1,0:00:30,30,0.00,0.00\r\n");
    EXPECT_EQ(result.err, "vkrept: 1 line could not be read (line 2)\n"
                          "vkrept: 1 session has no rate of its own and is billed at today's rate\n");

    const Run missing = run({"--csv", "-l", "missing.log"});
    EXPECT_EQ(missing.status, kExitFailed);
    EXPECT_EQ(missing.err, "vkrept: Cannot read from missing.log: No such file or directory\n");
}

TEST_F(ReportCommandTest, TheProgramPrintsWithoutADisplay)
{
    write_file(path, session("2024/03/07", "09:00:00", "10:00:00", "Work", "Report", "\t45.00"));
    const auto shell = [&](const std::string& arguments) {
        const std::string command = "cd '" + dir.path().string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY " +
                                    "-u QT_QPA_PLATFORM TZ=Europe/Berlin '" VKREPT_PATH "' " + arguments + " 2>&1";
        std::string output;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[256];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        const int status = pipe ? pclose(pipe) : -1;
        return std::make_pair(WIFEXITED(status) ? WEXITSTATUS(status) : -1, output);
    };
    EXPECT_EQ(shell("--by project --csv"), std::make_pair(0, std::string("Category,Project,Sessions,Time,Seconds,"
                                                                         "Rate,Amount\r\nWork,Report,1,1:00:00,"
                                                                         "3600,45.00,45.00\r\n")));
    EXPECT_EQ(shell("--by hour").first, 2);
}
