#include "core/WorkingFolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace velkor {
namespace {

bool is_separator(char c)
{
    return c == '/' || c == '\\';
}

std::string without_trailing_separator(std::string folder)
{
    while (folder.size() > 1 && is_separator(folder.back()))
        folder.pop_back();
    return folder;
}

bool equal_ignoring_case(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool is_unix_installation_folder(const std::string& folder)
{
    return folder.rfind("/usr/", 0) == 0 || folder.rfind("/opt/", 0) == 0 || folder == "/usr" || folder == "/opt";
}

// The part of the folder after "Program Files", from the next separator on; none when the marker
// is not there.
std::optional<std::string> rest_after_program_files(const std::string& folder)
{
    const std::string marker = "Program Files";
    std::size_t at = folder.find(marker);
    if (at == std::string::npos)
        return std::nullopt;
    std::size_t sep = at + marker.size();
    while (sep < folder.size() && !is_separator(folder[sep]))
        ++sep;
    std::string rest = folder.substr(sep);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return rest;
}

} // namespace

std::optional<std::string> working_folder_target(const std::string& cwd, const std::string& program_folder,
                                                 const std::optional<std::string>& documents)
{
    std::string folder = without_trailing_separator(program_folder);
    if (folder.empty() || !equal_ignoring_case(without_trailing_separator(cwd), folder))
        return std::nullopt;
    if (!documents || documents->empty())
        return std::nullopt;
    const std::string base = without_trailing_separator(*documents);
    if (std::optional<std::string> rest = rest_after_program_files(folder)) {
        if (rest->empty() || *rest == "/")
            return base + "/Default";
        return base + without_trailing_separator(*rest);
    }
    if (is_unix_installation_folder(folder))
        return base + "/Velkor";
    return std::nullopt;
}

bool switch_working_folder(const std::string& target)
{
    std::error_code ec;
    std::filesystem::create_directories(target, ec);
    if (ec)
        return false;
    std::filesystem::current_path(target, ec);
    return !ec;
}

} // namespace velkor
