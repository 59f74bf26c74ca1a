#include "classlib/SettingsValues.h"
#include "classlib/ColorText.h"
#include "classlib/SettingsKeys.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <set>

using namespace velkor;
using velkor::test::read_file;
using velkor::test::ScriptedPrompt;
using velkor::test::TempDir;
using velkor::test::write_file;

TEST(ColorText, ReadsThreeComponentsWithAnySeparatorAndRejectsTheRest)
{
    EXPECT_EQ(read_color_text("0;128;255", 29), make_rgb(0, 128, 255));
    EXPECT_EQ(read_color_text("  0 , 128 /255  ", 29), make_rgb(0, 128, 255));
    for (const char* bad : {"0,128,256", "0,128,255,7", "0,128", "-1,0,0", "a,b,c", "", "99999999999,0,0", "0,,1,2"})
        EXPECT_EQ(read_color_text(bad, 29), std::nullopt) << bad;

    // Only the first max_chars characters count: the x is the 30th character.
    std::string padded = "1,2,3" + std::string(24, ' ') + "x";
    EXPECT_EQ(read_color_text(padded, kSettingsColorChars), make_rgb(1, 2, 3));
    EXPECT_EQ(read_color_text(padded, kProjectFileColorChars), std::nullopt);
}

TEST(ColorText, BackgroundComesFromTheSettingOrFromTheButtonFace)
{
    EXPECT_EQ(default_background_color(make_rgb(240, 127, 128)), make_rgb(235, 132, 123));
    EXPECT_EQ(format_color(make_rgb(0, 128, 255)), "0,128,255");

    TempDir dir;
    std::string path = dir.file("velkors.ini");
    ScriptedPrompt prompt;
    auto background = [&](const std::string& setting) {
        write_file(path, "[velkors]\r\nBkColor=" + setting + "\r\n");
        PrivateIniFile ini(path);
        return read_bk_color(ini, make_rgb(240, 240, 240), prompt);
    };
    EXPECT_EQ(background("0;128;255"), make_rgb(0, 128, 255));
    EXPECT_EQ(background(""), make_rgb(235, 235, 235));
    EXPECT_EQ(prompt.count(), 0u);
    EXPECT_EQ(background("0,128,256"), kBlack);
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last().text, "BkColor = 0,128,256");
    EXPECT_EQ(read_file(path), "[velkors]\r\nBkColor=0,128,256\r\n"); // the stored text stays as it was
}

TEST(FontDescription, ParsesFifteenFieldsAndLeavesUnreadableOnesAlone)
{
    FontDescription font;
    const std::string stored_default = "-13,0,0,0,700,100,0,0,0,0,1,2,1,34,System";
    PrivateIniFile none("no-such-folder/velkors.ini");
    EXPECT_EQ(get(none, kFont), stored_default) << "the default of the setting";
    parse_font(stored_default, font);
    EXPECT_EQ(font, FontDescription());
    EXPECT_EQ(format_font(font), stored_default);

    parse_font("-16 ; 1;2;3;400;120;1;1;1;238;3;2;5;49; Courier New", font);
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.point_size, 120);
    EXPECT_EQ(font.face_name, "Courier New");
    EXPECT_EQ(format_font(font), "-16,1,2,3,400,120,1,1,1,238,3,2,5,49,Courier New");

    FontDescription partial;
    parse_font("-20,5,x,9", partial);
    EXPECT_EQ(partial.height, -20);
    EXPECT_EQ(partial.width, 5);
    EXPECT_EQ(partial.escapement, 0);
    EXPECT_EQ(partial.orientation, 0);
    EXPECT_EQ(partial.face_name, "System");

    // The face name keeps at most 31 bytes and never a split character ("é" is two bytes).
    parse_font("1,0,0,0,0,0,0,0,0,0,0,0,0,0," + std::string(30, 'a') + "\xC3\xA9", partial);
    EXPECT_EQ(partial.face_name, std::string(30, 'a'));
}

TEST(SettingsValues, WindowGeometryAndYesNoTexts)
{
    EXPECT_EQ(parse_window_size("600x400")->width, 600);
    EXPECT_EQ(parse_window_size("5 * 7")->height, 7);
    EXPECT_FALSE(parse_window_size("600"));
    EXPECT_FALSE(parse_window_size("x400"));
    EXPECT_EQ(format_window_size(600, 400), "600x400");
    EXPECT_EQ(parse_window_position("-32000 -32000")->top, -32000);
    EXPECT_FALSE(parse_window_position("100,100"));
    EXPECT_EQ(format_window_position(100, 100), "100 100");

    EXPECT_TRUE(parse_yes_no("Yes"));
    EXPECT_FALSE(parse_yes_no(""));
    EXPECT_FALSE(parse_yes_no("n"));
    EXPECT_TRUE(parse_yes_no_exact("y"));
    EXPECT_FALSE(parse_yes_no_exact("Y"));
}

TEST(SettingsKeys, TypedAccessorsUseTheTableDefaultsAndLimits)
{
    TempDir dir;
    std::string path = dir.file("velkors.ini");
    write_file(path, "[VELKORS]\r\nwindowmaximized=Y\r\nclosEonselect=Yes\r\nWindowTitle=" + std::string(120, 't') +
                         "\r\nWeeklyTime=1\r\nReadTodayTime=1\r\nEnvVar2=HOME\r\n[reporter]\r\nDateFormat=x5\r\n");
    PrivateIniFile ini(path);
    EXPECT_FALSE(get_yes_no(ini, kWindowMaximized)); // compared without lower-casing
    EXPECT_TRUE(get_yes_no(ini, kCloseOnSelect));
    EXPECT_EQ(get(ini, kWindowTitle).size(), 99u);
    EXPECT_EQ(get_int(ini, kDateFormat), 0);
    EXPECT_EQ(get(ini, indexed(kEnvVar, 2)), "HOME");
    EXPECT_EQ(indexed(kEnvVarRequired, 12).name, "EnvVar12Required");
    EXPECT_EQ(get(ini, kLogFile, "tutorial.log"), "tutorial.log");

    PastTimeFlags flags = read_past_time_flags(ini); // WeeklyTime overrides ReadTodayTime
    EXPECT_TRUE(flags.read_log_time && flags.read_weekly_time && flags.show_total_all_times);
    EXPECT_FALSE(flags.read_today_time);

    put_yes_no(ini, kWindowMaximized, true);
    put_flag(ini, kTci, true);
    EXPECT_EQ(get(ini, kWindowMaximized), "y");
    EXPECT_EQ(get(ini, kTci), "1");

    std::set<std::string> names;
    for (const SettingKey* key : kAllSettingKeys)
        EXPECT_TRUE(names.insert(std::string(key->section) + "/" + key->name).second) << key->name;
    EXPECT_EQ(names.size(), 57u);
}
