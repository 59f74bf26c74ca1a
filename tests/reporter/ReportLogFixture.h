#pragma once
// Logs written into a temporary folder and read back for reports, in a fixed zone.

#include "core/ProjectFile.h"
#include "core/ProjectList.h"
#include "core/TimeValues.h"
#include "reporter/LogEntries.h"
#include "reporter/ReportPeriod.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <string>

namespace velkor::test {

/// One log line: check-in date and time, check-out date and time, names, rate, then the rest.
inline std::string log_line(const std::string& ci_date, const std::string& ci_time, const std::string& co_date,
                            const std::string& co_time, const std::string& category, const std::string& project,
                            const std::string& tail = "\t0.00")
{
    return ci_date + '\t' + ci_time + '\t' + co_date + '\t' + co_time + '\t' + category + '\t' + project + tail +
           "\r\n";
}

/// A session of one day from ci_time to co_time.
inline std::string session(const std::string& date, const std::string& ci_time, const std::string& co_time,
                           const std::string& category, const std::string& project, const std::string& tail = "\t0.00")
{
    return log_line(date, ci_time, date, co_time, category, project, tail);
}

class ReportLogFixture : public ::testing::Test
{
protected:
    LogEntries read(const std::string& log, std::size_t env_count = 0)
    {
        write_file(path, log);
        LogEntries entries(env_count);
        EXPECT_EQ(read_log_entries(path, entries), 0);
        return entries;
    }

    /// Sets "now" to local noon of a date in the fixed zone.
    void set_today(int year, int month, int day)
    {
        LocalTimeFields fields;
        fields.year = year - 1900;
        fields.month = month - 1;
        fields.day = day;
        fields.hour = 12;
        clock.set(FromLocal(fields));
    }

    /// Work (red) with Report and Mail, Home (blue) with Garden at 10.00 of its own.
    void load_projects()
    {
        struct Quiet : Prompt
        {
            Answer message(const Message&) override { return Answer::Ok; }
        } quiet;
        read_project_file("[categories]\r\ncWork\tD200,0,0;4500\r\ncHome\tD0,0,200;-1\r\n\r\n[Work]\r\n"
                          "pReport\tD;-1\r\npMail\tD;-1\r\n\r\n[Home]\r\npGarden\tD;1000\r\n",
                          projects, quiet);
    }

    ScopedTimeZone zone{"Europe/Berlin"};
    TempDir dir;
    std::string path = dir.file("velkors.log");
    TestClock clock;
    ProjectList projects;
};

} // namespace velkor::test
