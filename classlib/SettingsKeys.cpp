#include "classlib/SettingsKeys.h"

#include "classlib/SettingsValues.h"

#include <cstdlib>
#include <cstring>

namespace velkor {

IndexedSettingKey indexed(const SettingKey& pattern, int number)
{
    std::string name = pattern.name;
    std::size_t at = name.find("%d");
    if (at != std::string::npos)
        name.replace(at, 2, std::to_string(number));
    return {pattern.section, name, pattern.default_text, pattern.max_length};
}

std::string get(IniFile& ini, const SettingRef& key)
{
    return get(ini, key, key.default_text);
}

std::string get(IniFile& ini, const SettingRef& key, const std::string& default_text)
{
    std::string value = ini.get_text(key.section, key.name, default_text);
    return key.max_length > 0 ? cut_utf8(value, static_cast<std::size_t>(key.max_length)) : value;
}

int get_int(IniFile& ini, const SettingRef& key)
{
    return ini.get_int(key.section, key.name, std::atoi(key.default_text.c_str()));
}

bool get_yes_no(IniFile& ini, const SettingRef& key)
{
    std::string text = get(ini, key);
    return key.name == kWindowMaximized.name ? parse_yes_no_exact(text) : parse_yes_no(text);
}

bool get_flag(IniFile& ini, const SettingRef& key)
{
    return get_int(ini, key) != 0;
}

void put(IniFile& ini, const SettingRef& key, const std::string& value)
{
    ini.put_text(key.section, key.name, value);
}

void put_int(IniFile& ini, const SettingRef& key, int value)
{
    ini.put_int(key.section, key.name, value);
}

void put_yes_no(IniFile& ini, const SettingRef& key, bool on)
{
    put(ini, key, yes_no_text(on));
}

void put_flag(IniFile& ini, const SettingRef& key, bool on)
{
    put_int(ini, key, on ? 1 : 0);
}

} // namespace velkor
