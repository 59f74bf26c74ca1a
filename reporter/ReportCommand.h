#pragma once
// The reporter's command line: options, the log chosen as Velkor chooses it, and the text
// forms (CSV, JSON, HTML) written to standard output without a window.

#include "core/Clock.h"
#include "reporter/Report.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velkor {

class IniFile;
class ProjectList;

/// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; ///< the log cannot be read or the report not written
inline constexpr int kExitBadUsage = 2;

/// Velkor's settings file in its working folder, where Velkor starts the reporter.
inline constexpr const char* kReporterSettingsFile = "./velkors.ini";

enum class ReportMode
{
    Window,
    Csv,
    Json,
    Html,
    Help
};

struct ReportOptions
{
    ReportMode mode = ReportMode::Window;
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<PeriodPreset> period;
    GroupBy by = GroupBy::Project;
    std::optional<std::string> log_file;     ///< -l
    std::optional<std::string> project_file; ///< -p
    std::vector<std::string> variables;      ///< NAME=value arguments
};

/// Reads the arguments after the program name; on failure error tells why.
std::optional<ReportOptions> parse_report_options(const std::vector<std::string>& arguments, std::string& error);

/// The usage text of --help.
std::string report_usage();

/// Files and settings a report reads.
struct ReporterSetup
{
    std::string log_path;
    std::string project_path;
    int date_order = 0;
    std::size_t env_count = 0;
    std::int32_t default_rate = 0;
};

/// The log as Velkor picks it: -l, else VKR_LOG_FILE (a NAME=value argument before the
/// environment), else the LogFile setting; the project file likewise with -p, VKR_PROJECT_FILE
/// and ProjectFile. DateFormat comes from [Reporter].
ReporterSetup read_reporter_setup(IniFile& settings, const ReportOptions& options);

/// The days the options ask for: --period, or --from and --to (each may be left out), in the
/// date order; all days when none is given. None with error set when a date is bad.
std::optional<DayRange> resolve_range(const ReportOptions& options, int order, const Clock& clock, std::string& error);

/// Reads the project file for order, colours and rates, without a word about its problems
/// (they are Velkor's to report); a missing file leaves the list empty.
void read_report_projects(const std::string& path, ProjectList& projects);

/// Runs a text mode (or --help) with the settings file in the working folder. Returns the exit
/// status; messages go to err.
int run_report_command(const ReportOptions& options, const Clock& clock, std::ostream& out, std::ostream& err);

/// Parses arguments and runs a text mode; for a window the caller goes on. Returns the exit
/// status, or none when a window is to be opened (the options are then in options).
std::optional<int> run_report_arguments(const std::vector<std::string>& arguments, const Clock& clock,
                                        std::ostream& out, std::ostream& err, ReportOptions& options);

} // namespace velkor
