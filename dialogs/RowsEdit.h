#pragma once
// The "# of rows on the screen" edit: digits only, at most 4 of them; what it holds is handed on
// each time it loses the keyboard focus, so the main window can show the new row count at once.

#include <QLineEdit>

#include <functional>

namespace velkor {

class RowsEdit : public QLineEdit
{
public:
    /// left gets the text whenever the edit loses the focus.
    RowsEdit(int rows, std::function<void(const QString& text)> left, QWidget* parent = nullptr);
    /// Nothing is handed on any more (the dialog is going away).
    void stop() { my_left = nullptr; }

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::function<void(const QString&)> my_left;
};

} // namespace velkor
