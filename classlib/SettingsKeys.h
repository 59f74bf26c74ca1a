#pragma once
// Every settings key with its section and default, and small typed accessors on the store.
// Keys are named k + the key's exact name; EnvVar%d and EnvVar%dRequired are name patterns.

#include "classlib/IniFile.h"

#include <string>

namespace velkor {

struct SettingKey
{
    const char* section;
    const char* name;
    const char* default_text;
    int max_length = 0; // longest value in bytes that readers take; 0: no limit
};

inline constexpr const char* kSettingsSection = "velkors";
inline constexpr const char* kReporterSection = "Reporter"; // shared with the reporter program

inline constexpr SettingKey kWindowTitle{kSettingsSection, "WindowTitle", "Velkor", 99};
inline constexpr SettingKey kWindowMaximized{kSettingsSection, "WindowMaximized", "n"};
inline constexpr SettingKey kWindowSize{kSettingsSection, "WindowSize", "600x400"};
inline constexpr SettingKey kWindowPosition{kSettingsSection, "WindowPosition", "100 100"};
inline constexpr SettingKey kUseSystemTray{kSettingsSection, "UseSystemTray", "0"};
inline constexpr SettingKey kLogFile{kSettingsSection, "LogFile", "velkors.log", 511};
inline constexpr SettingKey kProjectFile{kSettingsSection, "ProjectFile", "project.txt", 511};
inline constexpr SettingKey kBkColor{kSettingsSection, "BkColor", ""};
inline constexpr SettingKey kFont{kSettingsSection, "Font", "-13,0,0,0,700,100,0,0,0,0,1,2,1,34,System"};
inline constexpr SettingKey kMargin{kSettingsSection, "Margin", "4"};
inline constexpr SettingKey kDesiredRows{kSettingsSection, "DesiredRows", "1"};
inline constexpr SettingKey kHighlightSelected{kSettingsSection, "HighlightSelected", "y"};
inline constexpr SettingKey kShowElapsedTime{kSettingsSection, "ShowElapsedTime", "n"};
inline constexpr SettingKey kShowTotalTime{kSettingsSection, "ShowTotalTime", "n"};
inline constexpr SettingKey kShowTotalAllTimes{kSettingsSection, "ShowTotalAllTimes", "0"};
inline constexpr SettingKey kShowVKRName{kSettingsSection, "ShowVKRName", "0"};
inline constexpr SettingKey kTimeFormat{kSettingsSection, "TimeFormat", "2"};
inline constexpr SettingKey kCloseOnSelect{kSettingsSection, "CloseOnSelect", "y"};
inline constexpr SettingKey kExitOnCheckin{kSettingsSection, "ExitOnCheckin", "0"};
inline constexpr SettingKey kLeftClickCheckOut{kSettingsSection, "LeftClickCheckOut", "0"};
inline constexpr SettingKey kSupressLCCPWarning{kSettingsSection, "SupressLCCPWarning", "0"};
inline constexpr SettingKey kAskMemo{kSettingsSection, "AskMemo", "n"};
inline constexpr SettingKey kRememberMemo{kSettingsSection, "RememberMemo", "0"};
inline constexpr SettingKey kAlwaysChooseMemos{kSettingsSection, "AlwaysChooseMemos", "0"};
inline constexpr SettingKey kMemoWantReturn{kSettingsSection, "MemoWantReturn", "1"};
inline constexpr SettingKey kCloseAfterMemo{kSettingsSection, "CloseAfterMemo", "0"};
inline constexpr SettingKey kMinimizeAfterNote{kSettingsSection, "MinimizeAfterNote", "0"};
inline constexpr SettingKey kReadLogTime{kSettingsSection, "ReadLogTime", "0"};
inline constexpr SettingKey kReadTodayTime{kSettingsSection, "ReadTodayTime", "0"};
inline constexpr SettingKey kReadWeeklyTime{kSettingsSection, "ReadWeeklyTime", "0"};
inline constexpr SettingKey kWeeklyTime{kSettingsSection, "WeeklyTime", "0"};
inline constexpr SettingKey kReminderDuration{kSettingsSection, "ReminderDuration", "0"};
inline constexpr SettingKey kReminderSoundBusy{kSettingsSection, "ReminderSoundBusy", "0"};
inline constexpr SettingKey kReminderDurationIdle{kSettingsSection, "ReminderDurationIdle", "0"};
inline constexpr SettingKey kReminderSoundIdle{kSettingsSection, "ReminderSoundIdle", "0"};
inline constexpr SettingKey kDebug{kSettingsSection, "Debug", "0"};
inline constexpr SettingKey kConfirmExit{kSettingsSection, "ConfirmExit", "0"};
inline constexpr SettingKey kExitWhileCheckedIn{kSettingsSection, "ExitWhileCheckedIn", "3"};
inline constexpr SettingKey kHotkey{kSettingsSection, "Hotkey", "0"};
inline constexpr SettingKey kTci{kSettingsSection, "Tci", "0"};
inline constexpr SettingKey kTco{kSettingsSection, "Tco", "0"};
inline constexpr SettingKey kRate{kSettingsSection, "Rate", "0"};
inline constexpr SettingKey kAskAboutTutorial{kSettingsSection, "AskAboutTutorial", "1"};
inline constexpr SettingKey kTutorialMode{kSettingsSection, "TutorialMode", "0"};
inline constexpr SettingKey kHelpPath{kSettingsSection, "HelpPath", "!0", 511};
inline constexpr SettingKey kEnvVarCount{kSettingsSection, "EnvVarCount", "0"};
inline constexpr SettingKey kEnvVar{kSettingsSection, "EnvVar%d", "unknown", 127};
inline constexpr SettingKey kEnvVarRequired{kSettingsSection, "EnvVar%dRequired", "0"};
inline constexpr SettingKey kAutoBackup{kSettingsSection, "AutoBackup", "0"};
inline constexpr SettingKey kSmartBackup{kSettingsSection, "SmartBackup", "1"};
inline constexpr SettingKey kBackupReport{kSettingsSection, "BackupReport", "1"};
inline constexpr SettingKey kBackupNDays{kSettingsSection, "BackupNDays", "1"};
inline constexpr SettingKey kBackupNCopies{kSettingsSection, "BackupNCopies", "3"};
inline constexpr SettingKey kBackupFolder{kSettingsSection, "BackupFolder", "Backup", 511};
inline constexpr SettingKey kBackupFile{kSettingsSection, "BackupFile", ".\\backup.log", 4095};
inline constexpr SettingKey kDateFormat{kReporterSection, "DateFormat", "0"};
inline constexpr SettingKey kProgressScanningMinSize{kReporterSection, "ProgressScanningMinSize", "0"};

/// Every key above, for code that walks the whole table.
inline constexpr const SettingKey* kAllSettingKeys[] = {&kWindowTitle,
                                                        &kWindowMaximized,
                                                        &kWindowSize,
                                                        &kWindowPosition,
                                                        &kUseSystemTray,
                                                        &kLogFile,
                                                        &kProjectFile,
                                                        &kBkColor,
                                                        &kFont,
                                                        &kMargin,
                                                        &kDesiredRows,
                                                        &kHighlightSelected,
                                                        &kShowElapsedTime,
                                                        &kShowTotalTime,
                                                        &kShowTotalAllTimes,
                                                        &kShowVKRName,
                                                        &kTimeFormat,
                                                        &kCloseOnSelect,
                                                        &kExitOnCheckin,
                                                        &kLeftClickCheckOut,
                                                        &kSupressLCCPWarning,
                                                        &kAskMemo,
                                                        &kRememberMemo,
                                                        &kAlwaysChooseMemos,
                                                        &kMemoWantReturn,
                                                        &kCloseAfterMemo,
                                                        &kMinimizeAfterNote,
                                                        &kReadLogTime,
                                                        &kReadTodayTime,
                                                        &kReadWeeklyTime,
                                                        &kWeeklyTime,
                                                        &kReminderDuration,
                                                        &kReminderSoundBusy,
                                                        &kReminderDurationIdle,
                                                        &kReminderSoundIdle,
                                                        &kDebug,
                                                        &kConfirmExit,
                                                        &kExitWhileCheckedIn,
                                                        &kHotkey,
                                                        &kTci,
                                                        &kTco,
                                                        &kRate,
                                                        &kAskAboutTutorial,
                                                        &kTutorialMode,
                                                        &kHelpPath,
                                                        &kEnvVarCount,
                                                        &kEnvVar,
                                                        &kEnvVarRequired,
                                                        &kAutoBackup,
                                                        &kSmartBackup,
                                                        &kBackupReport,
                                                        &kBackupNDays,
                                                        &kBackupNCopies,
                                                        &kBackupFolder,
                                                        &kBackupFile,
                                                        &kDateFormat,
                                                        &kProgressScanningMinSize};

/// A key whose name is built from a pattern and a number ("EnvVar%d", 3 -> "EnvVar3").
struct IndexedSettingKey
{
    const char* section;
    std::string name;
    const char* default_text;
    int max_length = 0;
};

IndexedSettingKey indexed(const SettingKey& pattern, int number);

/// Either kind of key, as the accessors below take it.
struct SettingRef
{
    SettingRef(const SettingKey& key)
        : section(key.section), name(key.name), default_text(key.default_text), max_length(key.max_length)
    {
    }
    SettingRef(const IndexedSettingKey& key)
        : section(key.section), name(key.name), default_text(key.default_text), max_length(key.max_length)
    {
    }

    std::string section;
    std::string name;
    std::string default_text;
    int max_length;
};

/// The text value (cut to the key's length limit), or the key's default when absent.
std::string get(IniFile& ini, const SettingRef& key);
/// The same with another default (the tutorial's file names, its window geometry).
std::string get(IniFile& ini, const SettingRef& key, const std::string& default_text);
/// The integer value; the key's default when the text does not start with a number.
int get_int(IniFile& ini, const SettingRef& key);
/// Yes/no text: on when it starts with "y" or "Y" ("WindowMaximized": only "y").
bool get_yes_no(IniFile& ini, const SettingRef& key);
/// Flag: on when the integer value is not 0.
bool get_flag(IniFile& ini, const SettingRef& key);

void put(IniFile& ini, const SettingRef& key, const std::string& value);
void put_int(IniFile& ini, const SettingRef& key, int value);
/// Writes "y" or "n".
void put_yes_no(IniFile& ini, const SettingRef& key, bool on);
/// Writes 1 or 0.
void put_flag(IniFile& ini, const SettingRef& key, bool on);

} // namespace velkor
