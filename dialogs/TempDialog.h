#pragma once
// "Check into temporary or hidden category/project" (and "Enter note for ..."): chooses what a
// check-in or note goes to when it is not on the grid, from a category header the user used. The
// user picks a hidden category and/or project, or types a new name, which becomes a temporary
// item or, on request, a saved (possibly hidden) one. OK makes the choice in the program-wide
// list and writes the hidden list when a "but hide it" was used; the caller checks in or opens
// the note dialog, and writes the project file when saved names were created.

#include "presentation/TempChoiceModel.h"

#include <QDialog>

#include <cstddef>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace velkor {

class ProgramWideList;
class Prompt;

class TempDialog : public QDialog
{
    // No Q_OBJECT: moc cannot parse the C++20 headers this one includes, and nothing here needs it.
public:
    /// Chooses for a check-in (check_in_mode) or a note, starting from category; lists holds a
    /// list, and lists and prompt outlive the dialog.
    TempDialog(ProgramWideList& lists, std::size_t category, bool check_in_mode, bool can_change_projects,
               Prompt& prompt, QWidget* parent = nullptr);
    ~TempDialog() override;

    /// What OK chose; valid once the dialog was accepted.
    const TempChoice& choice() const { return my_choice; }

private:
    void build();
    void connect_controls();
    /// Brings every control in line with the model.
    void show_model();
    void show_hidden_projects();
    void ok();

    ProgramWideList& my_lists;
    std::unique_ptr<TempChoiceModel> my_model;
    TempChoice my_choice;
    std::vector<IndexedEntry> my_shown_projects; ///< what the hidden-project list holds now

    QCheckBox* my_use_category = nullptr;
    QLineEdit* my_category_name = nullptr;
    QCheckBox* my_save_category = nullptr;
    QCheckBox* my_hide_category = nullptr;
    QListWidget* my_hidden_categories = nullptr;
    QLineEdit* my_project_name = nullptr;
    QCheckBox* my_save_project = nullptr;
    QCheckBox* my_hide_project = nullptr;
    QLabel* my_hidden_projects_label = nullptr;
    QListWidget* my_hidden_projects = nullptr;
};

} // namespace velkor
