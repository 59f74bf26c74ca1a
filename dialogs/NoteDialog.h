#pragma once
// "Enter Note": the date, time and text of a note for one project, recorded in the log as a
// session of no length. The running session, if any, is not touched.

#include "presentation/NoteRules.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace velkor {

class Clock;
class DateFieldWatcher;
class IniFile;
class MemoEdit;
class Prompt;

class NoteDialog : public QDialog
{
    // No Q_OBJECT: moc cannot parse the C++20 headers this one includes, and nothing here needs it.
public:
    /// The date order ([Reporter] DateFormat) and the time form (TimeFormat) are read here, and
    /// the fields start at the clock's now.
    NoteDialog(const std::string& category, const std::string& project, IniFile& settings, Prompt& prompt,
               const Clock& clock, QWidget* parent = nullptr);

    /// The note's moment and text (trimmed); valid once the dialog was accepted.
    const NoteEntry& note() const { return my_note; }

    void done(int result) override;

private:
    void build(const std::string& category, const std::string& project);
    void set_want_return(bool want_return);
    void ok();

    IniFile& my_settings;
    Prompt& my_prompt;
    const Clock& my_clock;
    int my_order;
    NoteEntry my_note;

    QLineEdit* my_date = nullptr;
    QLineEdit* my_time = nullptr;
    MemoEdit* my_edit = nullptr;
    QCheckBox* my_minimize = nullptr;
    QRadioButton* my_enter_new_line = nullptr;
    QRadioButton* my_enter_ok = nullptr;
    DateFieldWatcher* my_date_watcher = nullptr;
};

} // namespace velkor
