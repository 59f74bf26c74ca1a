#pragma once
// What categories and projects carry besides their names: when memos are asked for, and
// whether they are hidden, temporary or temporarily shown.

#include <cstdint>

namespace velkor {

/// When a memo is asked for; the letter is how it is stored in the project file.
enum class MemoBehavior : int
{
    Default = 0, ///< category: the AskMemo setting; project: the category's behaviour
    Never = 1,
    AtCheckIn = 2,
    AtCheckOut = 3,
};

/// The letter D, N, I or O of a behaviour.
char memo_behavior_letter(MemoBehavior behavior);
/// The behaviour of a letter D, N, I or O; false for any other character.
bool memo_behavior_from_letter(char letter, MemoBehavior& behavior);

/// Hidden, temporary and temporarily-shown bits of a category or project.
class VisibilityFlags
{
public:
    static constexpr std::uint32_t hidden = 1;
    static constexpr std::uint32_t temporary = 2;
    static constexpr std::uint32_t temporarily_shown = 4;

    bool is_shown() const { return (my_bits & hidden) == 0; }
    /// Displayed in the main window: not hidden, or temporary, or temporarily shown.
    bool is_displayed() const { return is_shown() || is_temporary() || is_temporarily_shown(); }
    bool is_temporary() const { return (my_bits & temporary) != 0; }
    bool is_temporarily_shown() const { return (my_bits & temporarily_shown) != 0; }

    void set_shown(bool shown) { set(hidden, !shown); }
    void set_temporary(bool on) { set(temporary, on); }
    void set_temporarily_shown(bool on) { set(temporarily_shown, on); }

    std::uint32_t bits() const { return my_bits; }
    bool operator==(const VisibilityFlags&) const = default;

private:
    void set(std::uint32_t bit, bool on) { my_bits = on ? (my_bits | bit) : (my_bits & ~bit); }

    std::uint32_t my_bits = 0;
};

} // namespace velkor
