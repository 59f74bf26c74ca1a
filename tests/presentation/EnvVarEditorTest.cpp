// Editing the environment-variable list without its dialog: capitals, duplicates with the input
// box reopening, the selection after each command, and OK handing the copy over.
#include "presentation/EnvVarEditor.h"

#include "classlib/SettingsKeys.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>

using namespace velkor;
using namespace velkor::test;

namespace {

const Message kDuplicate{"That variable is already on the list.", "Error", Buttons::Ok, Icon::None};
const Message kNoSelection{"You must select an environment variable\nfrom the list before clicking this button.",
                           "Error", Buttons::Ok, Icon::Stop};

class EnvVarEditorTest : public ::testing::Test
{
protected:
    EnvVarEditor editor(std::initializer_list<std::pair<const char*, bool>> entries)
    {
        for (const auto& [name, required] : entries) {
            program.append(name);
            program.set_required(program.count() - 1, required);
        }
        return EnvVarEditor(program, prompt, [this](const std::string& title, const std::string& text) {
            asked.emplace_back(title, text);
            if (typed.empty()) {
                ADD_FAILURE() << "an input box nobody expected: " << title;
                return std::optional<std::string>();
            }
            std::optional<std::string> answer = typed.front();
            typed.pop_front();
            return answer;
        });
    }
    static std::string names(const EnvList& list)
    {
        std::string all;
        for (std::size_t e = 0; e < list.count(); ++e)
            all += list.entry(e).name + (list.required(e) ? "! " : " ");
        return all;
    }

    EnvList program;
    ScriptedPrompt prompt;
    std::deque<std::optional<std::string>> typed;
    std::vector<std::pair<std::string, std::string>> asked;
};

} // namespace

TEST_F(EnvVarEditorTest, NewNamesGoInCapitalsAndADuplicateReopensTheBoxWithWhatWasTyped)
{
    EnvVarEditor e = editor({{"PATH", true}});
    typed = {"path", "home", std::nullopt, ""};
    e.add();
    EXPECT_EQ(asked, (std::vector<std::pair<std::string, std::string>>{{"New Environment Variable", ""},
                                                                       {"New Environment Variable", "path"}}));
    EXPECT_EQ(prompt.messages(), std::vector<Message>{kDuplicate});
    EXPECT_EQ(names(e.list()), "PATH! HOME ");
    EXPECT_EQ(e.selection(), 1u);
    EXPECT_FALSE(e.selection_required());
    e.add(); // Cancel
    e.add(); // nothing typed
    EXPECT_EQ(names(e.list()), "PATH! HOME ");
    EXPECT_EQ(names(program), "PATH! ") << "the program's list is untouched until OK";
}

TEST_F(EnvVarEditorTest, ModifyKeepsTheRequiredFlagAndRefusesAnotherEntrysNameAndEveryCommandNeedsASelection)
{
    EnvVarEditor e = editor({{"PATH", true}, {"HOME", false}});
    EXPECT_EQ(e.selection(), 0u) << "the first entry starts selected";
    typed = {"path"};
    e.modify(); // its own name: nothing changes, nothing said
    typed = {"home", "user"};
    e.modify();
    EXPECT_EQ(asked.back(), (std::pair<std::string, std::string>{"Modify Environment Variable", "home"}));
    EXPECT_EQ(names(e.list()), "USER! HOME ");
    EXPECT_EQ(prompt.messages(), std::vector<Message>{kDuplicate});

    prompt.clear();
    e.select(std::nullopt);
    e.modify();
    e.remove();
    e.set_required(true);
    EXPECT_EQ(prompt.messages(), std::vector<Message>(2, kNoSelection));
    EXPECT_FALSE(e.selection_required());
    EXPECT_EQ(names(e.list()), "USER! HOME ");
}

TEST_F(EnvVarEditorTest, DeleteAndMovesKeepTheSelectionOnTheEntryAtHandAndOkHandsTheCopyOver)
{
    EnvVarEditor e = editor({{"A", false}, {"B", true}, {"C", false}});
    e.move_up(); // the first cannot go up
    e.move_down();
    EXPECT_EQ(names(e.list()), "B! A C ");
    EXPECT_EQ(e.selection(), 1u);
    e.select(2);
    e.move_down(); // nor the last down
    e.move_up();
    EXPECT_EQ(names(e.list()), "B! C A ");
    EXPECT_EQ(e.selection(), 1u);

    e.remove();
    EXPECT_EQ(names(e.list()), "B! A ");
    EXPECT_EQ(e.selection(), 1u) << "the entry now at its place";
    e.remove();
    EXPECT_EQ(e.selection(), 0u) << "the new last one";
    EXPECT_TRUE(e.selection_required());
    e.remove();
    EXPECT_EQ(e.selection(), std::nullopt);
    EXPECT_FALSE(e.selection_required());

    TempDir dir;
    PrivateIniFile settings(dir.file("velkors.ini"));
    typed = {"x"};
    e.add();
    e.set_required(true);
    e.save(settings, program);
    EXPECT_EQ(names(program), "X! ");
    EXPECT_EQ(EnvList(settings), program);
}
