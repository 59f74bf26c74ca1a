#include "core/MemoRequest.h"

#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/Assert.h"
#include "core/ProgramWideList.h"

#include <cctype>

namespace velkor {

std::string TrimMemo(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n\v\f";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    std::size_t last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

AskMemoMode ParseAskMemo(std::string_view setting)
{
    if (setting.empty())
        return AskMemoMode::ShiftOnly;
    switch (std::tolower(static_cast<unsigned char>(setting[0]))) {
    case 'i':
    case 'y':
        return AskMemoMode::EveryCheckIn;
    case 'o':
        return AskMemoMode::EveryCheckOut;
    default:
        return AskMemoMode::ShiftOnly;
    }
}

const char* AskMemoSetting(AskMemoMode mode)
{
    switch (mode) {
    case AskMemoMode::EveryCheckIn:
        return "i";
    case AskMemoMode::EveryCheckOut:
        return "o";
    case AskMemoMode::ShiftOnly:
        break;
    }
    return "n";
}

void MemoRequest::read_settings()
{
    my_ask_memo_mode = ParseAskMemo(get(my_settings, kAskMemo));
    my_remember = get_flag(my_settings, kRememberMemo);
}

namespace {

// The answer a behaviour gives for a purpose: 1 ask, 0 do not ask, -1 no opinion (go on).
int behavior_says(MemoBehavior behavior, MemoPurpose purpose)
{
    switch (behavior) {
    case MemoBehavior::Never:
        return 0;
    case MemoBehavior::AtCheckIn:
        return purpose == MemoPurpose::CheckIn ? 1 : 0;
    case MemoBehavior::AtCheckOut:
        return purpose == MemoPurpose::CheckOut ? 1 : 0;
    case MemoBehavior::Default:
        break;
    }
    return -1;
}

} // namespace

bool MemoRequest::ShouldAskForMemo(bool shift, std::size_t c, std::size_t p, MemoPurpose purpose) const
{
    if (shift)
        return true;
    const ProjectList* list = my_lists.get();
    VELKOR_ASSERT(list != nullptr, "my_list != NULL");
    if (int says = behavior_says(list->project_memo_behavior(c, p), purpose); says >= 0)
        return says == 1;
    if (int says = behavior_says(list->category_memo_behavior(c), purpose); says >= 0)
        return says == 1;
    switch (my_ask_memo_mode) {
    case AskMemoMode::EveryCheckIn:
        return purpose == MemoPurpose::CheckIn;
    case AskMemoMode::EveryCheckOut:
        return purpose == MemoPurpose::CheckOut;
    case AskMemoMode::ShiftOnly:
        break;
    }
    return false;
}

std::string MemoRequest::initial_text(std::size_t c, std::size_t p, MemoPurpose purpose) const
{
    switch (purpose) {
    case MemoPurpose::CheckIn:
        return my_lists.get()->remembered_memo(c, p, 0);
    case MemoPurpose::MemoNow:
        return my_state.memo;
    case MemoPurpose::CheckOut:
        if (my_state.memo_declined)
            return {};
        return my_state.memo.empty() ? my_lists.get()->remembered_memo(c, p, 0) : my_state.memo;
    }
    return {};
}

bool MemoRequest::AskForMemo(std::size_t c, std::size_t p, MemoPurpose purpose)
{
    VELKOR_ASSERT(my_lists.get() != nullptr, "my_list != NULL");
    bool close_after = get_flag(my_settings, kCloseAfterMemo);
    std::string text = initial_text(c, p, purpose);
    MemoDialogResult result = my_dialogs.run_memo_dialog(c, p, text, my_remember, purpose, close_after);
    my_close_after = close_after;
    if (result == MemoDialogResult::Cancel)
        return false;
    put_flag(my_settings, kCloseAfterMemo, close_after);

    // Only white space counts as no memo, whatever the dialog reported.
    std::string memo = result == MemoDialogResult::Ok ? TrimMemo(cut_utf8(text, kMemoMaxBytes)) : std::string();
    if (memo.empty()) {
        my_state.memo.clear();
        my_state.memo_declined = true;
        return true;
    }
    my_state.memo = memo;
    if (my_remember)
        my_lists.get()->remember_memo(c, p, memo);
    return true;
}

} // namespace velkor
