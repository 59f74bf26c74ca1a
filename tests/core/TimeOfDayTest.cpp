#include "core/TimeValues.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace velkor;

namespace {

/// "hh:mm:ss" of a successful parse, "fail" otherwise.
std::string parse(const std::string& text, bool duration_mode = false)
{
    TimeRec time{};
    time.hundredths = 42;
    if (!ParseTimeOfDay(text, time, duration_mode))
        return time.hour == 0 && time.minute == 0 && time.second == 0 ? "fail" : "fail, record changed";
    EXPECT_EQ(time.hundredths, 42) << text;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    return buffer;
}

} // namespace

TEST(TimeOfDay, ParsesClockTimesOnBothClocks)
{
    EXPECT_EQ(parse("12am"), "00:00:00");
    EXPECT_EQ(parse("12pm"), "12:00:00");
    EXPECT_EQ(parse("21:00"), "21:00:00");
    EXPECT_EQ(parse("9:5"), "09:05:00");
    EXPECT_EQ(parse(" 9 pm"), "21:00:00");
    EXPECT_EQ(parse("9.05"), "09:05:00");
    EXPECT_EQ(parse("9:05 p"), "21:05:00");
    EXPECT_EQ(parse("9:05 pmx"), "21:05:00");
    EXPECT_EQ(parse("12:30:15 AM"), "00:30:15");
    EXPECT_EQ(parse("9:05:30x"), "09:05:30"); // trailing text is only refused for durations
    for (const char* text : {"", "x", "9", "0am", "13pm", "24:00", "9:60", "9:05:60", "9:", "9:05:", "9:05 x", "-1:00",
                             "9:-5", "99999999999:00", "1:99999999999"})
        EXPECT_EQ(parse(text), "fail") << text;
    EXPECT_EQ(parse(std::string(100000, '9')), "fail");
}

TEST(TimeOfDay, DurationModeAllowsLongHoursButNoClockSuffixOrTrailingText)
{
    EXPECT_EQ(parse("100:00:00", true), "100:00:00");
    EXPECT_EQ(parse("255:59:59", true), "255:59:59");
    EXPECT_EQ(parse("1:30", true), "01:30:00");
    EXPECT_EQ(parse("1:30:00 ", true), "01:30:00");
    for (const char* text : {"256:00:00", "1:30pm", "1:30:00 pm", "9pm", "1:30:00x"})
        EXPECT_EQ(parse(text, true), "fail") << text;
}

TEST(TimeOfDay, FormatsInTheThreeDisplayForms)
{
    const TimeRec afternoon{50, 13, 0, 35};
    EXPECT_EQ(FormatTimeOfDay(afternoon, kTimeMilitary), "13:50:35");
    EXPECT_EQ(FormatTimeOfDay(afternoon, kTimeUpperAmPm), " 1:50:35 PM");
    EXPECT_EQ(FormatTimeOfDay(afternoon, kTimeLowerAmPm), " 1:50:35 pm");
    EXPECT_EQ(FormatTimeOfDay(TimeRec{5, 0, 0, 0}, kTimeLowerAmPm), "12:05:00 am");
    EXPECT_EQ(FormatTimeOfDay(TimeRec{0, 12, 0, 0}, kTimeUpperAmPm), "12:00:00 PM");
    EXPECT_EQ(FormatTimeOfDay(TimeRec{5, 9, 0, 0}, 7), " 9:05:00"); // unknown forms are military

    // The hour is padded with the caller's fill; fill and flags survive the call.
    std::ostringstream out;
    out.fill('*');
    out << std::left;
    FormatTimeOfDay(out, 9, 5, 0, kTimeMilitary);
    out << '|' << std::setw(3) << 7;
    EXPECT_EQ(out.str(), "*9:05:00|7**");

    EXPECT_TRUE(CompareTimeOfDay(TimeRec{59, 8, 0, 59}, TimeRec{0, 9, 0, 0}));
    EXPECT_TRUE(CompareTimeOfDay(TimeRec{4, 9, 0, 59}, TimeRec{5, 9, 0, 0}));
    EXPECT_FALSE(CompareTimeOfDay(TimeRec{5, 9, 0, 2}, TimeRec{5, 9, 99, 2}));
}
