// The note dialog's OK checks: their order, the trimmed text, and "now" as the latest moment.
#include "presentation/NoteRules.h"

#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

using namespace velkor;
using Field = NoteCheck::Field;

namespace {

class NoteRulesTest : public ::testing::Test
{
protected:
    NoteCheck check(const char* date, const char* time, const char* note = "n", int order = 0)
    {
        return check_note(date, time, note, order, clock);
    }

    test::ScopedTimeZone zone{"UTC"};
    test::TestClock clock{1720000000}; // 2024-07-03 09:46:40
};

} // namespace

TEST_F(NoteRulesTest, TheFirstFailingCheckIsTheOneReported)
{
    EXPECT_EQ(check("13/3/2024", "25:00", "").refused, Field::Date);
    EXPECT_EQ(check("13/3/2024", "", "").message, "Invalid note date");
    EXPECT_EQ(check("7/3/2024", "25:00", "").refused, Field::Time);
    EXPECT_EQ(check("7/3/2024", "25:00", "").message, "Invalid note time");
    const NoteCheck blank = check("7/3/2024", "9am", " \r\n\t\r\n ");
    EXPECT_EQ(blank.refused, Field::Note);
    EXPECT_EQ(blank.message, "There is no note!  Click Cancel if you don't want a note.");
    EXPECT_EQ(check("7/4/2024", "9am", "").refused, Field::Note) << "the future is checked last";
}

TEST_F(NoteRulesTest, ANoteMayBeNowButNotASecondLater)
{
    const NoteCheck now = check("7/3/2024", "9:46:40", "  line one\r\nline two \r\n");
    ASSERT_EQ(now.refused, Field::None);
    EXPECT_EQ(now.entry.text, "line one\r\nline two");
    EXPECT_EQ(now.entry.date.year, 2024);
    EXPECT_EQ(now.entry.date.month, 7);
    EXPECT_EQ(now.entry.date.day, 3);
    EXPECT_EQ(now.entry.time.hour, 9);
    EXPECT_EQ(now.entry.time.minute, 46);
    EXPECT_EQ(now.entry.time.second, 40);

    const NoteCheck later = check("7/3/2024", "9:46:41");
    EXPECT_EQ(later.refused, Field::Time);
    EXPECT_EQ(later.message, "You may not record notes in the future");
    EXPECT_EQ(check("7/4/2024", "0:00").refused, Field::Date);
    EXPECT_EQ(check("2/7/2023", "11:59pm").refused, Field::None);
    EXPECT_EQ(check("3/7/2024", "10am", "n", 1).refused, Field::Time) << "day/month order: today, 10:00";
    EXPECT_EQ(check("3/7", "9:46", "n", 1).refused, Field::None) << "no year: this year";
}
