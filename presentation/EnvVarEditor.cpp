#include "presentation/EnvVarEditor.h"

#include "classlib/IniFile.h"

#include <utility>

namespace velkor {
namespace {

constexpr const char* kDuplicateText = "That variable is already on the list.";
constexpr const char* kNoSelectionText =
    "You must select an environment variable\nfrom the list before clicking this button.";

} // namespace

std::string env_name_upper(std::string_view name)
{
    std::string upper(name);
    for (char& ch : upper) {
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    }
    return upper;
}

EnvVarEditor::EnvVarEditor(const EnvList& program_wide, Prompt& prompt, AskName ask_name)
    : my_list(program_wide), my_prompt(prompt), my_ask_name(std::move(ask_name))
{
    if (my_list.count() > 0)
        my_selection = 0;
}

void EnvVarEditor::select(std::optional<std::size_t> e)
{
    my_selection = e && *e < my_list.count() ? e : std::nullopt;
}

bool EnvVarEditor::selection_required() const
{
    return my_selection && my_list.required(*my_selection);
}

void EnvVarEditor::set_required(bool on)
{
    if (my_selection)
        my_list.set_required(*my_selection, on);
}

std::optional<std::string> EnvVarEditor::ask_unique_name(const std::string& title, std::string text,
                                                         std::optional<std::size_t> own_index)
{
    for (;;) {
        std::optional<std::string> typed = my_ask_name(title, text);
        // An empty name could never be looked up; it is taken as no answer.
        if (!typed || typed->empty())
            return std::nullopt;
        std::string name = env_name_upper(*typed);
        if (own_index && my_list.entry(*own_index).name == name)
            return name;
        if (my_list.find(name) < 0)
            return name;
        my_prompt.message(kDuplicateText, "Error", Buttons::Ok, Icon::None);
        text = std::move(*typed);
    }
}

void EnvVarEditor::add()
{
    if (std::optional<std::string> name = ask_unique_name("New Environment Variable", std::string(), std::nullopt)) {
        my_list.append(std::move(*name));
        my_selection = my_list.count() - 1;
    }
}

void EnvVarEditor::modify()
{
    if (refuse_without_selection())
        return;
    const std::size_t e = *my_selection;
    if (std::optional<std::string> name = ask_unique_name("Modify Environment Variable", my_list.entry(e).name, e))
        my_list.set_name(e, std::move(*name));
}

void EnvVarEditor::remove()
{
    if (refuse_without_selection())
        return;
    my_list.remove(*my_selection);
    if (my_list.count() == 0)
        my_selection.reset();
    else if (*my_selection >= my_list.count())
        my_selection = my_list.count() - 1;
}

void EnvVarEditor::move_up()
{
    if (my_selection && *my_selection > 0) {
        my_list.swap(*my_selection, *my_selection - 1);
        --*my_selection;
    }
}

void EnvVarEditor::move_down()
{
    if (my_selection && *my_selection + 1 < my_list.count()) {
        my_list.swap(*my_selection, *my_selection + 1);
        ++*my_selection;
    }
}

void EnvVarEditor::save(IniFile& settings, EnvList& program_wide) const
{
    my_list.save(settings);
    program_wide = my_list;
}

bool EnvVarEditor::refuse_without_selection() const
{
    if (my_selection)
        return false;
    my_prompt.message(kNoSelectionText, "Error", Buttons::Ok, Icon::Stop);
    return true;
}

} // namespace velkor
