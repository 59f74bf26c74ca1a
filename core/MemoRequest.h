#pragma once
// When the program asks for a memo, and running the memo dialog with the right initial text.

#include "base/Utf8Text.h"
#include "core/MemoList.h"
#include "core/SessionState.h"
#include "core/SessionUi.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velkor {

class IniFile;
class ProgramWideList;

/// When memos are asked for when neither the project nor its category says: the `AskMemo` setting.
enum class AskMemoMode
{
    ShiftOnly = 0,
    EveryCheckIn = 1,
    EveryCheckOut = 2,
};

/// The text without leading and trailing space, tab, CR, LF, vertical tab and form feed.
std::string TrimMemo(std::string_view text);
/// The mode of an `AskMemo` value: i or y -> every check-in, o -> every check-out, else Shift only.
AskMemoMode ParseAskMemo(std::string_view setting);
/// The `AskMemo` value the Memos menu writes for a mode: "n", "i" or "o".
const char* AskMemoSetting(AskMemoMode mode);

class MemoRequest
{
public:
    /// lists holds the list whose projects the requests are for.
    MemoRequest(SessionState& state, IniFile& settings, SessionDialogs& dialogs, const ProgramWideList& lists)
        : my_state(state), my_settings(settings), my_dialogs(dialogs), my_lists(lists)
    {
    }

    /// Reads `AskMemo` and `RememberMemo` (at start-up and after the options change).
    void read_settings();

    AskMemoMode ask_memo_mode() const { return my_ask_memo_mode; }
    void set_ask_memo_mode(AskMemoMode mode) { my_ask_memo_mode = mode; }
    bool remember() const { return my_remember; }
    /// The program-wide remember flag, for the memo dialogs run outside a session (offline entry).
    bool& remember_flag() { return my_remember; }
    /// The close-after flag as the last memo dialog left it.
    bool close_after() const { return my_close_after; }

    /// Whether a memo is due for project (c, p): Shift always asks, then the project's and the
    /// category's memo behaviour, then the ask-memo mode.
    bool ShouldAskForMemo(bool shift, std::size_t c, std::size_t p, MemoPurpose purpose) const;
    /// Runs the memo dialog; false when cancelled. The session memo and the declined flag hold the outcome.
    bool AskForMemo(std::size_t c, std::size_t p, MemoPurpose purpose);

private:
    std::string initial_text(std::size_t c, std::size_t p, MemoPurpose purpose) const;

    SessionState& my_state;
    IniFile& my_settings;
    SessionDialogs& my_dialogs;
    const ProgramWideList& my_lists;
    AskMemoMode my_ask_memo_mode = AskMemoMode::ShiftOnly;
    bool my_remember = false;
    bool my_close_after = false;
};

} // namespace velkor
