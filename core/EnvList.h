#pragma once
// The user's list of environment variables whose values are recorded with each session.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velkor {

class IniFile;
class Prompt;
class VariableLookup;

class EnvList
{
public:
    struct EnvEntry
    {
        std::string name;
        bool required = false;

        bool operator==(const EnvEntry&) const = default;
    };

    /// Longest name kept from the settings file.
    static constexpr std::size_t kMaxNameLength = 127;
    /// Most entries read from the settings file.
    static constexpr int kMaxEntries = 1000;

    EnvList();
    /// Reads EnvVarCount (at most kMaxEntries), EnvVar%d and EnvVar%dRequired.
    explicit EnvList(IniFile& settings);

    /// Writes the count and every entry's name and required flag (0 or 1).
    void save(IniFile& settings) const;

    /// Appends name, not required.
    void append(std::string name);
    void remove(std::size_t e);
    void swap(std::size_t e1, std::size_t e2);
    void set_name(std::size_t e, std::string name);
    void set_required(std::size_t e, bool required);
    bool required(std::size_t e) const;
    const EnvEntry& entry(std::size_t e) const;
    std::size_t count() const { return my_entries.size(); }
    /// Index of the entry named exactly name (case-sensitive), or -1.
    int find(std::string_view name) const;

    /// What a required variable without a value does to the string being built.
    enum class MissingRequired
    {
        Refuse, ///< a check-in: nothing is built
        Record, ///< a record written all the same: its slot stays empty
    };

    /// Looks up every variable and builds the environment string: one slot per entry, TAB
    /// between slots (TABs and line breaks inside values become blanks). A required variable
    /// without a value shows the error and returns false; with Refuse environment is left
    /// unchanged, with Record it gets the string with that slot empty.
    bool build_environment_string(const VariableLookup& lookup, Prompt& prompt, std::string& environment,
                                  MissingRequired missing = MissingRequired::Refuse) const;

    bool operator==(const EnvList&) const = default;

private:
    std::vector<EnvEntry> my_entries;
};

} // namespace velkor
