#pragma once
// The checks of the "Enter Note" dialog's OK: a note is a moment, not in the future, and a text
// that is not blank. The dialog shows the refusal and focuses the field it names.

#include "core/Clock.h"
#include "core/TimeValues.h"

#include <string>

namespace velkor {

/// A note as the log records it: its moment and its text.
struct NoteEntry
{
    DateRec date{};
    TimeRec time{};
    std::string text;
};

struct NoteCheck
{
    enum class Field
    {
        None, ///< accepted
        Date,
        Time,
        Note,
    };
    Field refused = Field::None;
    std::string message; ///< the refusal (caption "Error", warning icon)
    NoteEntry entry;     ///< when accepted: the note trimmed of white space at both ends
};

/// Checks, in this order, the date (in the date order), the time of day, the text and that the
/// moment is not later than the clock's now; the first failure is the result.
NoteCheck check_note(const std::string& date, const std::string& time, const std::string& note, int date_order,
                     const Clock& clock);

} // namespace velkor
