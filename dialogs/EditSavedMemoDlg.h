#pragma once
// "Add a Saved Memo" / "Edit a Saved Memo": the small editor of the saved-memo chooser.

#include <QDialog>

#include <string>

namespace velkor {

class MemoEdit;

class EditSavedMemoDlg : public QDialog
{
    Q_OBJECT
public:
    /// text is shown (cut to 1009 bytes) and receives the edited text when the dialog ends with
    /// OK; want_return chooses the Enter-key behaviour that instruction describes.
    EditSavedMemoDlg(const QString& title, std::string& text, const QString& instruction, bool want_return,
                     QWidget* parent = nullptr);

    void accept() override;

private:
    std::string& my_text;
    MemoEdit* my_edit;
};

} // namespace velkor
