#pragma once
// "Add/Delete/Change Categories and Projects": the project editor. It works on a copy of the
// program-wide list that takes the list's place while the dialog is open, so the main window
// shows every change at once. OK writes the project file and keeps the copy; Cancel (Escape,
// closing the window, or destroying the dialog unfinished) puts the previous list back.

#include "classlib/Color.h"
#include "core/ProjectAttributes.h"

#include <QDialog>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velkor {

class IniFile;
class ProjectEditorHost;
class ProjectEditorModel;
class ProjectList;
class Prompt;

class TProjectDialog : public QDialog
{
public:
    /// Shows the colour chooser: the chosen colour, or nothing when the user cancels.
    using ColorChooser = std::function<std::optional<Color>(Color current, const QString& title, QWidget* parent)>;

    /// Puts a copy of the host's list in its place (begin_edit). host, settings and prompt must
    /// outlive the dialog.
    TProjectDialog(ProjectEditorHost& host, IniFile& settings, Prompt& prompt, QWidget* parent = nullptr);
    /// Restores the previous list if the dialog never finished.
    ~TProjectDialog() override;

    /// Replaces the chooser (by default QColorDialog with its program-wide custom colours).
    void set_color_chooser(ColorChooser chooser) { my_color_chooser = std::move(chooser); }

    /// The last "Add this project to all categories" choice; kept for the program's run.
    static bool add_to_all_choice();
    static void set_add_to_all_choice(bool on);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class RateField
    {
        Category,
        Project,
        Default
    };

    void build();
    struct ItemBoxIds
    {
        int hidden, rate, memo, change;
    };
    struct ItemControls
    {
        QComboBox* list = nullptr;
        QCheckBox* hidden = nullptr;
        QLineEdit* rate = nullptr;
        QLabel* memo = nullptr;
    };
    /// The category and project boxes share one shape: list, buttons, Hidden, rate, memo, Change.
    QGroupBox* build_item_box(const QString& title, int list_id, const ItemBoxIds& ids,
                              std::initializer_list<std::pair<const char*, int>> buttons, ItemControls& out);
    QWidget* build_category_box();
    QWidget* build_project_box();
    void connect_controls();

    // Steps that bring the controls in line with the list.
    std::size_t selected_category() const;
    std::size_t selected_project() const;
    void fill_categories(std::size_t select);
    void category_selection_changed();
    void project_selection_changed();

    // Commands.
    void new_category();
    void rename_category();
    void delete_category();
    void choose_color();
    void move_category(int step);
    void sort_categories();
    void category_hidden(bool checked);
    void change_category_memo();
    void new_project();
    void rename_project();
    void delete_project();
    void copy_cat();
    void move_project(int step);
    void sort_projects();
    void project_hidden(bool checked);
    void change_project_memo();

    // Name entry: runs AddCatProjDialog until the model accepts a name or the user cancels.
    std::optional<std::string> ask_category_name(bool is_new, std::string typed);
    std::optional<std::string> ask_project_name(bool is_new, std::size_t c, std::string typed);
    void changed(bool names_or_counts);

    // Rates.
    QLineEdit* rate_edit(RateField field) const;
    /// Checks and stores the edit's text; false when the text was refused.
    bool commit_rate(RateField field);
    void show_rate(RateField field);

    void finish(bool keep);

    ProjectEditorHost& my_host;
    IniFile& my_settings;
    Prompt& my_prompt;
    ColorChooser my_color_chooser;
    ProjectList* my_list = nullptr; ///< the working copy, owned by the host while open; null once closed
    std::unique_ptr<ProjectEditorModel> my_model;
    bool my_finished = false;

    QComboBox* my_categories = nullptr;
    QComboBox* my_projects = nullptr;
    QGroupBox* my_project_group = nullptr;
    QLabel* my_category_memo = nullptr;
    QLabel* my_project_memo = nullptr;
    QCheckBox* my_category_hidden = nullptr;
    QCheckBox* my_project_hidden = nullptr;
    QLineEdit* my_category_rate = nullptr;
    QLineEdit* my_project_rate = nullptr;
    QLineEdit* my_default_rate = nullptr;
    QPushButton* my_new_project = nullptr;
    QPushButton* my_copy_cat = nullptr;
};

} // namespace velkor
