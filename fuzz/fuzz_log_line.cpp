// Arbitrary bytes through the log line reader and the record parse.

#include "core/LogReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static velkor::LogRecordParser parser;
    velkor::LogLineReader reader(std::string_view(reinterpret_cast<const char*>(data), size));
    velkor::LogRecord record;
    std::string_view line;
    while (reader.next(line)) {
        if (line.size() > velkor::kMaxLogLineLength)
            std::abort();
        if (parser.parse(line, record) && (record.duration < 0 || record.co - record.ci != record.duration))
            std::abort();
        (void)velkor::log_date_key(line);
    }
    return 0;
}
