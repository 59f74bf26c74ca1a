#pragma once
// "Choose a Saved Memo": picks one of a project's remembered memos and edits the list of them.
// All edits happen on a working copy; the project's own list changes only when they are saved.

#include "core/MemoList.h"

#include <QDialog>

#include <cstddef>
#include <optional>
#include <string>

class QListWidget;
class QPushButton;

namespace velkor {

class IniFile;
class ProjectList;
class Prompt;

class ChooseMemoDialog : public QDialog
{
    Q_OBJECT
public:
    /// How the dialog ended; the numbers are its command ids.
    enum Result
    {
        kCancel = 0,
        kUseAsIs = 1,
        kEditThenUse = 103
    };

    /// memo preselects the entry with that text and receives the chosen memo (at most 1009 bytes);
    /// on Cancel it receives the selected entry's text, if an entry is selected.
    ChooseMemoDialog(ProjectList& list, std::size_t c, std::size_t p, std::string& memo, IniFile& settings,
                     Prompt& prompt, QWidget* parent = nullptr);

    bool modified() const { return my_modified; }
    const MemoList& working_chain() const { return my_working; }

    void done(int result) override;

private:
    void fill_list(std::optional<std::size_t> select_position, const std::string* select_text = nullptr);
    std::optional<std::size_t> selected_position() const;
    void update_buttons();
    QString instruction_text(bool want_return) const;
    /// Runs the editor; true when the memo (or a new one) went into the working chain.
    bool run_editor(std::optional<std::size_t> position);
    void add();
    void edit() { run_editor(selected_position()); }
    void remove();
    void save_changes();
    void use(Result result);
    void edit_then_use();

    ProjectList& my_list;
    std::size_t my_category;
    std::size_t my_project;
    std::string& my_memo;
    IniFile& my_settings;
    Prompt& my_prompt;
    MemoList my_working;
    bool my_modified = false;

    QListWidget* my_memos;
    QPushButton* my_use;
    QPushButton* my_edit_then_use;
    QPushButton* my_edit;
    QPushButton* my_delete;
    QPushButton* my_save;
};

} // namespace velkor
