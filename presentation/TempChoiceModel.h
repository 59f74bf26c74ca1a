#pragma once
// The rules of the temporary/hidden chooser ("Check into temporary or hidden category/project"):
// which category and project the user is choosing (the category whose header was used, a hidden
// one, or a typed name; a hidden project or a typed name), which of the "Save this name" and
// "but hide it" boxes may be used, and what OK creates and marks in the program-wide list. The
// dialog translates clicks and typing into the actions below and shows the state after each.

#include "base/Prompt.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velkor {

class ProjectList;

/// An entry of a sorted list box: the name shown and the list index it stands for.
struct IndexedEntry
{
    std::string name;
    std::size_t index = 0;
    bool operator==(const IndexedEntry&) const = default;
};

/// What OK chose.
struct TempChoice
{
    std::size_t category = 0;
    std::size_t project = 0;
    bool names_created = false;   ///< a new category or project was made, temporary or not
    bool names_saved = false;     ///< one of them is a saved (not temporary) item: the project file is due
    bool hidden_list_due = false; ///< a "but hide it" was applied: the hidden list is due
};

class TempChoiceModel
{
public:
    /// Chooses for a check-in (temporarily showing what is picked from the hidden lists) or for
    /// a note, starting from the category whose header was used. can_change_projects allows
    /// saving new names. list and prompt outlive the model.
    TempChoiceModel(ProjectList& list, Prompt& prompt, std::size_t initial_category, bool check_in_mode,
                    bool can_change_projects);

    std::string title() const;
    std::string use_category_text() const;

    // The category side.
    bool use_initial() const { return my_source == Source::Initial; }
    const std::string& category_name() const { return my_category_name; }
    const std::vector<IndexedEntry>& hidden_categories() const { return my_hidden_categories; }
    bool hidden_categories_enabled() const { return !my_hidden_categories.empty(); }
    std::optional<std::size_t> hidden_category_row() const { return my_hidden_category_row; }
    bool save_category_enabled() const;
    bool save_category() const { return my_save_category; }
    bool hide_category_enabled() const { return save_category_enabled() && my_save_category; }
    bool hide_category() const { return my_hide_category; }

    // The project side.
    const std::string& project_name() const { return my_project_name; }
    const std::vector<IndexedEntry>& hidden_projects() const { return my_hidden_projects; }
    bool hidden_projects_enabled() const { return my_projects_enabled; }
    std::optional<std::size_t> hidden_project_row() const { return my_hidden_project_row; }
    bool save_project_enabled() const;
    bool save_project() const { return my_save_project; }
    bool hide_project_enabled() const { return save_project_enabled() && my_save_project; }
    bool hide_project() const { return my_hide_project; }

    // What the user does. Rows are those of hidden_categories() and hidden_projects().
    void select_hidden_category(std::optional<std::size_t> row);
    void set_use_initial(bool checked);
    void type_category_name(const std::string& text);
    void set_save_category(bool checked);
    void set_hide_category(bool checked);
    void select_hidden_project(std::optional<std::size_t> row);
    void type_project_name(const std::string& text);
    void set_save_project(bool checked);
    void set_hide_project(bool checked);

    /// Which field a refused OK concerns.
    enum class Refusal
    {
        None,
        Category,
        Project,
    };
    /// OK: the chosen category and project, created or marked in the list as needed; nothing
    /// after a refusal (told through the prompt), and refusal() says which field it concerns.
    std::optional<TempChoice> ok();
    Refusal refusal() const { return my_refusal; }

private:
    enum class Source
    {
        Initial, ///< "Use category ..." is checked
        Hidden,  ///< a hidden category is selected
        Typed,   ///< the user is typing a category name
        None,    ///< "Use category ..." unchecked by hand, nothing else chosen
    };

    void fill_projects(std::size_t c, bool hidden_only);
    void empty_projects();
    /// Options that are disabled are unchecked too.
    void settle_options();
    /// The trimmed category or project name typed; nothing after telling the user it cannot be used.
    std::optional<std::string> typed_name(bool category);

    ProjectList& my_list;
    Prompt& my_prompt;
    std::size_t my_initial;
    bool my_check_in_mode;
    bool my_can_change;

    Source my_source = Source::Initial;
    std::string my_category_name;
    std::vector<IndexedEntry> my_hidden_categories;
    std::optional<std::size_t> my_hidden_category_row;
    bool my_save_category = false;
    bool my_hide_category = false;

    std::size_t my_projects_of = 0; ///< the category the project list shows
    std::vector<IndexedEntry> my_hidden_projects;
    bool my_projects_enabled = false;
    std::string my_project_name;
    std::optional<std::size_t> my_hidden_project_row;
    bool my_save_project = false;
    bool my_hide_project = false;

    Refusal my_refusal = Refusal::None;
};

} // namespace velkor
