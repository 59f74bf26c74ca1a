#pragma once
// The date edit fields' check on leaving: a changed field is parsed in the dialog's date order;
// a valid date is rewritten in the order's full form, an invalid one gets the caller's message
// and the field back, with its text selected.

#include <QObject>

#include <string>

class QLineEdit;

namespace velkor {

class Clock;
class Prompt;

class DateFieldWatcher : public QObject
{
    Q_OBJECT
public:
    DateFieldWatcher(QLineEdit* field, int order, const Clock& clock, Prompt& prompt, std::string error_message);

    /// Checks the field when it changed since the last check; false when it holds no valid date.
    bool check();
    bool changed() const { return my_changed; }

signals:
    /// A changed field was checked; a valid one holds the rewritten date.
    void checked(bool valid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* my_field;
    int my_order;
    const Clock& my_clock;
    Prompt& my_prompt;
    std::string my_error_message;
    bool my_changed = false;
};

} // namespace velkor
