#include "dialogs/MemoEdit.h"

#include "dialogs/Utf8LimitValidator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

namespace velkor {
namespace {

constexpr int kLineBreakBytes = 2; // CR LF

QString normalize_breaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

bool is_enter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

QString memo_to_edit_text(const std::string& memo)
{
    return normalize_breaks(QString::fromStdString(memo));
}

std::string edit_text_to_memo(const QString& text)
{
    QString crlf = normalize_breaks(text);
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    return crlf.toStdString();
}

MemoEdit::MemoEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true); // Tab moves between the dialog's controls, as in every other field
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void MemoEdit::set_memo(const std::string& memo)
{
    setPlainText(cut_to_bytes(memo_to_edit_text(memo), my_max_bytes, kLineBreakBytes));
    moveCursor(QTextCursor::End);
}

std::string MemoEdit::memo() const
{
    // Blocks joined by hand: toPlainText() would also turn no-break spaces into blanks.
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return edit_text_to_memo(cut_to_bytes(lines.join(u'\n'), my_max_bytes, kLineBreakBytes));
}

int MemoEdit::room_for_input() const
{
    const int used = static_cast<int>(memo().size());
    const int selected = utf8_bytes(textCursor().selectedText(), kLineBreakBytes);
    return my_max_bytes - (used - selected);
}

bool MemoEdit::insert_limited(const QString& text)
{
    const QString wanted = normalize_breaks(text);
    const QString fitting = cut_to_bytes(wanted, room_for_input(), kLineBreakBytes);
    if (!fitting.isEmpty())
        insertPlainText(fitting);
    if (fitting.size() != wanted.size()) {
        QApplication::beep();
        return false;
    }
    return true;
}

void MemoEdit::keyPressEvent(QKeyEvent* event)
{
    if (is_enter(event)) {
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        if (my_want_return || ctrl) {
            insert_limited(QStringLiteral("\n"));
            event->accept();
        } else {
            event->ignore(); // the dialog presses its default button
        }
        return;
    }
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && !text.isEmpty() && text.at(0).isPrint()) {
        if (utf8_bytes(text, kLineBreakBytes) > room_for_input()) {
            QApplication::beep(); // refused whole, as the limited edit does with a keystroke
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoEdit::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText())
        insert_limited(source->text());
}

void MemoEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty() || utf8_bytes(commit, kLineBreakBytes) <= room_for_input()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(cut_to_bytes(commit, room_for_input(), kLineBreakBytes), event->replacementStart(),
                        event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
    QApplication::beep();
}

} // namespace velkor
