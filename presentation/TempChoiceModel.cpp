#include "presentation/TempChoiceModel.h"

#include "classlib/Color.h"
#include "core/Assert.h"
#include "core/ProjectList.h"
#include "presentation/EditorText.h"

#include <algorithm>

namespace velkor {
namespace {

void sort_by_name(std::vector<IndexedEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const IndexedEntry& a, const IndexedEntry& b) {
        return ProjectList::name_greater(b.name, a.name);
    });
}

} // namespace

TempChoiceModel::TempChoiceModel(ProjectList& list, Prompt& prompt, std::size_t initial_category, bool check_in_mode,
                                 bool can_change_projects)
    : my_list(list), my_prompt(prompt), my_initial(initial_category), my_check_in_mode(check_in_mode),
      my_can_change(can_change_projects)
{
    VELKOR_ASSERT(initial_category < list.n_categories(), "c < my_n_categories");
    for (std::size_t c = 0; c < list.n_categories(); ++c) {
        if (!list.is_category_displayed(c))
            my_hidden_categories.push_back({list.category_name(c), c});
    }
    sort_by_name(my_hidden_categories);
    fill_projects(my_initial, true);
}

std::string TempChoiceModel::title() const
{
    return std::string(my_check_in_mode ? "Check into" : "Enter note for") + " temporary or hidden category/project";
}

std::string TempChoiceModel::use_category_text() const
{
    return "Use category " + my_list.category_name(my_initial);
}

bool TempChoiceModel::save_category_enabled() const
{
    return my_can_change && my_source == Source::Typed;
}

bool TempChoiceModel::save_project_enabled() const
{
    if (!my_can_change || my_hidden_project_row)
        return false;
    switch (my_source) {
    case Source::Initial:
        // A project saved into a temporary category would never reach the file.
        return !my_list.is_category_temporary(my_initial);
    case Source::Hidden:
        return true;
    case Source::Typed:
        return my_save_category;
    case Source::None:
        break;
    }
    return false;
}

void TempChoiceModel::settle_options()
{
    my_save_category = my_save_category && save_category_enabled();
    my_hide_category = my_hide_category && hide_category_enabled();
    my_save_project = my_save_project && save_project_enabled();
    my_hide_project = my_hide_project && hide_project_enabled();
}

void TempChoiceModel::fill_projects(std::size_t c, bool hidden_only)
{
    my_projects_of = c;
    my_hidden_projects.clear();
    for (std::size_t p = 0; p < my_list.n_projects(c); ++p) {
        if (!hidden_only || !my_list.is_project_displayed(c, p))
            my_hidden_projects.push_back({my_list.project_name(c, p), p});
    }
    sort_by_name(my_hidden_projects);
    my_projects_enabled = !my_hidden_projects.empty();
    my_hidden_project_row.reset();
}

void TempChoiceModel::empty_projects()
{
    my_hidden_projects.clear();
    my_projects_enabled = false;
    my_hidden_project_row.reset();
}

void TempChoiceModel::select_hidden_category(std::optional<std::size_t> row)
{
    if (!row) {
        // Deselected by hand: no category is chosen now, and nothing else changes.
        if (my_source == Source::Hidden)
            my_source = Source::None;
        my_hidden_category_row.reset();
        settle_options();
        return;
    }
    VELKOR_ASSERT(*row < my_hidden_categories.size(), "row < hidden categories");
    my_source = Source::Hidden;
    my_hidden_category_row = row;
    my_category_name.clear();
    fill_projects(my_hidden_categories[*row].index, false); // all of a hidden category's projects are hidden
    settle_options();
}

void TempChoiceModel::set_use_initial(bool checked)
{
    if (!checked) {
        if (my_source == Source::Initial)
            my_source = Source::None;
        settle_options();
        return;
    }
    my_source = Source::Initial;
    my_category_name.clear();
    my_hidden_category_row.reset();
    fill_projects(my_initial, true);
    settle_options();
}

void TempChoiceModel::type_category_name(const std::string& text)
{
    my_source = Source::Typed;
    my_category_name = text;
    my_hidden_category_row.reset();
    empty_projects();
    settle_options();
}

