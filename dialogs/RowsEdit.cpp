#include "dialogs/RowsEdit.h"

#include <QRegularExpressionValidator>

#include <utility>

namespace velkor {

RowsEdit::RowsEdit(int rows, std::function<void(const QString& text)> left, QWidget* parent)
    : QLineEdit(QString::number(rows), parent), my_left(std::move(left))
{
    setMaxLength(4);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), this));
}

void RowsEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (my_left)
        my_left(text());
}

} // namespace velkor
