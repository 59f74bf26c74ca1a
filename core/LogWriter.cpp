#include "core/LogWriter.h"

#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProjectList.h"
#include "core/TimeValues.h"
#include "platform/LogAppend.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace velkor {

namespace {

constexpr char kOpenFailure[] = "Cannot open the log file! If another application is\n"
                                "using the file, please exit it.  Or there might be\n"
                                "too many files open--you may wish to exit some other\n"
                                "applications.  Click Retry to try again, or Cancel to\n"
                                "abort the check-in or check-out.";
constexpr char kWriteFailure[] = "Cannot write to the log file! This may be due to\n"
                                 "the disk being full. You may wish to delete some\n"
                                 "other files and then Retry, or Cancel now to abort.";
constexpr char kCloseFailure[] = "Cannot close to the log file! This may be due to\n"
                                 "the disk being full. You may wish to delete some\n"
                                 "other files and then Retry, or Cancel now to abort.";

// The numeric fields, formatted before the buffer is sized. Even absurd values fit these arrays.
struct NumericFields
{
    char moments[128];
    std::size_t moments_length;
    char rate[16];
    std::size_t rate_length;

    explicit NumericFields(const LogRecordFields& f)
    {
        int n = std::snprintf(moments, sizeof moments, "%d/%02d/%02d\t%02d:%02d:%02d\t%d/%02d/%02d\t%02d:%02d:%02d\t",
                              f.ci_date.year, f.ci_date.month, f.ci_date.day, f.ci_time.hour, f.ci_time.minute,
                              f.ci_time.second, f.co_date.year, f.co_date.month, f.co_date.day, f.co_time.hour,
                              f.co_time.minute, f.co_time.second);
        moments_length = n < 0 ? 0 : static_cast<std::size_t>(n);
        n = std::snprintf(rate, sizeof rate, "%d.%02d", f.rate / 100, f.rate % 100);
        rate_length = n < 0 ? 0 : static_cast<std::size_t>(n);
    }
};

bool has_memo_field(const LogRecordFields& f)
{
    return !f.memo.empty() || !f.environment.empty();
}

std::size_t record_length(const LogRecordFields& f, const NumericFields& n)
{
    std::size_t length = n.moments_length + f.category.size() + 1 + f.project.size() + 1 + n.rate_length;
    if (has_memo_field(f))
        length += 1 + f.memo.size();
    if (!f.environment.empty())
        length += 1 + f.environment.size();
    return length;
}

char* put(char* out, const char* text, std::size_t length)
{
    if (length > 0)
        std::memcpy(out, text, length);
    return out + length;
}

// Writes the record into out, which has room for record_length bytes; returns the length.
std::size_t assemble(char* out, const LogRecordFields& f, const NumericFields& n)
{
    char* p = put(out, n.moments, n.moments_length);
    p = put(p, f.category.data(), f.category.size());
    *p++ = '\t';
    p = put(p, f.project.data(), f.project.size());
    *p++ = '\t';
    p = put(p, n.rate, n.rate_length);
    if (has_memo_field(f)) {
        *p++ = '\t';
        transform_memo(f.memo, p);
        p += f.memo.size();
    }
    if (!f.environment.empty()) {
        *p++ = '\t';
        // The string may come back from a damaged crash record; a line break would split the line.
        for (char ch : f.environment)
            *p++ = (ch == '\r' || ch == '\n') ? ' ' : ch;
    }
    return static_cast<std::size_t>(p - out);
}

} // namespace

void transform_memo(std::string_view memo, char* out)
{
    for (std::size_t i = 0; i < memo.size(); ++i) {
        char ch = memo[i];
        if (ch == '\r' && i + 1 < memo.size() && memo[i + 1] == '\n') {
            *out++ = '\\';
            *out++ = '/';
            ++i;
        } else {
            *out++ = (ch == '\r' || ch == '\n') ? ' ' : ch;
        }
    }
}

std::string format_log_record(const LogRecordFields& fields)
{
    const NumericFields numbers(fields);
    std::string record(record_length(fields, numbers), '\0');
    assemble(record.data(), fields, numbers);
    return record;
}

unsigned char scramble_log_record(char* record, std::size_t length, unsigned check_out_second)
{
    const unsigned key = ((check_out_second % 30) + 65) | 0x80;
    unsigned running = (key | 0x80) & ~0x20u;
    for (std::size_t i = 0; i < length; ++i) {
        record[i] = static_cast<char>(static_cast<unsigned char>(record[i]) ^ running);
        running = (running + (key % 30) + 1) & 0xDF;
    }
    return static_cast<unsigned char>(key);
}

