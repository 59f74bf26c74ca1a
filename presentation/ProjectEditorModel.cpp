#include "presentation/ProjectEditorModel.h"

#include "base/Utf8Text.h"
#include "presentation/EditorText.h"

#include <algorithm>
#include <utility>

namespace velkor {
namespace {

const char* const kCopyTitle = "Copy projects from one category to another";

// The target of a one-place move of item i among n: items for which displayed(t) is false are
// skipped while the item itself is displayed; none when it cannot move.
template <typename Displayed>
std::optional<std::size_t> move_target(std::size_t i, std::size_t n, int step, Displayed displayed)
{
    std::size_t t = i;
    auto advance = [&] {
        if (step < 0 ? t == 0 : t + 1 >= n)
            return false;
        t = step < 0 ? t - 1 : t + 1;
        return true;
    };
    if (!advance())
        return std::nullopt;
    while (!displayed(t) && displayed(i)) {
        if (!advance())
            return std::nullopt;
    }
    return t;
}

} // namespace

ProjectEditorModel::ProjectEditorModel(ProjectList& list, Prompt& prompt)
    : my_list(list), my_prompt(prompt), my_selected(list.n_categories(), 0)
{
}

void ProjectEditorModel::refuse(const std::string& text, const std::string& caption)
{
    my_prompt.message(text, caption, Buttons::Ok, Icon::Exclamation);
}

std::size_t& ProjectEditorModel::remembered(std::size_t c)
{
    if (my_selected.size() <= c)
        my_selected.resize(c + 1, 0);
    return my_selected[c];
}

bool ProjectEditorModel::is_current_category(std::size_t c) const
{
    return my_list.is_current_project() && my_list.current_category() == c;
}

std::optional<std::string> ProjectEditorModel::accept_category_name(const std::string& typed)
{
    std::string name = trim_name(typed);
    if (name.empty())
        refuse("Category names may not be blank.", "Velkor");
    else if (has_field_break(name))
        refuse("Category names may not contain tabs or line breaks.", "Velkor");
    else if (my_list.find_category(name) != NPOS)
        refuse("That category already exists!", "Velkor");
    else
        return name;
    return std::nullopt;
}

std::optional<std::string> ProjectEditorModel::accept_project_name(std::size_t c, const std::string& typed)
{
    std::string name = trim_name(typed);
    if (name.empty())
        refuse("Project names may not be blank.", "");
    else if (has_field_break(name))
        refuse("Project names may not contain tabs or line breaks.", "Velkor");
    else if (my_list.find_project(c, name) != NPOS)
        refuse("That project already exists in this category!", "");
    else
        return name;
    return std::nullopt;
}

std::size_t ProjectEditorModel::add_category(const std::string& name)
{
    my_list.add_category(name, kBlack, false);
    const std::size_t c = my_list.n_categories() - 1;
    remembered(c) = 0;
    return c;
}

bool ProjectEditorModel::may_rename_category(std::size_t c)
{
    if (!is_current_category(c))
        return true;
    refuse("Sorry, you cannot rename the current category.", "Velkor");
    return false;
}

void ProjectEditorModel::rename_category(std::size_t c, const std::string& name)
{
    my_list.rename_category(c, name);
}

bool ProjectEditorModel::delete_category(std::size_t c)
{
    if (is_current_category(c)) {
        refuse("Sorry, you cannot delete the current category.", "Velkor");
        return false;
    }
    my_list.delete_category(c);
    if (c < my_selected.size())
        my_selected.erase(my_selected.begin() + static_cast<std::ptrdiff_t>(c));
    // A pending Copy Cat follows its source, or ends with it.
    if (my_copy_pending && my_copy_source == c)
        my_copy_pending = false;
    else if (my_copy_pending && my_copy_source > c)
        --my_copy_source;
    return true;
}

std::size_t ProjectEditorModel::move_category(std::size_t c, int step)
{
    const std::optional<std::size_t> target = move_target(
        c, my_list.n_categories(), step, [this](std::size_t k) { return my_list.is_category_displayed(k); });
    if (!target)
        return c;
    const std::size_t t = *target;
    my_list.swap_categories(c, t);
    remembered(std::max(c, t));
    std::swap(my_selected[c], my_selected[t]);
    if (my_copy_pending && my_copy_source == c)
        my_copy_source = t;
    else if (my_copy_pending && my_copy_source == t)
        my_copy_source = c;
    return t;
}

void ProjectEditorModel::sort_categories()
{
    const std::string source = my_copy_pending ? my_list.category_name(my_copy_source) : std::string();
    my_list.sort_categories();
    my_selected.assign(my_list.n_categories(), 0);
    if (my_copy_pending) {
        my_copy_source = my_list.find_category(source);
        my_copy_pending = my_copy_source != NPOS;
    }
}

bool ProjectEditorModel::set_category_hidden(std::size_t c, bool hidden)
{
    if (hidden && is_current_category(c)) {
        refuse("Sorry, you cannot hide the category\ncontaining the current project.", "Velkor");
        return false;
    }
    my_list.set_category_shown(c, !hidden);
    return true;
}

void ProjectEditorModel::add_project(std::size_t c, const std::string& name, bool to_all)
{
    if (my_list.is_category_temporary(c))
        return;
    if (to_all) {
        for (std::size_t k = 0; k < my_list.n_categories(); ++k) {
            if (my_list.find_project(k, name) == NPOS)
                my_list.add_project(k, name, false);
        }
    } else {
        my_list.add_project(c, name, false);
    }
    remembered(c) = my_list.n_projects(c) - 1;
}

bool ProjectEditorModel::may_rename_project(std::size_t c, std::size_t p)
{
    if (!my_list.is_current(c, p))
        return true;
    refuse("Sorry, you cannot rename the current project.", "Velkor");
    return false;
}

void ProjectEditorModel::rename_project(std::size_t c, std::size_t p, const std::string& name)
{
    my_list.rename_project(c, p, name);
}

bool ProjectEditorModel::delete_project(std::size_t c, std::size_t p)
{
    if (my_list.is_current(c, p)) {
        refuse("Sorry, you cannot delete the current project.", "Velkor");
        return false;
    }
    my_list.delete_project(c, p);
    remembered(c) = p; // the next one, or the new last one once clamped
    return true;
}

std::size_t ProjectEditorModel::move_project(std::size_t c, std::size_t p, int step)
{
    const std::optional<std::size_t> target = move_target(
        p, my_list.n_projects(c), step, [this, c](std::size_t k) { return my_list.is_project_displayed(c, k); });
    if (!target)
        return p;
    my_list.swap_projects(c, p, *target);
    remembered(c) = *target;
    return *target;
}

void ProjectEditorModel::sort_projects(std::size_t c)
{
    my_list.sort_projects(c);
    remembered(c) = 0;
}

bool ProjectEditorModel::set_project_hidden(std::size_t c, std::size_t p, bool hidden)
{
    if (hidden && my_list.is_current(c, p)) {
        refuse("Sorry, you cannot hide the current project.", "Velkor");
        return false;
    }
    my_list.set_project_shown(c, p, !hidden);
    return true;
}

std::size_t ProjectEditorModel::selected_project(std::size_t c)
{
    const std::size_t n = my_list.n_projects(c);
    return n == 0 ? 0 : std::min(remembered(c), n - 1);
}

void ProjectEditorModel::select_project(std::size_t c, std::size_t p)
{
    remembered(c) = p;
}

ProjectEditorModel::CopyCat ProjectEditorModel::copy_cat(std::size_t c)
{
    if (c == NPOS) {
        refuse("You must first select the category from which\nyou wish to copy projects.", "Error");
        return CopyCat::Nothing;
    }
    // Names in messages are cut to what a message shows.
    const std::string name = message_excerpt(my_list.category_name(c));
    if (!my_copy_pending) {
        if (my_list.n_projects(c) == 0) {
            refuse("There are no projects to copy in category\n" + name, "Error");
            return CopyCat::Nothing;
        }
        const std::string text = "Preparing to copy projects...\n\n    FROM category: " + name +
                                 "\n\nUse the category selection box to choose where you want to\ncopy these "
                                 "projects, then click the CopyCat button again.";
        if (my_prompt.message(text, kCopyTitle, Buttons::OkCancel, Icon::Information) != Answer::Ok)
            return CopyCat::Nothing;
        my_copy_pending = true;
        my_copy_source = c;
        return CopyCat::Started;
    }
    my_copy_pending = false;
    if (c == my_copy_source) {
        refuse("Oops--you copy from a category to itself!\n\nFirst choose the category you want to copy from,\n"
               "click the CopyCat button, then choose the category\nyou want to copy to, and click the CopyCat "
               "button again.",
               "Error");
        return CopyCat::Nothing;
    }
    const std::string text =
        "Ready to copy projects...\n\n    FROM category: " + message_excerpt(my_list.category_name(my_copy_source)) +
        "\n    TO category: " + name + "\n\nClick OK to copy projects, or Cancel to forget about it.";
    if (my_prompt.message(text, kCopyTitle, Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return CopyCat::Nothing;
    for (std::size_t q = 0; q < my_list.n_projects(my_copy_source); ++q) {
        const std::string& project = my_list.project_name(my_copy_source, q);
        if (!my_list.is_project_temporary(my_copy_source, q) && my_list.find_project(c, project) == NPOS)
            my_list.add_project(c, project, false);
    }
    remembered(c) = 0;
    return CopyCat::Copied;
}

} // namespace velkor
