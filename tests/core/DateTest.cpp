#include "core/TimeValues.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

const test::TestClock clock2026(1781524800); // 2026-06-15 12:00 UTC

/// "yyyy-m-d" of a valid parse, "invalid" otherwise.
std::string parse(const std::string& text, int order)
{
    const Date d(text, order, clock2026);
    if (!d.IsValid())
        return "invalid";
    return std::to_string(d.year()) + "-" + std::to_string(d.month()) + "-" + std::to_string(d.day());
}

} // namespace

TEST(Date, ParsesEachOrderWithTheMissingYearFromTheClock)
{
    EXPECT_EQ(parse("7/3/2024", 1), "2024-3-7");
    EXPECT_EQ(parse("7/3", 1), "2026-3-7");
    EXPECT_EQ(parse(" 3 / 7 / 24 ", 0), "2024-3-7");
    EXPECT_EQ(parse("3-7-85", 0), "1985-3-7");
    EXPECT_EQ(parse("2024/3/7", 2), "2024-3-7");
    EXPECT_EQ(parse("3/7", 2), "2026-3-7");
    EXPECT_EQ(parse("3/7/2024", 9), "2024-3-7"); // unknown orders read month/day/year
    for (const char* text :
         {"7-3/2024", "7/3/", "3/7/1850", "3/7/2024x", "3/7/-1900", "2/30/2024", "", "3/7/99999999999"})
        EXPECT_EQ(parse(text, 0), "invalid") << text;
    EXPECT_EQ(parse("2024/3-7", 2), "invalid");
}

TEST(Date, ConstructionNormalisesYearsAndValidatesDays)
{
    EXPECT_EQ(Date(), Date(1, 1, 1970));
    EXPECT_EQ(Date(2, 1, 24, true).day(), 29);
    EXPECT_EQ(Date(3, 7, 69).year(), 2069);
    EXPECT_EQ(Date(3, 7, 70).year(), 1970);
    EXPECT_EQ(Date(3, 7, Date::kNoYear, false, clock2026).year(), 2026);
    EXPECT_FALSE(Date(3, 7, 1899).IsValid());
    EXPECT_TRUE(Date(2, 29, 2000).IsValid());
    EXPECT_FALSE(Date(2, 29, 1900).IsValid());
    EXPECT_FALSE(Date(13, 1, 2024).IsValid());

    const DateRec rec = Date(DateRec{2024, 7, 3}).to_rec();
    EXPECT_EQ(Date(rec), Date(3, 7, 2024));

    test::ScopedTimeZone zone("America/New_York");
    EXPECT_EQ(Date::Today(test::TestClock(1735700000)), Date(12, 31, 2024)); // 21:53 EST, 02:53 UTC next day
    EXPECT_LT(Date(12, 31, 2023), Date(1, 1, 2024));
    EXPECT_GT(Date(4, 1, 2024), Date(3, 31, 2024));
}

TEST(Date, AddDaysOverYearEndLeapDaysAndDaylightChanges)
{
    for (const char* name : {"America/New_York", "Europe/Berlin"}) {
        test::ScopedTimeZone zone(name);
        EXPECT_EQ(Date(12, 31, 2024).AddDays(1), Date(1, 1, 2025)) << name;
        EXPECT_EQ(Date(1, 1, 2025).AddDays(-1), Date(12, 31, 2024)) << name;
        EXPECT_EQ(Date(1, 1, 2024).AddDays(366), Date(1, 1, 2025)) << name;
        // Every day across both daylight changes of both zones, one step at a time.
        Date d(3, 1, 2024);
        for (int i = 0; i < 244; ++i)
            d = d.AddDays(1);
        EXPECT_EQ(d, Date(10, 31, 2024)) << name;
        EXPECT_EQ(Date(11, 4, 2024).AddDays(-2), Date(11, 2, 2024)) << name;
    }
    EXPECT_FALSE(Date(2, 30, 2024).AddDays(1).IsValid());
    EXPECT_FALSE(Date(1, 1, 2024).AddDays(4000000000L).IsValid());
}

TEST(Date, FormatsInEachOrderAndChecksDateFields)
{
    const Date d(3, 7, 2024);
    EXPECT_EQ(d.Format(0, false), "3/7/2024");
    EXPECT_EQ(d.Format(1, true), "07/03/2024");
    EXPECT_EQ(d.Format(2, true), "2024/03/07");
    EXPECT_EQ(DateOrderName(1), "dd/mm/yyyy");
    EXPECT_EQ(DateOrderName(-4), "mm/dd/yyyy");

    EXPECT_EQ(check_date_field("07/3", 1, clock2026).text, "7/3/2026");
    test::ScriptedPrompt prompt;
    const DateFieldCheck ok = check_date_field("2024/03/07", 2, clock2026, prompt, "Invalid check-in date.");
    EXPECT_TRUE(ok.valid);
    EXPECT_EQ(ok.text, "2024/3/7");
    EXPECT_EQ(prompt.count(), 0u);
    const DateFieldCheck bad = check_date_field("2/30/2024", 0, clock2026, prompt, "Invalid check-in date.");
    EXPECT_FALSE(bad.valid);
    EXPECT_EQ(bad.text, "2/30/2024");
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last(), (Message{"Invalid check-in date.", "Error", Buttons::Ok, Icon::Exclamation}));
}
