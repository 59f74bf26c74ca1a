#include "core/CommandLine.h"

namespace velkor {
namespace {

bool is_option(const std::string& arg)
{
    return !arg.empty() && arg[0] == '-';
}

// The option letter that matters: only the first two characters are looked at, so -log is -l.
char option_letter(const std::string& arg)
{
    return arg.size() >= 2 ? arg[1] : '\0';
}

bool takes_known_value(const std::string& arg)
{
    char letter = option_letter(arg);
    return letter == 'l' || letter == 'p' || letter == 't';
}

std::size_t last_separator(const std::string& path)
{
    return path.find_last_of("/\\");
}

// An empty value sets nothing: an empty file name or title would only stand in for the setting.
std::optional<std::string> override_value(const std::string& value, std::size_t max_bytes = std::string::npos)
{
    if (value.empty())
        return std::nullopt;
    return max_bytes == std::string::npos ? value : cut_utf8(value, max_bytes);
}

} // namespace

std::string folder_of(const std::string& path)
{
    std::size_t sep = last_separator(path);
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string path_stem(const std::string& path)
{
    std::size_t dot = path.rfind('.');
    std::size_t sep = last_separator(path);
    if (dot == std::string::npos || (sep != std::string::npos && dot < sep))
        return path;
    return path.substr(0, dot);
}

LockFileNames lock_file_names(const std::string& log_path)
{
    std::string stem = path_stem(log_path);
    return {stem + ".lck", stem + ".clg"};
}

CommandLine::CommandLine(const std::string& argument0, std::vector<std::string> arguments)
    : my_program_folder(folder_of(argument0)), my_reporter_path(my_program_folder + kReporterFileName),
      my_arguments(std::move(arguments))
{
}

void CommandLine::apply_variables(const VariableLookup& lookup)
{
    if (auto value = lookup.lookup("VKR_LOG_FILE"))
        my_log_file_override = override_value(*value);
    if (auto value = lookup.lookup("VKR_PROJECT_FILE"))
        my_project_file_override = override_value(*value);
    if (auto value = lookup.lookup("VKR_TITLE"))
        my_window_title = override_value(*value, kMaxTitleBytes);
}

void CommandLine::apply_options()
{
    for (std::size_t i = 0; i < my_arguments.size(); ++i) {
        const std::string& arg = my_arguments[i];
        if (!is_option(arg))
            continue;
        // An option that is the last argument has no value and counts as absent.
        if (i + 1 >= my_arguments.size())
            break;
        const std::string& value = my_arguments[++i];
        switch (option_letter(arg)) {
        case 'l':
            my_log_file_override = override_value(value);
            break;
        case 'p':
            my_project_file_override = override_value(value);
            break;
        case 't':
            my_window_title = override_value(value, kMaxTitleBytes);
            break;
        default:
            break; // unknown options are reported by check_arguments
        }
    }
}

bool CommandLine::check_arguments(Prompt& prompt) const
{
    bool ok = true;
    for (std::size_t i = 0; i < my_arguments.size(); ++i) {
        const std::string& arg = my_arguments[i];
        if (is_option(arg)) {
            if (takes_known_value(arg)) {
                ++i;
                continue;
            }
            // The value of an unknown option is not skipped: it is checked as an argument of its own.
            prompt.message("Unknown command line argument:\n" + message_excerpt(arg), "Error", Buttons::Ok, Icon::Stop);
            ok = false;
        } else if (arg.find('=') == std::string::npos) {
            prompt.message("Unknown argument: " + message_excerpt(arg), "Error", Buttons::Ok, Icon::Stop);
            ok = false;
        }
    }
    return ok;
}

std::string CommandLine::log_file_path(const std::string& setting) const
{
    return cut_utf8(my_log_file_override ? *my_log_file_override : setting, kMaxPathBytes);
}

std::string CommandLine::project_file_path(const std::string& setting) const
{
    return cut_utf8(my_project_file_override ? *my_project_file_override : setting, kMaxPathBytes);
}

} // namespace velkor
