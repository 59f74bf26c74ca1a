#pragma once
// Finding a dialog's controls by their id<N> object names, and acting on modal dialogs.

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace velkor::test {

template <typename T = QWidget> T* control(const QWidget* dialog, int id)
{
    T* widget = dialog->findChild<T*>(QStringLiteral("id%1").arg(id));
    EXPECT_NE(widget, nullptr) << "id" << id;
    return widget;
}

/// Runs action on the modal dialog of type T as soon as it is the active modal widget.
template <typename T> void when_modal(std::function<void(T*)> action, int tries = 50)
{
    QTimer::singleShot(0, [action, tries] {
        if (auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget()))
            action(dialog);
        else if (tries > 0)
            when_modal<T>(action, tries - 1);
        else
            ADD_FAILURE() << "no modal dialog of the expected type came up";
    });
}

} // namespace velkor::test
