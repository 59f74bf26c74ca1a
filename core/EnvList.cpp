#include "core/EnvList.h"

#include "base/Prompt.h"
#include "base/Utf8Text.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/Assert.h"
#include "core/VariableLookup.h"

#include <algorithm>
#include <utility>

namespace velkor {

EnvList::EnvList()
{
    my_entries.reserve(10);
}

EnvList::EnvList(IniFile& settings) : EnvList()
{
    // A damaged count must not make start-up read millions of absent keys.
    const int n = std::min(get_int(settings, kEnvVarCount), kMaxEntries);
    for (int i = 0; i < n; ++i)
        my_entries.push_back({get(settings, indexed(kEnvVar, i)), get_flag(settings, indexed(kEnvVarRequired, i))});
}

void EnvList::save(IniFile& settings) const
{
    put_int(settings, kEnvVarCount, static_cast<int>(my_entries.size()));
    for (std::size_t i = 0; i < my_entries.size(); ++i) {
        const int number = static_cast<int>(i);
        put(settings, indexed(kEnvVar, number), my_entries[i].name);
        put_int(settings, indexed(kEnvVarRequired, number), my_entries[i].required ? 1 : 0);
    }
}

void EnvList::append(std::string name)
{
    my_entries.push_back({std::move(name), false});
}

void EnvList::remove(std::size_t e)
{
    VELKOR_ASSERT(e < my_entries.size(), "e < my_n_entries");
    my_entries.erase(my_entries.begin() + static_cast<std::ptrdiff_t>(e));
}

void EnvList::swap(std::size_t e1, std::size_t e2)
{
    VELKOR_ASSERT(e1 < my_entries.size() && e2 < my_entries.size(), "e1 < my_n_entries && e2 < my_n_entries");
    std::swap(my_entries[e1], my_entries[e2]);
}

void EnvList::set_name(std::size_t e, std::string name)
{
    VELKOR_ASSERT(e < my_entries.size(), "e < my_n_entries");
    my_entries[e].name = std::move(name);
}

void EnvList::set_required(std::size_t e, bool required)
{
    VELKOR_ASSERT(e < my_entries.size(), "e < my_n_entries");
    my_entries[e].required = required;
}

bool EnvList::required(std::size_t e) const
{
    return entry(e).required;
}

const EnvList::EnvEntry& EnvList::entry(std::size_t e) const
{
    VELKOR_ASSERT(e < my_entries.size(), "e < my_n_entries");
    return my_entries[e];
}

int EnvList::find(std::string_view name) const
{
    for (std::size_t i = 0; i < my_entries.size(); ++i) {
        if (my_entries[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

bool EnvList::build_environment_string(const VariableLookup& lookup, Prompt& prompt, std::string& environment,
                                       MissingRequired missing) const
{
    // Built aside, so a refused check-in leaves the session's string as it was.
    std::string built;
    bool complete = true;
    for (std::size_t i = 0; i < my_entries.size(); ++i) {
        const EnvEntry& entry = my_entries[i];
        std::optional<std::string> value = lookup.lookup(entry.name);
        if ((!value || value->empty()) && entry.required && complete) {
            prompt.message("The required environment variable \"" + message_excerpt(entry.name) + "\" has no value.",
                           "Error", Buttons::Ok, Icon::Exclamation);
            complete = false;
            if (missing == MissingRequired::Refuse)
                return false;
        }
        if (i > 0)
            built += '\t';
        if (value) {
            // A TAB or line break in a value would shift the record's fields or split its line.
            for (char ch : *value)
                built += (ch == '\t' || ch == '\r' || ch == '\n') ? ' ' : ch;
        }
    }
    environment = std::move(built);
    return complete;
}

} // namespace velkor