LogWriter::LogWriter(Prompt& prompt, IniFile& settings, LogPathSource log_path, ProjectsSource projects,
                     EnvironmentSource environment, QuitRequest request_quit, LockdownSwitches switches,
                     std::unique_ptr<LogSink> sink)
    : my_prompt(prompt), my_settings(settings), my_log_path(std::move(log_path)), my_projects(std::move(projects)),
      my_environment(std::move(environment)), my_request_quit(std::move(request_quit)), my_switches(switches),
      my_sink(sink ? std::move(sink) : std::make_unique<LogAppend>())
{
}

LogWriter::~LogWriter() = default;

std::unique_ptr<char[]> LogWriter::allocate(std::size_t size)
{
    return std::make_unique<char[]>(size);
}

bool LogWriter::reserve(std::size_t needed, std::size_t exact)
{
    // The margin of 50 bytes covers ordinary records; the exact size is checked as well, so
    // absurd dates or rates can never overrun the buffer.
    if (needed <= my_capacity && exact <= my_capacity)
        return true;
    const std::size_t capacity = (needed >= exact ? needed : exact) + 512;
    my_buffer.reset();
    my_capacity = 0;
    try {
        my_buffer = allocate(capacity);
    } catch (const std::bad_alloc&) {
        return false;
    }
    my_capacity = capacity;
    return true;
}

AppendResult LogWriter::fail(const char* text, const std::string& log_path, std::string_view bytes)
{
    if (!my_sink->roll_back() && !bytes.empty() && my_sink->ends_with(bytes))
        return AppendResult::Written;
    Answer answer = my_prompt.message(text, message_excerpt(log_path), Buttons::RetryCancel, Icon::Exclamation);
    return answer == Answer::Retry ? AppendResult::Retry : AppendResult::Cancel;
}

AppendResult LogWriter::AppendLogRecord(const DateRec& ci_date, const TimeRec& ci_time, const DateRec& co_date,
                                        const TimeRec& co_time, std::size_t c, std::size_t p, std::string_view memo)
{
    const std::string environment = my_environment();
    return AppendLogRecord(ci_date, ci_time, co_date, co_time, c, p, memo, environment);
}

AppendResult LogWriter::AppendLogRecord(const DateRec& ci_date, const TimeRec& ci_time, const DateRec& co_date,
                                        const TimeRec& co_time, std::size_t c, std::size_t p, std::string_view memo,
                                        std::string_view environment)
{
    if (my_refusing)
        return AppendResult::Cancel;
    const ProjectList& projects = my_projects();
    LogRecordFields fields{.ci_date = ci_date,
                           .ci_time = ci_time,
                           .co_date = co_date,
                           .co_time = co_time,
                           .category = projects.category_name(c),
                           .project = projects.project_name(c, p),
                           .memo = memo,
                           .environment = environment};

    const std::string log_path = my_log_path();
    if (!my_sink->open(log_path))
        return fail(kOpenFailure, log_path);

    fields.rate = projects.effective_rate(c, p, get_int(my_settings, kRate));
    if (fields.rate < 0)
        fields.rate = 0; // a negative Rate setting would otherwise print as "-0.-50"

    const NumericFields numbers(fields);
    const std::size_t needed = memo.size() + fields.category.size() + fields.project.size() + environment.size() + 50;
    // The buffer holds the key byte, the record and CR LF, so it goes to the file in one write.
    if (!reserve(needed, 1 + record_length(fields, numbers) + 2)) {
        my_sink->roll_back();
        my_prompt.message("Impossible memory allocation failure!", "Error", Buttons::Ok, Icon::None);
        if (my_request_quit)
            my_request_quit();
        return AppendResult::Cancel;
    }

    // The key byte goes in front of a scrambled record, so the record starts one byte in.
    char* record = my_buffer.get() + 1;
    std::size_t length = assemble(record, fields, numbers);
    char* start = record;
    if (my_switches.is_on(LockdownFeature::ScrambledRecords)) {
        start = record - 1;
        *start = static_cast<char>(scramble_log_record(record, length, co_time.second));
        ++length;
    }
    start[length++] = '\r';
    start[length++] = '\n';

    const std::string_view bytes(start, length);
    if (!my_sink->write(bytes) || !my_sink->flush())
        return fail(kWriteFailure, log_path, bytes);
    if (!my_sink->close())
        return fail(kCloseFailure, log_path, bytes);
    return AppendResult::Written;
}

} // namespace velkor
