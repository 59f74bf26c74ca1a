#include "platform/qt/HotKey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

namespace velkor {
namespace {

struct KeyRow
{
    int virtual_key;
    std::uint32_t keysym;
    int qt_key;
    const char* text;
    bool keypad = false;
};

// Keys other than letters, digits and function keys, which follow from their ranges.
const KeyRow kKeys[] = {
    {0x08, 0xff08, Qt::Key_Backspace, "Backspace"},
    {0x09, 0xff09, Qt::Key_Tab, "Tab"},
    {0x0d, 0xff0d, Qt::Key_Return, "Enter"},
    {0x13, 0xff13, Qt::Key_Pause, "Pause"},
    {0x1b, 0xff1b, Qt::Key_Escape, "Esc"},
    {0x20, 0x0020, Qt::Key_Space, "Space"},
    {0x21, 0xff55, Qt::Key_PageUp, "Page Up"},
    {0x22, 0xff56, Qt::Key_PageDown, "Page Down"},
    {0x23, 0xff57, Qt::Key_End, "End"},
    {0x24, 0xff50, Qt::Key_Home, "Home"},
    {0x25, 0xff51, Qt::Key_Left, "Left"},
    {0x26, 0xff52, Qt::Key_Up, "Up"},
    {0x27, 0xff53, Qt::Key_Right, "Right"},
    {0x28, 0xff54, Qt::Key_Down, "Down"},
    {0x2d, 0xff63, Qt::Key_Insert, "Insert"},
    {0x2e, 0xffff, Qt::Key_Delete, "Delete"},
    {0x6a, 0xffaa, Qt::Key_Asterisk, "*", true},
    {0x6b, 0xffab, Qt::Key_Plus, "+", true},
    {0x6d, 0xffad, Qt::Key_Minus, "-", true},
    {0x6e, 0xffae, Qt::Key_Period, ".", true},
    {0x6f, 0xffaf, Qt::Key_Slash, "/", true},
    {0xba, 0x003b, Qt::Key_Semicolon, ";"},
    {0xbb, 0x003d, Qt::Key_Equal, "="},
    {0xbc, 0x002c, Qt::Key_Comma, ","},
    {0xbd, 0x002d, Qt::Key_Minus, "-"},
    {0xbe, 0x002e, Qt::Key_Period, "."},
    {0xbf, 0x002f, Qt::Key_Slash, "/"},
    {0xc0, 0x0060, Qt::Key_QuoteLeft, "`"},
    {0xdb, 0x005b, Qt::Key_BracketLeft, "["},
    {0xdc, 0x005c, Qt::Key_Backslash, "\\"},
    {0xdd, 0x005d, Qt::Key_BracketRight, "]"},
    {0xde, 0x0027, Qt::Key_Apostrophe, "'"},
};

const std::uint32_t kNumLockKeysym = 0xff7f;

// The row of a virtual key; letters, digits, keypad digits and F1-F24 are computed.
bool find_row(int vk, KeyRow& row, std::string& text)
{
    if (vk >= 'A' && vk <= 'Z') {
        row = {vk, static_cast<std::uint32_t>(vk - 'A' + 'a'), Qt::Key_A + (vk - 'A'), nullptr};
        text = std::string(1, static_cast<char>(vk));
        return true;
    }
    if (vk >= '0' && vk <= '9') {
        row = {vk, static_cast<std::uint32_t>(vk), Qt::Key_0 + (vk - '0'), nullptr};
        text = std::string(1, static_cast<char>(vk));
        return true;
    }
    if (vk >= 0x60 && vk <= 0x69) {
        row = {vk, static_cast<std::uint32_t>(0xffb0 + vk - 0x60), Qt::Key_0 + (vk - 0x60), nullptr, true};
        text = std::string(1, static_cast<char>('0' + vk - 0x60));
        return true;
    }
    if (vk >= 0x70 && vk <= 0x87) {
        row = {vk, static_cast<std::uint32_t>(0xffbe + vk - 0x70), Qt::Key_F1 + (vk - 0x70), nullptr};
        text = "F" + std::to_string(vk - 0x70 + 1);
        return true;
    }
    for (const KeyRow& key : kKeys) {
        if (key.virtual_key == vk) {
            row = key;
            text = key.text;
            return true;
        }
    }
    return false;
}

int virtual_key_for_qt_key(int qt_key, bool keypad)
{
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z)
        return 'A' + (qt_key - Qt::Key_A);
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)
        return keypad ? 0x60 + (qt_key - Qt::Key_0) : '0' + (qt_key - Qt::Key_0);
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24)
        return 0x70 + (qt_key - Qt::Key_F1);
    if (qt_key == Qt::Key_Enter)
        return 0x0d;
    // Prefer the row that matches the keypad state (minus, period and slash exist twice).
    for (const KeyRow& key : kKeys) {
        if (key.qt_key == qt_key && key.keypad == keypad)
            return key.virtual_key;
    }
    for (const KeyRow& key : kKeys) {
        if (key.qt_key == qt_key)
            return key.virtual_key;
    }
    return 0;
}

