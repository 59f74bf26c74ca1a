#pragma once
// The hot-key control: a key-sequence edit that holds one key with its modifiers, read and set as
// the stored hot key code (low byte the Windows virtual key, high byte 1 Shift, 2 Ctrl, 4 Alt), so
// a code means the same key on every platform. A key pressed with or without modifiers replaces
// what it shows; Backspace or Delete alone clears it; Tab, Enter and Escape alone keep their
// meaning in the dialog.

#include <QKeySequenceEdit>

namespace velkor {

class HotKeyEdit : public QKeySequenceEdit
{
public:
    explicit HotKeyEdit(QWidget* parent = nullptr);

    /// The code of the key shown, 0 when none.
    int code() const;
    /// Shows the key of code (nothing for 0 or a key the program does not know).
    void set_code(int code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace velkor
