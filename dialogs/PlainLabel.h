#pragma once
// Labels that show their text exactly as it is: a name, memo, path or line of a file is never
// taken for markup, whatever it contains.

#include <QLabel>

namespace velkor {

inline QLabel* plain_label(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace velkor
