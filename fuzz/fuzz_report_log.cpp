// Arbitrary bytes as a log through the reporter: every field read, every grouping, every text form.

#include "core/LogReader.h"
#include "reporter/LogEntries.h"
#include "reporter/Report.h"
#include "reporter/ReportHtml.h"
#include "reporter/ReportText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velkor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LogEntries log(size > 0 ? data[0] % 4 : 0);
    LogLineReader reader(bytes);
    std::string_view line;
    while (reader.next(line))
        log.add_line(line);
    for (const LogEntry& entry : log.entries()) {
        if (entry.seconds < 0 || entry.memo_begin > entry.memo_end || entry.env_begin > entry.env_end ||
            entry.name >= log.names().size())
            std::abort();
        (void)memo_text(log.memo(entry));
        (void)log.environment(entry);
    }
    for (GroupBy by : {GroupBy::Category, GroupBy::Project, GroupBy::Day, GroupBy::Week, GroupBy::Month}) {
        const Report report = build_report(log, {}, by);
        std::size_t sessions = 0;
        for (const ReportGroup& group : report.groups)
            sessions += group.entries.size();
        if (sessions != report.totals.sessions)
            std::abort();
        (void)report_csv(report, log, 0, true);
        (void)report_json(report, log, {"log", log.unreadable_lines()});
        (void)report_html(report, log, chart_data(report, log, {}, 1), {"log", 0}, {});
    }
    return 0;
}
