#include "app/HotKeyRegistration.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "platform/qt/HotKey.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

TEST(HotKeyCode, ConvertsBetweenStoredCodesAndKeys)
{
    // Ctrl+Alt+K is virtual key 0x4B with flags 2 | 4.
    const int ctrl_alt_k = 0x64b;
    EXPECT_EQ(hot_key_code(QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_K)), ctrl_alt_k);
    EXPECT_EQ(key_combination_for_hot_key(ctrl_alt_k),
              QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_K));
    EXPECT_EQ(hot_key_description(ctrl_alt_k), "Alt + Ctrl + K");
    EXPECT_EQ(hot_key_description(0x171), "Shift + F2");
    EXPECT_EQ(keysym_for_virtual_key(0x4b), 0x6bu); // XK_k
    EXPECT_EQ(keysym_for_virtual_key(0x71), 0xffbfu);

    // Keys that exist twice keep apart: the keypad minus is not the main-keyboard one.
    EXPECT_EQ(hot_key_code(QKeyCombination(Qt::KeypadModifier, Qt::Key_Minus)), 0x6d);
    EXPECT_EQ(hot_key_code(QKeyCombination(Qt::NoModifier, Qt::Key_Minus)), 0xbd);
    EXPECT_EQ(hot_key_code(QKeyCombination(Qt::KeypadModifier, Qt::Key_7)), 0x67);
    for (int code : {0x64b, 0x430, 0x187, 0x26d, 0x667, 0x1dc, 0x424})
        EXPECT_EQ(hot_key_code(key_combination_for_hot_key(code)), code) << code;

    // Keys the program does not know give no code rather than a wrong one.
    EXPECT_EQ(hot_key_code(QKeyCombination(Qt::ControlModifier, Qt::Key_VolumeUp)), 0);
    EXPECT_EQ(key_combination_for_hot_key(0x2ff), QKeyCombination());
}

TEST(RegisterHotKey, TakenKeyIsReportedAndLeavesTheSettingAlone)
{
    TempDir dir;
    PrivateIniFile settings(dir.file("velkors.ini"));
    put_int(settings, kHotkey, 0x230);
    ScriptedPrompt prompt;
    HotKey hot_key;

    // The offscreen platform has no X11 connection, so no key can be had.
    EXPECT_FALSE(RegisterHotKey(hot_key, 0x64b, settings, prompt));
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last(), (Message{"The hot key \"Alt + Ctrl + K\" could not be assigned.\nIt is probably being "
                                      "used by another program;\ntry choosing a different hot key in the Options "
                                      "screen.",
                                      "Velkor", Buttons::Ok, Icon::Exclamation}));
    EXPECT_FALSE(hot_key.is_registered());
    EXPECT_EQ(get_int(settings, kHotkey), 0x230);

    // No hot key at all is always possible and is stored as 0.
    EXPECT_TRUE(RegisterHotKey(hot_key, 0, settings, prompt));
    EXPECT_EQ(get_int(settings, kHotkey), 0);
    EXPECT_EQ(prompt.count(), 1u);
}
