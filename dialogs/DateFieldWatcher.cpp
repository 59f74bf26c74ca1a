#include "dialogs/DateFieldWatcher.h"

#include "core/TimeValues.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace velkor {

DateFieldWatcher::DateFieldWatcher(QLineEdit* field, int order, const Clock& clock, Prompt& prompt,
                                   std::string error_message)
    : QObject(field), my_field(field), my_order(order), my_clock(clock), my_prompt(prompt),
      my_error_message(std::move(error_message))
{
    connect(field, &QLineEdit::textChanged, this, [this] { my_changed = true; });
    field->installEventFilter(this);
}

bool DateFieldWatcher::check()
{
    if (!my_changed)
        return true;
    const DateFieldCheck result =
        check_date_field(my_field->text().toStdString(), my_order, my_clock, my_prompt, my_error_message);
    if (result.valid)
        my_field->setText(QString::fromStdString(result.text));
    my_changed = false;
    emit checked(result.valid);
    if (!result.valid) {
        my_field->selectAll();
        // Taken back once the focus change that ran this check has finished.
        QTimer::singleShot(0, my_field, [field = my_field] {
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
        });
    }
    return result.valid;
}

bool DateFieldWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == my_field && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching windows (or our own message box coming up) is not leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && my_field->isVisible())
            check();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velkor
