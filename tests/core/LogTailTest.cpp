// Whether a session stands at the end of a long log: only the log's end is read, and a line cut
// by where that end starts is not taken for a record.
#include "core/LogTail.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

TEST(LogTail, FindsTheSessionAmongTheLastRecordsOfALongLogOnly)
{
    TempDir dir;
    const std::string log = dir.file("velkors.log");
    const std::string session = "2024/03/07\t09:05:00\t2024/03/07\t10:00:00\tWork\tReport\t0.00\r\n";
    const std::string other = "2024/03/06\t08:00:00\t2024/03/06\t08:30:00\tHome\tGarden\t0.00\tmemo\r\n";
    std::string filler;
    while (filler.size() < 70000)
        filler += other;
    const DateRec date{.year = 2024, .day = 7, .month = 3};
    const TimeRec time{.minute = 5, .hour = 9, .hundredths = 0, .second = 0};
    const auto found = [&] { return session_in_log_tail(log, date, time, "Work", "Report"); };

    write_file(log, filler + session + other + other);
    EXPECT_TRUE(found());
    // Without the last line end, and with more records than the end holds after it.
    write_file(log, session + filler.substr(0, 2000) + session.substr(0, session.size() - 2));
    EXPECT_TRUE(found());
    write_file(log, session + filler);
    EXPECT_FALSE(found());
    // The end read starts right after "XX", inside a line that is not a record although what
    // follows "XX" looks like one.
    write_file(log, "XX" + session + std::string(65536 - session.size() - 2, 'y') + "\r\n");
    EXPECT_FALSE(found());
    write_file(log, "2024/03/07\t09:05:00\t2024/03/07\t10:00:00\tWork\tReportX\t0.00\r\n");
    EXPECT_FALSE(found());
    EXPECT_FALSE(session_in_log_tail(dir.file("missing.log"), date, time, "Work", "Report"));
}
