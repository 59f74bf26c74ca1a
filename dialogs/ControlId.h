#pragma once
// Dialog controls carry the numeric id of their place in the dialog as the object name "id<N>",
// which is how tests and the help find them.

#include <QString>

namespace velkor {

template <typename Widget> Widget* with_id(Widget* widget, int id)
{
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    return widget;
}

} // namespace velkor
