#include "core/VariableLookup.h"

#include <cctype>
#include <cstdlib>

namespace velkor {
namespace {

bool equal_ignoring_case(const std::string& a, const std::string& b, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> VariableLookup::lookup(const std::string& name) const
{
    for (std::size_t i = 0; i < my_arguments.size(); ++i) {
        const std::string& arg = my_arguments[i];
        if (!arg.empty() && arg[0] == '-') {
            ++i; // an option and its value
            continue;
        }
        auto eq = arg.find('=');
        if (eq == std::string::npos || eq != name.size())
            continue;
        if (equal_ignoring_case(arg, name, eq))
            return arg.substr(eq + 1);
    }
    if (const char* value = std::getenv(name.c_str()))
        return std::string(value);
    return std::nullopt;
}

} // namespace velkor
