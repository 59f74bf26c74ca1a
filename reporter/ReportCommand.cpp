#include "reporter/ReportCommand.h"

#include "base/Utf8Text.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/CommandLine.h"
#include "core/LineReader.h"
#include "core/ProjectFile.h"
#include "core/ProjectList.h"
#include "core/TimeValues.h"
#include "core/VariableLookup.h"
#include "reporter/ReportHtml.h"
#include "reporter/ReportText.h"

#include <cerrno>
#include <cstring>

namespace velkor {

namespace {

constexpr const char* kUsage =
    "Usage: vkrept [options] [NAME=value ...]\n"
    "Without --csv, --json or --html the reporter opens its window.\n"
    "\n"
    "  --from DATE      first check-in date to report\n"
    "  --to DATE        last check-in date to report\n"
    "  --period P       today, week (Sunday to Saturday), month, last-month or all\n"
    "  --by G           group by category, project (the default), day, week or month\n"
    "  --csv            write the report as CSV to standard output\n"
    "  --json           write the report as JSON to standard output\n"
    "  --html           write the report as an HTML page to standard output\n"
    "  -l, --log FILE   the log file (else VKR_LOG_FILE, else LogFile in velkors.ini)\n"
    "  -p, --projects FILE\n"
    "                   the project file, for order, colours and rates (else VKR_PROJECT_FILE,\n"
    "                   else ProjectFile in velkors.ini)\n"
    "  -h, --help       show this text\n"
    "\n"
    "Dates are read in the order set by DateFormat in the [Reporter] section of velkors.ini\n"
    "(mm/dd/yyyy, dd/mm/yyyy or yyyy/mm/dd); a date that starts with four digits is always\n"
    "year/month/day, as in 2024/03/07 or 2024-03-07. Sessions count on their check-in date.\n"
    "Exit status: 0 done, 1 the log cannot be read or the report not written, 2 bad options\n"
    "or dates.\n";

// A record of which option sets what, so that each is given once.
struct OptionParser
{
    const std::vector<std::string>& arguments;
    std::string& error;
    ReportOptions options;
    bool mode_given = false;
    bool by_given = false;
    std::size_t i = 0;

    bool fail(const std::string& text)
    {
        error = text;
        return false;
    }

    // The value of the option at i: "--opt=value" or the next argument.
    bool value_of(const std::string& name, std::optional<std::string>& inline_value, std::string& value)
    {
        if (inline_value) {
            value = *inline_value;
            return true;
        }
        if (i + 1 >= arguments.size())
            return fail("option " + name + " needs a value");
        value = arguments[++i];
        return true;
    }

    bool set_once(std::optional<std::string>& slot, const std::string& name, const std::string& value)
    {
        if (slot)
            return fail("option " + name + " is given twice");
        slot = value;
        return true;
    }

    bool set_mode(ReportMode mode, const std::string& name)
    {
        if (mode_given)
            return fail("option " + name + " cannot be combined with another output form");
        mode_given = true;
        options.mode = mode;
        return true;
    }

    bool period(const std::string& value)
    {
        if (options.period)
            return fail("option --period is given twice");
        static const std::pair<const char*, PeriodPreset> kPeriods[] = {{"today", PeriodPreset::Today},
                                                                        {"week", PeriodPreset::ThisWeek},
                                                                        {"month", PeriodPreset::ThisMonth},
                                                                        {"last-month", PeriodPreset::LastMonth},
                                                                        {"all", PeriodPreset::All}};
        for (const auto& [name, preset] : kPeriods) {
            if (value == name) {
                options.period = preset;
                return true;
            }
        }
        return fail("unknown period \"" + cut_utf8(value, 100) + "\" (today, week, month, last-month or all)");
    }

    bool group(const std::string& value)
    {
        if (by_given)
            return fail("option --by is given twice");
        const auto by = parse_group_by(value);
        if (!by)
            return fail("cannot group by \"" + cut_utf8(value, 100) + "\" (category, project, day, week or month)");
        by_given = true;
        options.by = *by;
        return true;
    }

    bool option(const std::string& argument)
    {
        std::string name = argument;
        std::optional<std::string> inline_value;
        if (const auto eq = argument.find('='); argument.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = argument.substr(0, eq);
            inline_value = argument.substr(eq + 1);
        }
        if (name == "--help" || name == "-h")
            return set_mode(ReportMode::Help, name);
        if (name == "--csv" || name == "--json" || name == "--html") {
            if (inline_value)
                return fail("option " + name + " takes no value");
            return set_mode(name == "--csv"    ? ReportMode::Csv
                            : name == "--json" ? ReportMode::Json
                                               : ReportMode::Html,
                            name);
        }
        std::string value;
        if (name == "--from" || name == "--to" || name == "--period" || name == "--by" || name == "-l" ||
            name == "--log" || name == "-p" || name == "--projects") {
            if (!value_of(name, inline_value, value))
                return false;
        } else {
            return fail("unknown option " + cut_utf8(argument, 100));
        }
        if (name == "--from")
            return set_once(options.from, name, value);
        if (name == "--to")
            return set_once(options.to, name, value);
        if (name == "--period")
            return period(value);
        if (name == "--by")
            return group(value);
        if (name == "-l" || name == "--log")
            return set_once(options.log_file, name, value);
        return set_once(options.project_file, name, value);
    }