void TempChoiceModel::set_save_category(bool checked)
{
    my_save_category = checked;
    settle_options();
}

void TempChoiceModel::set_hide_category(bool checked)
{
    my_hide_category = checked;
    settle_options();
}

void TempChoiceModel::select_hidden_project(std::optional<std::size_t> row)
{
    VELKOR_ASSERT(!row || *row < my_hidden_projects.size(), "row < hidden projects");
    my_hidden_project_row = row;
    if (row)
        my_project_name.clear();
    settle_options();
}

void TempChoiceModel::type_project_name(const std::string& text)
{
    my_project_name = text;
    my_hidden_project_row.reset();
    settle_options();
}

void TempChoiceModel::set_save_project(bool checked)
{
    my_save_project = checked;
    settle_options();
}

void TempChoiceModel::set_hide_project(bool checked)
{
    my_hide_project = checked;
    settle_options();
}

std::optional<std::string> TempChoiceModel::typed_name(bool category)
{
    std::string name = trim_name(category ? my_category_name : my_project_name);
    const char* refusal = nullptr;
    if (name.empty())
        refusal = category ? "No category was chosen!" : "No project was chosen!";
    else if (has_field_break(name)) // the files and the log keep names between TABs and line ends
        refusal = category ? "Category names may not contain tabs or line breaks."
                           : "Project names may not contain tabs or line breaks.";
    if (!refusal)
        return name;
    my_prompt.message(refusal, "Error", Buttons::Ok, Icon::Exclamation);
    my_refusal = category ? Refusal::Category : Refusal::Project;
    return std::nullopt;
}

std::optional<TempChoice> TempChoiceModel::ok()
{
    my_refusal = Refusal::None;
    TempChoice choice;

    std::optional<std::string> new_category;
    if (my_source == Source::Initial) {
        choice.category = my_initial;
    } else if (my_source == Source::Hidden) {
        choice.category = my_hidden_categories[*my_hidden_category_row].index;
        if (my_check_in_mode)
            my_list.set_category_temporarily_shown(choice.category, true);
    } else {
        std::optional<std::string> name = typed_name(true);
        if (!name)
            return std::nullopt;
        choice.category = my_list.find_category(*name);
        if (choice.category == NPOS)
            new_category = std::move(name);
    }

    std::optional<std::string> new_project;
    if (my_hidden_project_row) {
        VELKOR_ASSERT(!new_category && my_projects_of == choice.category, "hidden project of the chosen category");
        choice.project = my_hidden_projects[*my_hidden_project_row].index;
        if (my_check_in_mode)
            my_list.set_project_temporarily_shown(choice.category, choice.project, true);
    } else {
        std::optional<std::string> name = typed_name(false);
        if (!name)
            return std::nullopt;
        choice.project = new_category ? NPOS : my_list.find_project(choice.category, *name);
        if (choice.project == NPOS)
            new_project = std::move(name);
    }

    if (new_category) {
        if (my_save_category) {
            my_list.add_category(*new_category, kBlack, false);
            choice.category = my_list.find_category(*new_category);
            choice.names_saved = true;
            if (my_hide_category) {
                // Hidden from now on, yet usable until the next clean-up.
                my_list.set_category_shown(choice.category, false);
                my_list.set_category_temporarily_shown(choice.category, true);
                choice.hidden_list_due = true;
            }
        } else {
            choice.category = my_list.add_temporary_category(*new_category, kBlack);
        }
    }
    if (new_project) {
        // A category typed with "Save" checked may turn out to be a temporary one, which the files
        // never hold: its new project stays temporary as well.
        if (my_save_project && !my_list.is_category_temporary(choice.category)) {
            my_list.add_project(choice.category, *new_project, false);
            choice.project = my_list.find_project(choice.category, *new_project);
            choice.names_saved = true;
            if (my_hide_project) {
                my_list.set_project_shown(choice.category, choice.project, false);
                my_list.set_project_temporarily_shown(choice.category, choice.project, true);
                choice.hidden_list_due = true;
            }
        } else {
            choice.project = my_list.add_temporary_project(choice.category, *new_project);
        }
    }
    choice.names_created = new_category.has_value() || new_project.has_value();
    return choice;
}

} // namespace velkor
