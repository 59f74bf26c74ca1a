// Arbitrary bytes through the log line reader and the record parse; a leading blank, which the
// reads skip, must not change what a line gives (it turns off the shortcut for written moments).

#include "core/LogReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static velkor::LogRecordParser parser;
    velkor::LogLineReader reader(std::string_view(reinterpret_cast<const char*>(data), size));
    velkor::LogRecord record;
    velkor::LogRecordView general;
    std::string padded;
    std::string_view line;
    while (reader.next(line)) {
        if (line.size() > velkor::kMaxLogLineLength)
            std::abort();
        const bool ok = parser.parse(line, record);
        if (ok && (record.duration < 0 || record.co - record.ci != record.duration))
            std::abort();
        padded.assign(1, ' ').append(line);
        if (parser.parse(padded, general) != ok ||
            (ok && (general.ci != record.ci || general.co != record.co || general.category != record.category ||
                    general.project != record.project)))
            std::abort();
        (void)velkor::log_date_key(line);
    }
    return 0;
}
