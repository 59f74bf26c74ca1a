#pragma once
// The rules of the offline check-in/check-out dialog ("Offline Checkin/Checkout"): a whole
// session worked away from the computer, entered as a check-in date and time and either a
// check-out date and time or a duration, checked field by field and then appended to the log
// with its memo and environment values. The session open in the main window is never touched.

#include "core/Clock.h"
#include "core/SessionUi.h"
#include "core/TimeValues.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace velkor {

class IniFile;
class LogWriter;
class ProgramWideList;
class Prompt;

/// The edit fields of the dialog, by their control ids.
enum class OfflineField
{
    CheckInDate = 102,
    CheckInTime = 103,
    CheckOutDate = 104,
    CheckOutTime = 105,
    Duration = 108,
};

/// What the duration field holds until the user types over it.
inline constexpr char kOfflineDurationHint[] = "hh:mm:ss";

/// The time fields' hint: "hh:mm:ss", with " pm" unless times are shown on the 24-hour clock.
std::string offline_time_hint(int time_format);
/// Static 106: how dates and times are to be typed.
std::string offline_instruction(int date_order);

/// What the dialog remembers from one opening to the next while the program runs.
struct OfflineMemory
{
    /// Field 102 as it was when the last offline session was recorded.
    std::string check_in_date;
    /// When that was; 0 = not in this run.
    TimeStamp recorded_at = 0;
};

/// The text both date fields start with: the last recorded check-in date when that recording is
/// less than 15 minutes old, else today's date.
std::string offline_start_date(const OfflineMemory& memory, const Clock& clock, int date_order);

/// The five edit fields as typed.
struct OfflineEntryText
{
    std::string check_in_date;
    std::string check_in_time;
    std::string check_out_date;
    std::string check_out_time;
    std::string duration;
};

/// The moments of a session as the log records them.
struct OfflineSession
{
    DateRec check_in_date{};
    TimeRec check_in_time{};
    DateRec check_out_date{};
    TimeRec check_out_time{};
};

/// The fields checked in order: a session, or the first error with the field to correct.
struct OfflineCheck
{
    std::optional<OfflineSession> session;
    std::string message; ///< shown with caption "Error" and the exclamation icon
    OfflineField focus = OfflineField::CheckInDate;
    /// The check-out time and the duration go back to their hints ("...not both").
    bool reset_hints = false;
};

OfflineCheck check_offline_entry(const OfflineEntryText& text, int date_order, const std::string& time_hint,
                                 const Clock& clock);

/// The wall-clock moment duration after a check-in, carried into days, months and years.
void add_offline_duration(const Date& check_in_date, const TimeRec& check_in_time, const TimeRec& duration,
                          DateRec& check_out_date, TimeRec& check_out_time);

/// What recording an offline session works with; everything outlives the recorder.
struct OfflineServices
{
    ProgramWideList& lists;
    LogWriter& log;
    /// Builds the environment values for the record; a required one without a value is told
    /// about and recorded empty.
    std::function<std::string()> environment;
    /// The program-wide remember flag of the memo dialog.
    bool& remember;
    IniFile& settings;
    Prompt& prompt;
    const Clock& clock;
    OfflineMemory& memory;
};

/// Runs the memo dialog (memo-now purpose) on memo; remember and close_after as the dialog shows them.
using OfflineMemoAsker = std::function<MemoDialogResult(std::string& memo, bool& remember, bool& close_after)>;

class OfflineRecorder
{
public:
    enum class Outcome
    {
        Recorded,
        MemoCancelled, ///< nothing recorded; the dialog stays open
        LogCancelled,  ///< the log could not be written and the user gave up; nothing recorded
    };

    /// Records sessions on project (c, p) of the program-wide list.
    OfflineRecorder(OfflineServices services, std::size_t c, std::size_t p, OfflineMemoAsker ask_memo);

    /// Asks for the memo (with_memo), builds the environment values and appends the record, again
    /// on Retry. Once recorded, check_in_date_text and the moment are remembered.
    Outcome record(const OfflineSession& session, bool with_memo, const std::string& check_in_date_text);

private:
    /// The memo from the memo dialog, starting with the project's latest remembered one; none
    /// when the dialog was cancelled.
    std::optional<std::string> ask_memo();

    OfflineServices my_services;
    std::size_t my_category;
    std::size_t my_project;
    OfflineMemoAsker my_ask_memo;
};

} // namespace velkor
