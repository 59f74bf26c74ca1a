#pragma once
// The multi-line edit of memos and notes: a limit in UTF-8 bytes that refuses input beyond it
// (a line break counts as the CR LF pair it becomes), the two Enter-key behaviours, and the
// conversion between the edit's line breaks and the CR LF pairs of the stored text.

#include "core/MemoList.h"

#include <QPlainTextEdit>

#include <string>

namespace velkor {

class MemoEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MemoEdit(QWidget* parent = nullptr);

    void set_max_bytes(int max_bytes) { my_max_bytes = max_bytes; }
    int max_bytes() const { return my_max_bytes; }

    /// true: Enter starts a new line. false: Enter goes to the dialog (its default button) and
    /// Ctrl+Enter starts a new line.
    void set_want_return(bool want_return) { my_want_return = want_return; }
    bool want_return() const { return my_want_return; }

    /// Shows a stored text (CR LF, or a lone CR or LF, as line breaks), cut to the limit.
    void set_memo(const std::string& memo);
    /// The text with every line break as CR LF; never longer than the limit.
    std::string memo() const;

    /// Inserts at the cursor as much of text as fits; returns whether all of it fitted.
    bool insert_limited(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    int room_for_input() const;

    int my_max_bytes = static_cast<int>(kMemoMaxBytes);
    bool my_want_return = true;
};

/// Stored text (CR LF line breaks) to the edit's form ("\n"); a lone CR also becomes a line break.
QString memo_to_edit_text(const std::string& memo);
/// The edit's form to stored text: every line break becomes CR LF.
std::string edit_text_to_memo(const QString& text);

} // namespace velkor
