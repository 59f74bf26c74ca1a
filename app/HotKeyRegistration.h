#pragma once
// Registering the program's hot key from a stored code, with the message the user sees when
// another program holds it.

#include <string>

namespace velkor {

class HotKey;
class IniFile;
class Prompt;

/// The key as the message names it: the modifiers in the order Alt, Ctrl, Shift, each followed by
/// " + ", then the key ("Alt + Ctrl + K").
std::string hot_key_description(int code);

/// Releases any registered key, then registers code (nothing for 0). On success, or for 0, puts
/// `Hotkey` and returns true; when the key cannot be had, tells the user and returns false with
/// no key registered and `Hotkey` unchanged.
bool RegisterHotKey(HotKey& hot_key, int code, IniFile& settings, Prompt& prompt);

} // namespace velkor