    bool run()
    {
        for (; i < arguments.size(); ++i) {
            const std::string& argument = arguments[i];
            if (!argument.empty() && argument[0] == '-') {
                if (!option(argument))
                    return false;
            } else if (argument.find('=') != std::string::npos && argument[0] != '=') {
                options.variables.push_back(argument);
            } else {
                return fail("unknown argument " + cut_utf8(argument, 100));
            }
        }
        if (options.period && (options.from || options.to))
            return fail("--period cannot be combined with --from or --to");
        return true;
    }
};

// An empty value sets nothing, as in Velkor.
std::string chosen_path(const std::optional<std::string>& option, const VariableLookup& lookup, const char* variable,
                        IniFile& settings, const SettingKey& key)
{
    std::string path;
    if (option && !option->empty())
        path = *option;
    else if (auto value = lookup.lookup(variable); value && !value->empty())
        path = *value;
    else
        path = get(settings, key);
    return cut_utf8(path, kMaxPathBytes);
}

class SilentPrompt : public Prompt
{
public:
    Answer message(const Message&) override { return Answer::Ok; }
};

std::string error_text(int error)
{
    return std::strerror(error);
}

} // namespace

std::optional<ReportOptions> parse_report_options(const std::vector<std::string>& arguments, std::string& error)
{
    OptionParser parser{arguments, error, {}};
    if (!parser.run())
        return std::nullopt;
    return parser.options;
}

std::string report_usage()
{
    return kUsage;
}

ReporterSetup read_reporter_setup(IniFile& settings, const ReportOptions& options)
{
    const VariableLookup lookup(options.variables);
    ReporterSetup setup;
    setup.log_path = chosen_path(options.log_file, lookup, "VKR_LOG_FILE", settings, kLogFile);
    setup.project_path = chosen_path(options.project_file, lookup, "VKR_PROJECT_FILE", settings, kProjectFile);
    const int order = get_int(settings, kDateFormat);
    setup.date_order = order == 1 || order == 2 ? order : 0;
    setup.env_count = static_cast<std::size_t>(std::max(0, get_int(settings, kEnvVarCount)));
    setup.default_rate = get_int(settings, kRate);
    return setup;
}

std::optional<DayRange> resolve_range(const ReportOptions& options, int order, const Clock& clock, std::string& error)
{
    if (options.period)
        return preset_range(*options.period, clock);
    DayRange range;
    const auto read = [&](const std::optional<std::string>& text, const char* name, std::int64_t& day) {
        if (!text)
            return true;
        const auto parsed = parse_report_date(*text, order, clock);
        if (!parsed) {
            error = std::string(name) + ": \"" + cut_utf8(*text, 100) + "\" is not a date in the order " +
                    DateOrderName(order) + " or yyyy/mm/dd";
            return false;
        }
        day = *parsed;
        return true;
    };
    if (!read(options.from, "--from", range.first) || !read(options.to, "--to", range.last))
        return std::nullopt;
    if (range.first > range.last) {
        error = "--from " + format_day(range.first, order) + " comes after --to " + format_day(range.last, order);
        return std::nullopt;
    }
    return range;
}

void read_report_projects(const std::string& path, ProjectList& projects)
{
    std::string bytes;
    if (read_whole_file(path, bytes) != 0)
        return;
    SilentPrompt prompt;
    read_project_file(bytes, projects, prompt);
}

int run_report_command(const ReportOptions& options, const Clock& clock, std::ostream& out, std::ostream& err)
{
    if (options.mode == ReportMode::Help) {
        out << kUsage;
        return kExitOk;
    }
    PrivateIniFile settings(kReporterSettingsFile);
    settings.set_read_only(true);
    const ReporterSetup setup = read_reporter_setup(settings, options);
    std::string error;
    const auto range = resolve_range(options, setup.date_order, clock, error);
    if (!range) {
        err << "vkrept: " << error << "\nTry 'vkrept --help'.\n";
        return kExitBadUsage;
    }
    if (options.mode == ReportMode::Window)
        return kExitOk;

    LogEntries log(setup.env_count);
    if (const int read_error = read_log_entries(setup.log_path, log); read_error != 0) {
        err << "vkrept: Cannot read from " << setup.log_path << ": " << error_text(read_error) << '\n';
        return kExitFailed;
    }
    ProjectList projects;
    read_report_projects(setup.project_path, projects);
    const ReportContext context{&projects, setup.default_rate};
    const Report report = build_report(log, *range, options.by, context);
    const ReportSource source{setup.log_path, log.unreadable_lines()};
    switch (options.mode) {
    case ReportMode::Csv:
        out << report_csv(report, log, setup.date_order, false);
        break;
    case ReportMode::Json:
        out << report_json(report, log, source);
        break;
    default:
        out << report_html(report, log, chart_data(report, log, context, setup.date_order), source,
                           HtmlOptions{setup.date_order, context, {}});
        break;
    }
    if (log.unreadable_lines() > 0) {
        err << "vkrept: " << unreadable_message(log.unreadable_lines()) << " (line";
        const auto& lines = log.first_unreadable();
        err << (lines.size() > 1 ? "s " : " ");
        for (std::size_t k = 0; k < lines.size(); ++k)
            err << (k > 0 ? ", " : "") << lines[k];
        err << (log.unreadable_lines() > lines.size() ? ", ...)\n" : ")\n");
    }
    if (report.unrated > 0)
        err << "vkrept: " << unrated_message(report.unrated) << '\n';
    out.flush();
    if (!out) {
        err << "vkrept: the report could not be written\n";
        return kExitFailed;
    }
    return kExitOk;
}

std::optional<int> run_report_arguments(const std::vector<std::string>& arguments, const Clock& clock,
                                        std::ostream& out, std::ostream& err, ReportOptions& options)
{
    std::string error;
    auto parsed = parse_report_options(arguments, error);
    if (!parsed) {
        err << "vkrept: " << error << "\nTry 'vkrept --help'.\n";
        return kExitBadUsage;
    }
    options = *parsed;
    const int status = run_report_command(options, clock, out, err);
    if (options.mode == ReportMode::Window && status == kExitOk)
        return std::nullopt;
    return status;
}

} // namespace velkor
