#pragma once
// The rules of "Change Environment Variables": a working copy of the program-wide list with a
// selection, names in capitals, no name twice, and OK handing the copy to the program.

#include "base/Prompt.h"
#include "core/EnvList.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

class IniFile;

/// The name in capital letters (ASCII letters; other bytes as they are).
std::string env_name_upper(std::string_view name);

class EnvVarEditor
{
public:
    /// The input box: title and initial text in, the text typed out, or nothing for Cancel.
    using AskName = std::function<std::optional<std::string>(const std::string& title, const std::string& text)>;

    /// Works on a copy of program_wide; the first entry, if any, is selected.
    EnvVarEditor(const EnvList& program_wide, Prompt& prompt, AskName ask_name);

    const EnvList& list() const { return my_list; }
    std::optional<std::size_t> selection() const { return my_selection; }
    /// A click in the list box (nothing: no line).
    void select(std::optional<std::size_t> e);
    /// What the "required" check box shows: the selected entry's flag, unchecked without one.
    bool selection_required() const;

    /// The check box was clicked: sets the selected entry's flag; without a selection it stays unchecked.
    void set_required(bool on);
    /// New: asks for a name until it is not on the list yet or the user cancels; the new entry is selected.
    void add();
    /// Modify: asks for the selected entry's new name the same way; its required flag stays.
    void modify();
    /// Delete: removes the selected entry at once; the one now at its place, or the last, is selected.
    void remove();
    void move_up();
    void move_down();

    /// OK: the copy is saved to the settings and becomes the program-wide list.
    void save(IniFile& settings, EnvList& program_wide) const;

private:
    /// Asks until the name is new (own_index: the entry being renamed, whose own name is no
    /// duplicate); the name in capitals, or nothing when cancelled or left empty.
    std::optional<std::string> ask_unique_name(const std::string& title, std::string text,
                                               std::optional<std::size_t> own_index);
    bool refuse_without_selection() const;

    EnvList my_list;
    Prompt& my_prompt;
    AskName my_ask_name;
    std::optional<std::size_t> my_selection;
};

} // namespace velkor
