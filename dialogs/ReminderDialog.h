#pragma once
// The periodic reminder: the time, whether the user is still working on the current project (or
// still idle), and Yes / No.

#include <QDialog>

#include <string>

namespace velkor {

/// What the reminder shows; caption is the window title followed by " Reminder".
struct ReminderTexts
{
    std::string caption;
    std::string time_line; ///< "It is now " and the time
    std::string question;  ///< "Are you still working on:" or "Are you still idle?"
    std::string category;  ///< empty when idle
    std::string project;
    std::string memo;
};

class ReminderDialog : public QDialog
{
    Q_OBJECT
public:
    /// Yes accepts the dialog; No, Escape and closing reject it.
    explicit ReminderDialog(const ReminderTexts& texts, QWidget* parent = nullptr);
};

} // namespace velkor
