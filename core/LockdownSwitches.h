#pragma once
// Switches compiled into the program that take features away from the user. They never change at
// run time; as delivered every one is off. A feature switch counts only while the master is on.

#include <array>
#include <cstddef>

namespace velkor {

enum class LockdownFeature : std::size_t
{
    ScrambledRecords,     // log records are written scrambled
    ClockChangeMarkers,   // a check-out memo is led by the clock-change markers
    OfflineEntry,         // left click with the right button held is refused
    CtrlClickAdjustment,  // 0 off; 1 Ctrl with either button refused; 2 left while idle, right always
    ProjectChanges,       // the project editor's menu item is greyed
    LogFileName,          // the Options log file edit is disabled
    ProjectFileName,      // the Options project file edit is disabled
    EnvironmentVariables, // the Options "Environment Variables" button is disabled
};

inline constexpr std::size_t kLockdownFeatureCount = 8;

/// What a refused feature shows (caption "Error", OK, exclamation icon).
inline constexpr char kLockdownRefusal[] = "Sorry, that feature has been disabled\nfor security reasons.";

class LockdownSwitches
{
public:
    constexpr LockdownSwitches() = default;

    /// A copy with the master switch set; tests use this, the program never does.
    constexpr LockdownSwitches with_master(bool on) const
    {
        LockdownSwitches copy = *this;
        copy.my_master = on;
        return copy;
    }
    /// A copy with one feature switch set to value (0 off; Ctrl-click adjustment also takes 2).
    constexpr LockdownSwitches with(LockdownFeature feature, int value) const
    {
        LockdownSwitches copy = *this;
        copy.my_features[static_cast<std::size_t>(feature)] = value;
        return copy;
    }

    /// The switch's value when the master switch is on, else 0.
    constexpr int value(LockdownFeature feature) const
    {
        return my_master ? my_features[static_cast<std::size_t>(feature)] : 0;
    }
    /// Whether the feature is switched on, honouring the master switch.
    constexpr bool is_on(LockdownFeature feature) const { return value(feature) != 0; }

private:
    bool my_master = false;
    std::array<int, kLockdownFeatureCount> my_features{};
};

/// The switches compiled into this program: all off.
inline constexpr LockdownSwitches kLockdownSwitches{};

/// Is the compiled-in switch for feature on?
constexpr bool lockdown_on(LockdownFeature feature)
{
    return kLockdownSwitches.is_on(feature);
}

} // namespace velkor
