#include "dialogs/HotKeyEdit.h"

#include "platform/qt/HotKey.h"

#include <QKeyEvent>

namespace velkor {
namespace {

bool is_modifier_key(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
        return true;
    default:
        return false;
    }
}

} // namespace

HotKeyEdit::HotKeyEdit(QWidget* parent) : QKeySequenceEdit(parent)
{
    setClearButtonEnabled(true);
}

int HotKeyEdit::code() const
{
    const QKeySequence sequence = keySequence();
    return sequence.isEmpty() ? 0 : hot_key_code(sequence[0]);
}

void HotKeyEdit::set_code(int code)
{
    const QKeyCombination combination = key_combination_for_hot_key(code);
    setKeySequence(combination == QKeyCombination() ? QKeySequence() : QKeySequence(combination));
}

// One key makes the whole entry: the recording of sequences of several keys is not used.
void HotKeyEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && held == Qt::NoModifier)) {
        focusNextPrevChild(key == Qt::Key_Tab);
        return;
    }
    if (held == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->ignore(); // the dialog's default button, or Cancel
            return;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            set_code(0);
            event->accept();
            return;
        default:
            break;
        }
    }
    event->accept();
    if (is_modifier_key(key) || held.testFlag(Qt::MetaModifier))
        return;
    // A key the stored code cannot name (nor the Meta key) leaves the control as it was.
    if (const int code = hot_key_code(event->keyCombination()); code != 0) {
        set_code(code);
        emit editingFinished();
    }
}

void HotKeyEdit::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
}

} // namespace velkor
