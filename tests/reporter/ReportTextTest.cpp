#include "reporter/ReportText.h"
#include "reporter/ReportHtml.h"

#include "tests/reporter/ReportLogFixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace velkor;
using namespace velkor::test;

namespace {

class ReportTextTest : public ReportLogFixture
{
protected:
    // Names that need quoting or escaping, a note, and a week in March 2024.
    LogEntries sample()
    {
        return read(session("2024/03/07", "09:00:00", "17:30:09", "Work", "Report, \"final\"", "\t45.00") +
                    session("2024/03/08", "09:00:00", "10:30:00", "Work", "Report, \"final\"", "\t50.00") +
                    session("2024/03/08", "11:00:00", "11:20:00", "Home", "Line\xff", "\t0.00\t<b>me</b> & you\\/ok") +
                    session("2024/03/08", "14:00:00", "14:00:00", "Work", "Mail", "\t0.00\tsaid \"hi\"\\/\ttab"));
    }
};

} // namespace

TEST_F(ReportTextTest, CsvQuotesOnlyFieldsThatNeedIt)
{
    EXPECT_EQ(csv_field("plain text"), "plain text");
    EXPECT_EQ(csv_field("a,b"), "\"a,b\"");
    EXPECT_EQ(csv_field("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csv_field("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(csv_field("lone\rcr"), "\"lone\rcr\"");

    const LogEntries log = sample();
    EXPECT_EQ(report_csv(build_report(log, {}, GroupBy::Project), log, 0, true),
              "Category,Project,Sessions,Time,Seconds,Rate,Amount\r\n"
              "Home,Line\xff,1,0:20:00,1200,0.00,0.00\r\n"
              "Work,\"Report, \"\"final\"\"\",2,10:00:09,36009,,457.61\r\n"
              "Total,,3,10:20:09,37209,,457.61\r\n");
    EXPECT_EQ(report_csv(build_report(log, {}, GroupBy::Week), log, 1, false),
              "Week,Sessions,Time,Seconds,Rate,Amount\r\n"
              "03/03/2024,3,10:20:09,37209,,457.61\r\n");
}

TEST_F(ReportTextTest, JsonIsOneObjectWithEveryTextEscaped)
{
    const LogEntries log = sample();
    const DayRange range{day_number({2024, 3, 8}), day_number({2024, 3, 8})};
    EXPECT_EQ(report_json(build_report(log, range, GroupBy::Day), log, {"a\\b.log", 2}),
              "{\"log\":\"a\\\\b.log\",\"from\":\"2024-03-08\",\"to\":\"2024-03-08\",\"by\":\"day\",\"groups\":[\n"
              "{\"day\":\"2024-03-08\",\"sessions\":2,\"seconds\":6600,\"time\":\"1:50:00\",\"rate\":null,"
              "\"amount\":75.00}],\n"
              "\"total\":{\"sessions\":2,\"seconds\":6600,\"time\":\"1:50:00\",\"amount\":75.00},\n"
              "\"notes\":[\n"
              "{\"day\":\"2024-03-08\",\"time\":\"14:00:00\",\"category\":\"Work\",\"project\":\"Mail\","
              "\"text\":\"said \\\"hi\\\"\\n\\ttab\"}],\n"
              "\"unrated_sessions\":0,\"unreadable_lines\":2}\n");
    EXPECT_EQ(json_string("Line\xff\x01\xc3\xa9"), "\"Line\xEF\xBF\xBD\\u0001\xc3\xa9\"");
    EXPECT_EQ(json_string("\xed\xa0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""); // a lone surrogate
}

TEST_F(ReportTextTest, HtmlPageEscapesWhatTheLogHolds)
{
    const LogEntries log = sample();
    const Report report = build_report(log, {}, GroupBy::Project);
    const std::string page = report_html(report, log, chart_data(report, log, {}, 0), {"<log>", 1}, {0, {}, {}});
    EXPECT_NE(page.find("<td>Report, &quot;final&quot;</td>"), std::string::npos);
    EXPECT_NE(page.find("<div class=\"memo\">&lt;b&gt;me&lt;/b&gt; &amp; you<br>ok</div>"), std::string::npos);
    EXPECT_NE(page.find("<td>said &quot;hi&quot;<br>\ttab</td>"), std::string::npos); // the note
    EXPECT_NE(page.find("Log file: &lt;log&gt;"), std::string::npos);
    EXPECT_NE(page.find("Line\xEF\xBF\xBD"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_NE(page.find("<svg"), std::string::npos);
    EXPECT_NE(page.find("1 line could not be read"), std::string::npos);
}

TEST_F(ReportTextTest, DatesInEachOrder)
{
    const std::int64_t day = day_number({2024, 3, 7});
    EXPECT_EQ(format_day(day, 0), "03/07/2024");
    EXPECT_EQ(format_day(day, 1), "07/03/2024");
    EXPECT_EQ(format_day(day, 2), "2024/03/07");
    EXPECT_EQ(format_month(month_index(day), 0), "03/2024");
    EXPECT_EQ(format_month(month_index(day), 2), "2024/03");
    EXPECT_EQ(iso_month(month_index(day_number({1969, 12, 31}))), "1969-12");
    EXPECT_EQ(civil_date(day_number({2000, 2, 29})), (CivilDate{2000, 2, 29}));
}
