#pragma once
// "Offline Checkin/Checkout": records a whole session worked away from the computer for one
// project. Its rules and the recording are OfflineEntry's; this class shows them.

#include "presentation/OfflineEntry.h"

#include <QDialog>

#include <cstddef>
#include <string>

class QLineEdit;
class QVBoxLayout;

namespace velkor {

class DateFieldWatcher;

class OfflineCheckinDialog : public QDialog
{
    // No Q_OBJECT: moc cannot parse the C++20 headers this one includes, and nothing here needs it.
public:
    /// For project (c, p) of services.lists. The date order ([Reporter] DateFormat) and the time
    /// form (TimeFormat) are read here, once.
    OfflineCheckinDialog(const OfflineServices& services, std::size_t c, std::size_t p, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void build_fields(QVBoxLayout* layout);
    void build_buttons(QVBoxLayout* layout);
    void check_in_date_checked(bool valid);
    void record(bool with_memo);
    QLineEdit* field(OfflineField id) const;

    Prompt& my_prompt;
    const Clock& my_clock;
    int my_order;
    std::string my_time_hint;
    OfflineRecorder my_recorder;
    /// What the dialog last put in the check-out date field; while the field still holds it, the
    /// user has not touched it and it follows the check-in date.
    QString my_untouched_check_out_date;

    QLineEdit* my_check_in_date = nullptr;
    QLineEdit* my_check_in_time = nullptr;
    QLineEdit* my_check_out_date = nullptr;
    QLineEdit* my_check_out_time = nullptr;
    QLineEdit* my_duration = nullptr;
    DateFieldWatcher* my_check_in_watcher = nullptr;
    DateFieldWatcher* my_check_out_watcher = nullptr;
};

} // namespace velkor
