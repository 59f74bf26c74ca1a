#include "presentation/NoteRules.h"

#include "presentation/EditorText.h"

namespace velkor {
namespace {

NoteCheck refused(NoteCheck::Field field, const char* message)
{
    NoteCheck check;
    check.refused = field;
    check.message = message;
    return check;
}

} // namespace

NoteCheck check_note(const std::string& date, const std::string& time, const std::string& note, int date_order,
                     const Clock& clock)
{
    // Now is taken once, before the checks, so that a note at this very second is not the future.
    const TimeStamp now = clock.now();
    const Date day(date, date_order, clock);
    if (!day.IsValid())
        return refused(NoteCheck::Field::Date, "Invalid note date");
    TimeRec at{};
    if (!ParseTimeOfDay(time, at, false))
        return refused(NoteCheck::Field::Time, "Invalid note time");
    std::string text = trim_name(note);
    if (text.empty())
        return refused(NoteCheck::Field::Note, "There is no note!  Click Cancel if you don't want a note.");

    const LocalTimeFields local = ToLocal(now);
    const Date today(local);
    const TimeRec now_time{static_cast<std::uint8_t>(local.minute), static_cast<std::uint8_t>(local.hour), 0,
                           static_cast<std::uint8_t>(local.second)};
    if (day > today || (day == today && CompareTimeOfDay(now_time, at)))
        return refused(day > today ? NoteCheck::Field::Date : NoteCheck::Field::Time,
                       "You may not record notes in the future");

    NoteCheck check;
    check.entry = {day.to_rec(), at, std::move(text)};
    return check;
}

} // namespace velkor