std::uint16_t x_modifiers(int flags)
{
    std::uint16_t mask = 0;
    if (flags & kHotKeyShift)
        mask |= XCB_MOD_MASK_SHIFT;
    if (flags & kHotKeyCtrl)
        mask |= XCB_MOD_MASK_CONTROL;
    if (flags & kHotKeyAlt)
        mask |= XCB_MOD_MASK_1;
    return mask;
}

struct KeySymbolsDeleter
{
    void operator()(xcb_key_symbols_t* symbols) const { xcb_key_symbols_free(symbols); }
};
using KeySymbols = std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter>;

std::vector<std::uint8_t> keycodes_for(xcb_key_symbols_t* symbols, std::uint32_t keysym)
{
    std::vector<std::uint8_t> codes;
    xcb_keycode_t* found = xcb_key_symbols_get_keycode(symbols, keysym);
    if (!found)
        return codes;
    for (xcb_keycode_t* k = found; *k != XCB_NO_SYMBOL; ++k)
        codes.push_back(*k);
    std::free(found);
    return codes;
}

// The modifier bit that NumLock sets on this server (commonly Mod2); 0 when none is mapped.
std::uint16_t num_lock_mask(xcb_connection_t* connection, xcb_key_symbols_t* symbols)
{
    std::vector<std::uint8_t> num_lock = keycodes_for(symbols, kNumLockKeysym);
    if (num_lock.empty())
        return 0;
    xcb_get_modifier_mapping_reply_t* reply =
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    if (!reply)
        return 0;
    std::uint16_t mask = 0;
    const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(reply);
    const int per_modifier = reply->keycodes_per_modifier;
    for (int m = 0; m < 8 && !mask; ++m) {
        for (int i = 0; i < per_modifier; ++i) {
            for (std::uint8_t code : num_lock) {
                if (map[m * per_modifier + i] == code && code != 0)
                    mask = static_cast<std::uint16_t>(1u << m);
            }
        }
    }
    std::free(reply);
    return mask;
}

} // namespace

std::uint32_t keysym_for_virtual_key(int virtual_key)
{
    KeyRow row{};
    std::string text;
    return find_row(virtual_key, row, text) ? row.keysym : 0;
}

std::string virtual_key_text(int virtual_key)
{
    KeyRow row{};
    std::string text;
    return find_row(virtual_key, row, text) ? text : std::string();
}

int hot_key_code(QKeyCombination combination)
{
    Qt::KeyboardModifiers mods = combination.keyboardModifiers();
    int vk = virtual_key_for_qt_key(combination.key(), mods.testFlag(Qt::KeypadModifier));
    if (vk == 0)
        return 0;
    int flags = 0;
    if (mods.testFlag(Qt::ShiftModifier))
        flags |= kHotKeyShift;
    if (mods.testFlag(Qt::ControlModifier))
        flags |= kHotKeyCtrl;
    if (mods.testFlag(Qt::AltModifier))
        flags |= kHotKeyAlt;
    return flags << 8 | vk;
}

