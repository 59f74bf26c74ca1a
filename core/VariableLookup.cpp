#include "core/VariableLookup.h"

#include <cstdlib>
#include <strings.h>

namespace velkor {

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
        if (strncasecmp(arg.c_str(), name.c_str(), eq) == 0)
            return arg.substr(eq + 1);
    }
    if (const char* value = std::getenv(name.c_str()))
        return std::string(value);
    return std::nullopt;
}

} // namespace velkor
