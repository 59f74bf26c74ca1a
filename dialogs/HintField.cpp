#include "dialogs/HintField.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace velkor {

namespace {

class SelectAllOnFocus : public QObject
{
public:
    explicit SelectAllOnFocus(QLineEdit* field) : QObject(field), my_field(field) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A mouse press places the caret after the focus arrives, so the selection waits for it.
        if (watched == my_field && event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, my_field, &QLineEdit::selectAll);
        return false;
    }

private:
    QLineEdit* my_field;
};

} // namespace

void select_all_on_focus(QLineEdit* field)
{
    field->installEventFilter(new SelectAllOnFocus(field));
}

} // namespace velkor
