#pragma once
// Finding a dialog's controls by their id<N> object names, what they show, and acting on modal
// dialogs.

#include <QAccessible>
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

/// The text a label shows the user: markup the label reads is gone from it, plain text is not.
inline QString shown_text(QWidget* label)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
    return face ? face->text(QAccessible::Name) : QString();
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
