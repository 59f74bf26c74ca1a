#pragma once
// "Hide/show Categories and Projects": hides and shows categories and projects, and clears away
// the temporary items and temporarily shown hidden items that check-ins and notes left behind.
// It works on a copy of the program-wide list that takes the list's place while it is open, so
// the main window shows every change at once. OK keeps the copy and writes the hidden list (never
// the project file); Cancel (Escape, closing the window, the clean-up question's Cancel, or the
// dialog destroyed unfinished) puts the list of before back, undoing the clean-up too.

#include "presentation/HideShowModel.h"

#include <QDialog>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace velkor {

class ProjectList;
class Prompt;

/// What the dialog needs from the main window.
class HideShowHost
{
public:
    virtual ~HideShowHost() = default;
    /// Puts a copy of the program-wide list in its place and returns it.
    virtual ProjectList& begin_edit() = 0;
    /// OK: the copy stays, and only the hidden list is written from it.
    virtual void keep_hidden_list() = 0;
    /// Cancel: the list of before is back; no file is touched.
    virtual void cancel_edit() = 0;
    /// Shown categories or projects changed: measure the grid again at the next paint.
    virtual void set_measure_flag() = 0;
    /// Repaint the whole main window.
    virtual void invalidate() = 0;
};

class HideNameDialog : public QDialog
{
    // No Q_OBJECT: moc cannot parse the C++20 headers this one includes, and nothing here needs it.
public:
    /// Takes the copy and cleans it up at once. host and prompt must outlive the dialog.
    HideNameDialog(HideShowHost& host, Prompt& prompt, QWidget* parent = nullptr);
    /// Puts the previous list back if the dialog never finished.
    ~HideNameDialog() override;

    /// The clean-up on opening changed something.
    bool cleaned_up() const { return my_cleaned_up; }

    /// When the clean-up changed something, first asks whether to go on (the grid behind shows
    /// the cleaned list); Cancel there ends the dialog as its Cancel does, without showing it.
    int exec() override;
    void done(int result) override;

private:
    void build();
    QGroupBox* build_side(const char* title, int group_id, int list_id, int show_id, int hide_id, int select_all_id,
                          QListWidget*& list, QRadioButton*& show, QRadioButton*& hide);
    /// The clean-up question; false on its Cancel.
    bool confirm_clean_up();

    void fill_categories(bool keep_selection);
    void fill_projects(bool keep_selection);
    void update_category_radios();
    void update_project_radios();
    void categories_selected();
    void category_radio_clicked(bool show);
    void project_radio_clicked(bool show);
    void select_all_categories();

    void finish(bool keep);

    HideShowHost& my_host;
    Prompt& my_prompt;
    ProjectList* my_list = nullptr; ///< the working copy, owned by the host while open; null once closed
    std::unique_ptr<HideShowModel> my_model;
    bool my_cleaned_up = false;
    bool my_finished = false;

    QListWidget* my_categories = nullptr;
    QRadioButton* my_show_categories = nullptr;
    QRadioButton* my_hide_categories = nullptr;
    QGroupBox* my_project_group = nullptr;
    QListWidget* my_projects = nullptr;
    QRadioButton* my_show_projects = nullptr;
    QRadioButton* my_hide_projects = nullptr;
    QPushButton* my_select_all_projects = nullptr;
};

} // namespace velkor
