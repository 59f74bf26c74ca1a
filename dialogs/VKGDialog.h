#pragma once
// "Velkor Crash Guard": offers a session found open at start-up back to the user, who continues
// it or checks it out at a date and time of their choosing.

#include "core/SessionUi.h"
#include "core/TimeValues.h"

#include <QDialog>

#include <string>

class QLineEdit;

namespace velkor {

class Clock;
class DateFieldWatcher;
class IniFile;
class Prompt;

class VKGDialog : public QDialog
{
    // No Q_OBJECT: moc cannot parse the C++20 headers this one includes, and nothing here needs it.
public:
    /// Command ids of the buttons that end the dialog.
    enum Result
    {
        kCheckOutWithMemo = 107,
        kCheckOut = 201,
        kContinue = 202
    };

    /// The date order ([Reporter] DateFormat) and the time form (TimeFormat) are read here, once.
    VKGDialog(const std::string& category, const std::string& project, const DateRec& check_in_date,
              const TimeRec& check_in_time, IniFile& settings, Prompt& prompt, const Clock& clock,
              QWidget* parent = nullptr);

    /// The user's choice; Escape and closing the window continue the session.
    const RecoveryChoice& choice() const { return my_choice; }

    void done(int result) override;

private:
    void fill_now();
    void check_out(bool with_memo);
    void refuse(QLineEdit* field, const std::string& text);

    DateRec my_check_in_date;
    TimeRec my_check_in_time;
    Prompt& my_prompt;
    const Clock& my_clock;
    int my_order;
    int my_time_format;
    RecoveryChoice my_choice;

    QLineEdit* my_date = nullptr;
    QLineEdit* my_time = nullptr;
    DateFieldWatcher* my_date_watcher = nullptr;
};

} // namespace velkor
