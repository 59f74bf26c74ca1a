#pragma once
// "Enter Memo": asks for the memo of a check-in, a check-out or the running session.

#include "core/SessionUi.h"

#include <QDialog>

#include <cstddef>
#include <string>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace velkor {

class IniFile;
class MemoEdit;
class ProjectList;
class Prompt;

class MemoInputDialog : public QDialog
{
    // No Q_OBJECT: moc cannot parse the C++20 headers this one includes, and nothing here needs it.
public:
    /// How the dialog ended; the numbers are its command ids (Cancel, Escape, closing: 0).
    enum Result
    {
        kCancel = 0,
        kOk = 1,
        kNoMemo = 101
    };

    /// memo is the initial text and receives the entered one (line breaks as CR LF, at most 1009
    /// bytes); remember and close_after are updated whenever the dialog ends, Cancel included.
    MemoInputDialog(ProjectList& list, std::size_t c, std::size_t p, std::string& memo, bool& remember,
                    MemoPurpose purpose, bool& close_after, IniFile& settings, Prompt& prompt,
                    QWidget* parent = nullptr);
    ~MemoInputDialog() override;

    MemoDialogResult outcome() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build_controls();
    void ok();
    void choose_saved_memo();
    void set_want_return(bool want_return);
    void save_check_boxes();

    ProjectList& my_list;
    std::size_t my_category;
    std::size_t my_project;
    std::string& my_memo;
    bool& my_remember;
    MemoPurpose my_purpose;
    bool& my_close_after;
    IniFile& my_settings;
    Prompt& my_prompt;
    bool my_always_choose = false;
    bool my_check_boxes_saved = false;
    bool my_shown_once = false;

    MemoEdit* my_edit = nullptr;
    QPushButton* my_choose = nullptr;
    QCheckBox* my_remember_box = nullptr;
    QCheckBox* my_minimize_box = nullptr;
    QCheckBox* my_always_choose_box = nullptr;
    QRadioButton* my_enter_new_line = nullptr;
    QRadioButton* my_enter_ok = nullptr;
};

} // namespace velkor
