#include "app/HotKeyRegistration.h"

#include "base/Prompt.h"
#include "classlib/SettingsKeys.h"
#include "platform/qt/HotKey.h"

namespace velkor {
namespace {

struct ModifierRow
{
    int flag;
    const char* text;
};

const ModifierRow kModifierTable[] = {{kHotKeyAlt, "Alt + "}, {kHotKeyCtrl, "Ctrl + "}, {kHotKeyShift, "Shift + "}};

} // namespace

std::string hot_key_description(int code)
{
    std::string text;
    for (const ModifierRow& row : kModifierTable) {
        if (hot_key_modifiers(code) & row.flag)
            text += row.text;
    }
    return text + virtual_key_text(hot_key_virtual_key(code));
}

bool RegisterHotKey(HotKey& hot_key, int code, IniFile& settings, Prompt& prompt)
{
    hot_key.unregister();
    if (code != 0 && !hot_key.register_code(code)) {
        prompt.message("The hot key \"" + hot_key_description(code) +
                           "\" could not be assigned.\nIt is probably being used by another program;\ntry "
                           "choosing a different hot key in the Options screen.",
                       "Velkor", Buttons::Ok, Icon::Exclamation);
        return false;
    }
    put_int(settings, kHotkey, code);
    return true;
}

} // namespace velkor
