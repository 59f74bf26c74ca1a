// The project editor's commands: the buttons and check boxes of the category and project boxes.
// What each may do is ProjectEditorModel's; here the dialogs are run and the controls refreshed.

#include "core/ProjectList.h"
#include "dialogs/AddCatProjDialog.h"
#include "dialogs/ChangeMemoDialog.h"
#include "dialogs/TProjectDialog.h"
#include "presentation/EditorText.h"
#include "presentation/ProjectEditorModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

namespace velkor {

std::optional<std::string> TProjectDialog::ask_category_name(bool is_new, std::string typed)
{
    for (;;) {
        AddCatProjDialog dialog(is_new, nullptr, typed, false, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        if (std::optional<std::string> name = my_model->accept_category_name(typed))
            return name;
        typed = trim_name(typed);
    }
}

std::optional<std::string> TProjectDialog::ask_project_name(bool is_new, std::size_t c, std::string typed)
{
    for (;;) {
        bool all = add_to_all_choice();
        AddCatProjDialog dialog(is_new, is_new ? &all : nullptr, typed, true, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        if (is_new)
            set_add_to_all_choice(all);
        if (std::optional<std::string> name = my_model->accept_project_name(c, typed))
            return name;
        typed = trim_name(typed);
    }
}

void TProjectDialog::new_category()
{
    std::optional<std::string> name = ask_category_name(true, std::string());
    if (!name)
        return;
    fill_categories(my_model->add_category(*name));
    changed(true);
}

void TProjectDialog::rename_category()
{
    const std::size_t c = selected_category();
    if (c == NPOS || !my_model->may_rename_category(c))
        return;
    std::optional<std::string> name = ask_category_name(false, my_list->category_name(c));
    if (!name)
        return;
    my_model->rename_category(c, *name);
    my_categories->setItemText(static_cast<int>(c), QString::fromStdString(*name));
    my_project_group->setTitle(QStringLiteral("Projects in ") + QString::fromStdString(*name));
    changed(true);
}

void TProjectDialog::delete_category()
{
    const std::size_t c = selected_category();
    if (c == NPOS || !my_model->delete_category(c))
        return;
    fill_categories(c);
    changed(true);
}

void TProjectDialog::choose_color()
{
    const std::size_t c = selected_category();
    if (c == NPOS)
        return;
    const QString title =
        QStringLiteral("Select color for category ") + QString::fromStdString(my_list->category_name(c));
    if (std::optional<Color> color = my_color_chooser(my_list->category_color(c), title, this)) {
        my_list->set_category_color(c, *color);
        changed(false);
    }
}

void TProjectDialog::move_category(int step)
{
    const std::size_t c = selected_category();
    if (c == NPOS)
        return;
    const std::size_t t = my_model->move_category(c, step);
    if (t == c)
        return;
    fill_categories(t);
    changed(false);
}

void TProjectDialog::sort_categories()
{
    my_model->sort_categories();
    fill_categories(0);
    changed(false);
}

void TProjectDialog::category_hidden(bool checked)
{
    const std::size_t c = selected_category();
    if (c == NPOS || !my_model->set_category_hidden(c, checked)) {
        my_category_hidden->setChecked(false);
        return;
    }
    changed(false);
}

void TProjectDialog::change_category_memo()
{
    const std::size_t c = selected_category();
    if (c == NPOS)
        return;
    MemoBehavior value = my_list->category_memo_behavior(c);
    ChangeMemoDialog dialog(value, my_list->category_name(c), true, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    my_list->set_category_memo_behavior(c, value);
    category_selection_changed();
}

void TProjectDialog::new_project()
{
    const std::size_t c = selected_category();
    if (c == NPOS || my_list->is_category_temporary(c))
        return;
    std::optional<std::string> name = ask_project_name(true, c, std::string());
    if (!name)
        return;
    my_model->add_project(c, *name, add_to_all_choice());
    category_selection_changed();
    changed(true);
}

void TProjectDialog::rename_project()
{
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if (p == NPOS || !my_model->may_rename_project(c, p))
        return;
    std::optional<std::string> name = ask_project_name(false, c, my_list->project_name(c, p));
    if (!name)
        return;
    my_model->rename_project(c, p, *name);
    my_projects->setItemText(static_cast<int>(p), QString::fromStdString(*name));
    changed(true);
}

void TProjectDialog::delete_project()
{
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if (p == NPOS || !my_model->delete_project(c, p))
        return;
    category_selection_changed();
    changed(true);
}

void TProjectDialog::copy_cat()
{
    const std::size_t c = selected_category();
    if (my_model->copy_cat(c) != ProjectEditorModel::CopyCat::Copied)
        return;
    category_selection_changed();
    changed(true);
}

void TProjectDialog::move_project(int step)
{
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if (p == NPOS)
        return;
    if (my_model->move_project(c, p, step) == p)
        return;
    category_selection_changed();
    changed(false);
}

void TProjectDialog::sort_projects()
{
    const std::size_t c = selected_category();
    if (c == NPOS)
        return;
    my_model->sort_projects(c);
    category_selection_changed();
    changed(false);
}

void TProjectDialog::project_hidden(bool checked)
{
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if (p == NPOS || !my_model->set_project_hidden(c, p, checked)) {
        my_project_hidden->setChecked(false);
        return;
    }
    changed(false);
}

void TProjectDialog::change_project_memo()
{
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if (p == NPOS)
        return;
    MemoBehavior value = my_list->project_memo_behavior(c, p);
    ChangeMemoDialog dialog(value, my_list->project_name(c, p), false, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    my_list->set_project_memo_behavior(c, p, value);
    project_selection_changed();
}

} // namespace velkor
