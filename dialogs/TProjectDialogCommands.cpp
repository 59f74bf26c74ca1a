// The project editor's commands: the buttons and check boxes of the category and project boxes.

#include "classlib/Utf8Text.h"
#include "core/ProjectList.h"
#include "core/Prompt.h"
#include "dialogs/AddCatProjDialog.h"
#include "dialogs/ChangeMemoDialog.h"
#include "dialogs/EditorText.h"
#include "dialogs/TProjectDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include <utility>

namespace velkor {
namespace {

const char* const kCopyTitle = "Copy projects from one category to another";

} // namespace

bool TProjectDialog::ask_category_name(bool is_new, std::string& name)
{
    for (;;) {
        AddCatProjDialog dialog(is_new, nullptr, name, false, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        name = trim_name(name);
        if (name.empty())
            refuse("Category names may not be blank.", "Velkor");
        else if (has_field_break(name))
            refuse("Category names may not contain tabs or line breaks.", "Velkor");
        else if (my_list->find_category(name) != NPOS)
            refuse("That category already exists!", "Velkor");
        else
            return true;
    }
}

bool TProjectDialog::ask_project_name(bool is_new, std::size_t c, std::string& name)
{
    for (;;) {
        bool all = add_to_all_choice();
        AddCatProjDialog dialog(is_new, is_new ? &all : nullptr, name, true, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (is_new)
            set_add_to_all_choice(all);
        name = trim_name(name);
        if (name.empty())
            refuse("Project names may not be blank.", "");
        else if (has_field_break(name))
            refuse("Project names may not contain tabs or line breaks.", "Velkor");
        else if (my_list->find_project(c, name) != NPOS)
            refuse("That project already exists in this category!", "");
        else
            return true;
    }
}

void TProjectDialog::new_category()
{
    std::string name;
    if (!ask_category_name(true, name))
        return;
    my_list->add_category(name, kBlack, false);
    const std::size_t c = my_list->n_categories() - 1;
    remembered_selection(c) = 0;
    fill_categories(c);
    changed(true);
}

void TProjectDialog::rename_category()
{
    const std::size_t c = selected_category();
    if (c == NPOS)
        return;
    if (my_list->is_current_project() && my_list->current_category() == c) {
        refuse("Sorry, you cannot rename the current category.", "Velkor");
        return;
    }
    std::string name = my_list->category_name(c);
    if (!ask_category_name(false, name))
        return;
    my_list->rename_category(c, name);
    my_categories->setItemText(static_cast<int>(c), QString::fromStdString(name));
    my_project_group->setTitle(QStringLiteral("Projects in ") + QString::fromStdString(name));
    changed(true);
}

void TProjectDialog::delete_category()
{
    const std::size_t c = selected_category();
    if (c == NPOS)
        return;
    if (my_list->is_current_project() && my_list->current_category() == c) {
        refuse("Sorry, you cannot delete the current category.", "Velkor");
        return;
    }
    my_list->delete_category(c);
    if (c < my_selected.size())
        my_selected.erase(my_selected.begin() + static_cast<std::ptrdiff_t>(c));
    // A pending Copy Cat follows its source, or ends with it.
    if (my_copy_pending && my_copy_source == c)
        my_copy_pending = false;
    else if (my_copy_pending && my_copy_source > c)
        --my_copy_source;
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
    const std::size_t i = selected_category();
    if (i == NPOS)
        return;
    const std::size_t n = my_list->n_categories();
    std::size_t t = i;
    auto advance = [&] {
        if (step < 0 ? t == 0 : t + 1 >= n)
            return false;
        t = step < 0 ? t - 1 : t + 1;
        return true;
    };
    if (!advance())
        return;
    // A displayed category skips hidden neighbours; a hidden one moves one place at a time.
    while (!my_list->is_category_displayed(t) && my_list->is_category_displayed(i)) {
        if (!advance())
            return;
    }
    my_list->swap_categories(i, t);
    remembered_selection(std::max(i, t));
    std::swap(my_selected[i], my_selected[t]);
    if (my_copy_pending && my_copy_source == i)
        my_copy_source = t;
    else if (my_copy_pending && my_copy_source == t)
        my_copy_source = i;
    fill_categories(t);
    changed(false);
}

void TProjectDialog::sort_categories()
{
    const std::string source = my_copy_pending ? my_list->category_name(my_copy_source) : std::string();
    my_list->sort_categories();
    my_selected.assign(my_list->n_categories(), 0);
    if (my_copy_pending) {
        my_copy_source = my_list->find_category(source);
        my_copy_pending = my_copy_source != NPOS;
    }
    fill_categories(0);
    changed(false);
}

void TProjectDialog::category_hidden(bool checked)
{
    const std::size_t c = selected_category();
    if (c == NPOS) {
        my_category_hidden->setChecked(false);
        return;
    }
    if (checked && my_list->is_current_project() && my_list->current_category() == c) {
        refuse("Sorry, you cannot hide the category\ncontaining the current project.", "Velkor");
        my_category_hidden->setChecked(false);
        return;
    }
    my_list->set_category_shown(c, !checked);
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
    std::string name;
    if (!ask_project_name(true, c, name))
        return;
    if (add_to_all_choice()) {
        for (std::size_t k = 0; k < my_list->n_categories(); ++k) {
            if (my_list->find_project(k, name) == NPOS)
                my_list->add_project(k, name, false);
        }
    } else {
        my_list->add_project(c, name, false);
    }
    remembered_selection(c) = my_list->n_projects(c) - 1;
    category_selection_changed();
    changed(true);
}

void TProjectDialog::rename_project()
{
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if (p == NPOS)
        return;
    if (my_list->is_current(c, p)) {
        refuse("Sorry, you cannot rename the current project.", "Velkor");
        return;
    }
    std::string name = my_list->project_name(c, p);
    if (!ask_project_name(false, c, name))
        return;
    my_list->rename_project(c, p, name);
    my_projects->setItemText(static_cast<int>(p), QString::fromStdString(name));
    changed(true);
}

void TProjectDialog::delete_project()
{
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if (p == NPOS)
        return;
    if (my_list->is_current(c, p)) {
        refuse("Sorry, you cannot delete the current project.", "Velkor");
        return;
    }
    my_list->delete_project(c, p);
    remembered_selection(c) = p; // the next one, or the new last one once clamped
    category_selection_changed();
    changed(true);
}

void TProjectDialog::copy_cat()
{
    const std::size_t c = selected_category();
    if (c == NPOS) {
        refuse("You must first select the category from which\nyou wish to copy projects.", "Error");
        return;
    }
    const std::string name = message_excerpt(my_list->category_name(c));
    if (!my_copy_pending) {
        if (my_list->n_projects(c) == 0) {
            refuse("There are no projects to copy in category\n" + name, "Error");
            return;
        }
        const std::string text = "Preparing to copy projects...\n\n    FROM category: " + name +
                                 "\n\nUse the category selection box to choose where you want to\ncopy these "
                                 "projects, then click the CopyCat button again.";
        if (my_prompt.message(text, kCopyTitle, Buttons::OkCancel, Icon::Information) == Answer::Ok) {
            my_copy_pending = true;
            my_copy_source = c;
        }
        return;
    }
    my_copy_pending = false;
    if (c == my_copy_source) {
        refuse("Oops--you copy from a category to itself!\n\nFirst choose the category you want to copy from,\n"
               "click the CopyCat button, then choose the category\nyou want to copy to, and click the CopyCat "
               "button again.",
               "Error");
        return;
    }
    const std::string text =
        "Ready to copy projects...\n\n    FROM category: " + message_excerpt(my_list->category_name(my_copy_source)) +
        "\n    TO category: " + name + "\n\nClick OK to copy projects, or Cancel to forget about it.";
    if (my_prompt.message(text, kCopyTitle, Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return;
    for (std::size_t q = 0; q < my_list->n_projects(my_copy_source); ++q) {
        const std::string& project = my_list->project_name(my_copy_source, q);
        if (!my_list->is_project_temporary(my_copy_source, q) && my_list->find_project(c, project) == NPOS)
            my_list->add_project(c, project, false);
    }
    remembered_selection(c) = 0;
    category_selection_changed();
    changed(true);
}

void TProjectDialog::move_project(int step)
{
    const std::size_t c = selected_category();
    const std::size_t i = selected_project();
    if (i == NPOS)
        return;
    const std::size_t n = my_list->n_projects(c);
    std::size_t t = i;
    auto advance = [&] {
        if (step < 0 ? t == 0 : t + 1 >= n)
            return false;
        t = step < 0 ? t - 1 : t + 1;
        return true;
    };
    if (!advance())
        return;
    while (!my_list->is_project_displayed(c, t) && my_list->is_project_displayed(c, i)) {
        if (!advance())
            return;
    }
    my_list->swap_projects(c, i, t);
    remembered_selection(c) = t;
    category_selection_changed();
    changed(false);
}

void TProjectDialog::sort_projects()
{
    const std::size_t c = selected_category();
    if (c == NPOS)
        return;
    my_list->sort_projects(c);
    remembered_selection(c) = 0;
    category_selection_changed();
    changed(false);
}

void TProjectDialog::project_hidden(bool checked)
{
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if (p == NPOS) {
        my_project_hidden->setChecked(false);
        return;
    }
    if (checked && my_list->is_current(c, p)) {
        refuse("Sorry, you cannot hide the current project.", "Velkor");
        my_project_hidden->setChecked(false);
        return;
    }
    my_list->set_project_shown(c, p, !checked);
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
