#pragma once
// Looks a variable up: name=value command-line arguments first, then the process environment.

#include <optional>
#include <string>
#include <vector>

namespace velkor {

class VariableLookup
{
public:
    VariableLookup() = default;
    explicit VariableLookup(std::vector<std::string> arguments) : my_arguments(std::move(arguments)) {}

    /// The value of the variable, or none. Argument names match ignoring letter case.
    std::optional<std::string> lookup(const std::string& name) const;
    const std::vector<std::string>& arguments() const { return my_arguments; }

private:
    std::vector<std::string> my_arguments;
};

} // namespace velkor