QKeyCombination key_combination_for_hot_key(int code)
{
    KeyRow row{};
    std::string text;
    if (code == 0 || !find_row(hot_key_virtual_key(code), row, text))
        return QKeyCombination();
    Qt::KeyboardModifiers mods;
    int flags = hot_key_modifiers(code);
    if (flags & kHotKeyShift)
        mods |= Qt::ShiftModifier;
    if (flags & kHotKeyCtrl)
        mods |= Qt::ControlModifier;
    if (flags & kHotKeyAlt)
        mods |= Qt::AltModifier;
    if (row.keypad)
        mods |= Qt::KeypadModifier;
    return QKeyCombination(mods, static_cast<Qt::Key>(row.qt_key));
}

HotKey::HotKey(QObject* parent) : QObject(parent)
{
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        my_connection = x11->connection();
        if (my_connection) {
            const xcb_setup_t* setup = xcb_get_setup(my_connection);
            xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
            if (screens.rem > 0)
                my_root = screens.data->root;
            else
                my_connection = nullptr;
        }
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
}

HotKey::~HotKey()
{
    unregister();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool HotKey::register_code(int code)
{
    unregister();
    std::uint32_t keysym = keysym_for_virtual_key(hot_key_virtual_key(code));
    if (!my_connection || keysym == 0)
        return false;
    KeySymbols symbols(xcb_key_symbols_alloc(my_connection));
    if (!symbols)
        return false;
    my_keycodes = keycodes_for(symbols.get(), keysym);
    if (my_keycodes.empty())
        return false;
    my_modifiers = x_modifiers(hot_key_modifiers(code));
    my_ignored = static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | num_lock_mask(my_connection, symbols.get()));

    // Grab every combination of the ignored locks, so the key works with Caps Lock or NumLock on.
    std::vector<xcb_void_cookie_t> cookies;
    const std::uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, static_cast<std::uint16_t>(my_ignored & ~XCB_MOD_MASK_LOCK),
                                   my_ignored};
    for (std::uint8_t keycode : my_keycodes) {
        for (std::uint16_t lock : locks)
            cookies.push_back(xcb_grab_key_checked(my_connection, 1, my_root, my_modifiers | lock, keycode,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    bool failed = false;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(my_connection, cookie)) {
            failed = true; // BadAccess: another client holds the key
            std::free(error);
        }
    }
    if (failed) {
        ungrab_all();
        return false;
    }
    my_code = code;
    return true;
}

void HotKey::unregister()
{
    if (my_code != 0)
        ungrab_all();
    my_code = 0;
}

void HotKey::ungrab_all()
{
    if (my_connection) {
        const std::uint16_t locks[] = {0, XCB_MOD_MASK_LOCK,
                                       static_cast<std::uint16_t>(my_ignored & ~XCB_MOD_MASK_LOCK), my_ignored};
        for (std::uint8_t keycode : my_keycodes) {
            for (std::uint16_t lock : locks)
                xcb_ungrab_key(my_connection, keycode, my_root, my_modifiers | lock);
        }
        xcb_flush(my_connection);
    }
    my_keycodes.clear();
}

bool HotKey::nativeEventFilter(const QByteArray& event_type, void* message, qintptr*)
{
    if (my_code == 0 || event_type != "xcb_generic_event_t" || !message)
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    auto* press = static_cast<xcb_key_press_event_t*>(message);
    const std::uint16_t relevant = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
    if ((press->state & relevant) != my_modifiers)
        return false;
    for (std::uint8_t keycode : my_keycodes) {
        if (press->detail == keycode) {
            emit pressed();
            return true;
        }
    }
    return false;
}

} // namespace velkor
