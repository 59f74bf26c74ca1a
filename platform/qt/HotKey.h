#pragma once
// The global hot key. A stored code keeps the Windows layout so that a `Hotkey` value means the
// same everywhere: the low byte is the virtual-key code, the high byte holds 1 Shift, 2 Ctrl,
// 4 Alt. On X11 the key is grabbed on the root window and caught by a native event filter.

#include <QAbstractNativeEventFilter>
#include <QKeyCombination>
#include <QObject>

#include <cstdint>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace velkor {

inline constexpr int kHotKeyShift = 1;
inline constexpr int kHotKeyCtrl = 2;
inline constexpr int kHotKeyAlt = 4;

inline int hot_key_virtual_key(int code)
{
    return code & 0xff;
}
inline int hot_key_modifiers(int code)
{
    return (code >> 8) & 0xff;
}

/// The X keysym of a virtual-key code; 0 for keys the program does not know.
std::uint32_t keysym_for_virtual_key(int virtual_key);
/// The key's text: the character for letters, digits and punctuation, else a name ("F4", "Home").
std::string virtual_key_text(int virtual_key);
/// The stored code of a key combination (as a key-sequence edit gives it); 0 when it cannot be one.
int hot_key_code(QKeyCombination combination);
/// The key combination of a stored code; an empty combination for 0 or an unknown key.
QKeyCombination key_combination_for_hot_key(int code);

class HotKey : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit HotKey(QObject* parent = nullptr);
    /// Releases the key if it is registered.
    ~HotKey() override;

    /// Grabs the key of code system-wide; false without an X11 connection, for an unknown key,
    /// or when another program holds the key. Any key registered before is released first.
    bool register_code(int code);
    void unregister();
    bool is_registered() const { return my_code != 0; }
    int code() const { return my_code; }

    bool nativeEventFilter(const QByteArray& event_type, void* message, qintptr* result) override;

signals:
    void pressed();

private:
    void ungrab_all();

    xcb_connection_t* my_connection = nullptr;
    std::uint32_t my_root = 0;
    std::vector<std::uint8_t> my_keycodes;
    std::uint16_t my_modifiers = 0;
    std::uint16_t my_ignored = 0; // Lock and NumLock: the key works whatever their state
    int my_code = 0;
};

} // namespace velkor
