#pragma once
// Appends session and note records to the log file, one TAB-separated CR LF line each.

#include "core/LockdownSwitches.h"
#include "platform/LogAppend.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace velkor {

struct DateRec;
struct TimeRec;
class ProjectList;
class IniFile;
class Prompt;

/// What an append achieved: on disk, or the button pressed in the failure message.
enum class AppendResult
{
    Written,
    Retry,  ///< the user wants the same record tried again
    Cancel, ///< the record is given up (also after a failed memory allocation)
};

/// Everything one log line holds, before formatting.
struct LogRecordFields
{
    const DateRec& ci_date;
    const TimeRec& ci_time;
    const DateRec& co_date;
    const TimeRec& co_time;
    std::string_view category;
    std::string_view project;
    std::int32_t rate = 0; // hundredths, zero or more
    std::string_view memo;
    std::string_view environment;
};

/// The record text without line end: seven fields, then the memo and environment fields when due.
std::string format_log_record(const LogRecordFields& fields);

/// Scrambles record in place for the given check-out second; returns the key byte that goes in
/// front of it in the file.
unsigned char scramble_log_record(char* record, std::size_t length, unsigned check_out_second);

/// Writes memo as it is stored in files: CR LF becomes "\/", any other CR or LF a blank.
void transform_memo(std::string_view memo, char* out);

class LogWriter
{
public:
    using LogPathSource = std::function<std::string()>;
    using ProjectsSource = std::function<const ProjectList&()>;
    using EnvironmentSource = std::function<std::string()>;
    using QuitRequest = std::function<void()>;

    /// The log path, projects and environment are asked at every append (the workspace replaces
    /// the log, the program-wide list is replaced at times, the environment string belongs to the
    /// session). sink defaults to the POSIX file.
    LogWriter(Prompt& prompt, IniFile& settings, LogPathSource log_path, ProjectsSource projects,
              EnvironmentSource environment, QuitRequest request_quit, LockdownSwitches switches = kLockdownSwitches,
              std::unique_ptr<LogSink> sink = nullptr);
    virtual ~LogWriter();
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    /// Appends one record for project (c, p) to the log file; Written once it is synced to disk.
    /// After a failure the file is as it was before the call. Where it cannot be put back, the
    /// file itself decides: a record that stands whole at its end counts as written (so neither
    /// Retry nor Cancel can leave it there twice, or beside a session still open); anything
    /// else is a failure, and the next record starts a line of its own.
    [[nodiscard]] AppendResult AppendLogRecord(const DateRec& ci_date, const TimeRec& ci_time, const DateRec& co_date,
                                               const TimeRec& co_time, std::size_t c, std::size_t p,
                                               std::string_view memo);
    /// The same with the environment values given, for a record that is not the open session's.
    [[nodiscard]] AppendResult AppendLogRecord(const DateRec& ci_date, const TimeRec& ci_time, const DateRec& co_date,
                                               const TimeRec& co_time, std::size_t c, std::size_t p,
                                               std::string_view memo, std::string_view environment);

    /// Capacity of the reusable record buffer (0 until the first record).
    std::size_t buffer_capacity() const { return my_capacity; }
    /// The log the next record goes to.
    std::string log_path() const { return my_log_path(); }
    /// The program is ending without the user (a signal, the end of the desktop session): from
    /// now on no record is written, and every append gives Cancel without a word.
    void refuse_appends() { my_refusing = true; }

protected:
    /// Allocates the record buffer; throws std::bad_alloc when it cannot.
    virtual std::unique_ptr<char[]> allocate(std::size_t size);

private:
    bool reserve(std::size_t needed, std::size_t exact);
    AppendResult fail(const char* text, const std::string& log_path, std::string_view bytes = {});

    Prompt& my_prompt;
    IniFile& my_settings;
    LogPathSource my_log_path;
    ProjectsSource my_projects;
    EnvironmentSource my_environment;
    QuitRequest my_request_quit;
    LockdownSwitches my_switches;
    std::unique_ptr<LogSink> my_sink;
    std::unique_ptr<char[]> my_buffer;
    std::size_t my_capacity = 0;
    bool my_refusing = false;
};

} // namespace velkor
