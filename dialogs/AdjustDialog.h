#pragma once
// "Adjust Check-In/Check-Out Time": how long ago, or at what date and time, the check-in or
// check-out of this click happened. Its rules are AdjustRules; this class shows them.

#include "core/SessionUi.h"
#include "core/TimeValues.h"
#include "presentation/AdjustRules.h"

#include <QDialog>

class QLineEdit;

namespace velkor {

class Clock;
class DateFieldWatcher;
class IniFile;
class Prompt;

class AdjustDialog : public QDialog
{
    // No Q_OBJECT: moc cannot parse the C++20 headers this one includes, and nothing here needs it.
public:
    /// offset receives the seconds to date the click back by, on OK only. seconds and
    /// time_of_day tell the last check-out (mode 1) or the check-in (modes 2 and 3). The date
    /// order ([Reporter] DateFormat) and the time form (TimeFormat) are read here, once.
    AdjustDialog(AdjustMode mode, long seconds, const TimeRec& time_of_day, long& offset, IniFile& settings,
                 Prompt& prompt, const Clock& clock, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void build_long_ago_group(const AdjustTexts& texts);
    void build_specific_group(const AdjustTexts& texts);
    void ok();
    QLineEdit* field(AdjustField id) const;

    AdjustRules my_rules;
    long& my_offset;
    Prompt& my_prompt;

    QLineEdit* my_duration = nullptr;
    QLineEdit* my_date = nullptr;
    QLineEdit* my_time = nullptr;
    DateFieldWatcher* my_date_watcher = nullptr;
};

} // namespace velkor
