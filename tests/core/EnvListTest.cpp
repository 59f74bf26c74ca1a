#include "core/EnvList.h"

#include "classlib/IniFile.h"
#include "core/VariableLookup.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace velkor;

namespace {

std::vector<EnvList::EnvEntry> entries(const EnvList& list)
{
    std::vector<EnvList::EnvEntry> out;
    for (std::size_t e = 0; e < list.count(); ++e)
        out.push_back(list.entry(e));
    return out;
}

TEST(EnvListTest, ReadEditSaveAndReadAgain)
{
    test::TempDir dir;
    const std::string ini = dir.file("velkors.ini");
    test::write_file(ini, "[velkors]\r\nEnvVarCount=3\r\nEnvVar0=path\r\nEnvVar1=" + std::string(200, 'L') +
                              "\r\nEnvVar1Required=1\r\n");
    EnvList list;
    {
        PrivateIniFile settings(ini);
        list = EnvList(settings);
    }
    // Names are taken as they stand, cut to 127; a missing name reads "unknown".
    EXPECT_EQ(entries(list),
              (std::vector<EnvList::EnvEntry>{{"path", false}, {std::string(127, 'L'), true}, {"unknown", false}}));
    EXPECT_EQ(list.find("path"), 0);
    EXPECT_EQ(list.find("PATH"), -1);
    EXPECT_EQ(list.find("unknown"), 2);

    list.append("HOST");
    list.remove(1);
    list.swap(0, 2); // HOST, unknown, path
    list.set_name(1, "JOB");
    list.set_required(1, true);
    EXPECT_TRUE(list.required(1));
    {
        PrivateIniFile settings(ini);
        list.save(settings);
        settings.flush();
    }
    PrivateIniFile settings(ini);
    EnvList again(settings);
    EXPECT_EQ(entries(again), (std::vector<EnvList::EnvEntry>{{"HOST", false}, {"JOB", true}, {"path", false}}));

    // A damaged count never makes start-up read without end.
    test::write_file(ini, "[velkors]\nEnvVarCount=2000000000\n");
    PrivateIniFile damaged(ini);
    EXPECT_EQ(EnvList(damaged).count(), 1000u);
}

TEST(EnvListTest, EnvironmentStringHasOneSlotPerEntry)
{
    setenv("VELKOR_TEST_A", "from-env", 1);
    unsetenv("VELKOR_TEST_B");
    setenv("VELKOR_TEST_C", "tab\there\nline", 1);
    test::ScriptedPrompt prompt;
    VariableLookup lookup({"velkor_test_a=from-arg"});
    std::string env = "old";

    EnvList list;
    EXPECT_TRUE(list.build_environment_string(lookup, prompt, env));
    EXPECT_EQ(env, "");

    list.append("VELKOR_TEST_B");
    list.append("VELKOR_TEST_B");
    EXPECT_TRUE(list.build_environment_string(lookup, prompt, env));
    EXPECT_EQ(env, "\t");

    list.set_name(0, "VELKOR_TEST_A"); // the argument wins over the environment
    list.append("VELKOR_TEST_C");
    EXPECT_TRUE(list.build_environment_string(lookup, prompt, env));
    EXPECT_EQ(env, "from-arg\t\ttab here line");
    EXPECT_EQ(prompt.count(), 0u);

    list.set_required(1, true);
    EXPECT_FALSE(list.build_environment_string(lookup, prompt, env));
    EXPECT_EQ(env, "from-arg\t\ttab here line"); // a refusal changes nothing
    EXPECT_EQ(prompt.last(), (Message{"The required environment variable \"VELKOR_TEST_B\" has no value.", "Error",
                                      Buttons::Ok, Icon::Exclamation}));

    setenv("VELKOR_TEST_B", "", 1); // empty counts as no value
    EXPECT_FALSE(list.build_environment_string(lookup, prompt, env));
    EXPECT_EQ(prompt.count(), 2u);

    // A record written all the same: told once, with the missing slot left empty.
    list.set_required(2, true);
    list.append("VELKOR_TEST_B");
    list.set_required(3, true);
    EXPECT_FALSE(list.build_environment_string(lookup, prompt, env, EnvList::MissingRequired::Record));
    EXPECT_EQ(env, "from-arg		tab here line	");
    EXPECT_EQ(prompt.count(), 3u);
    unsetenv("VELKOR_TEST_A");
    unsetenv("VELKOR_TEST_B");
    unsetenv("VELKOR_TEST_C");
}

TEST(EnvListDeathTest, IndexesBeyondTheCountStop)
{
    EnvList list;
    list.append("A");
    EXPECT_DEATH(list.remove(1), "e < my_n_entries");
    EXPECT_DEATH(list.entry(1), "e < my_n_entries");
    EXPECT_DEATH(list.swap(0, 1), "e1 < my_n_entries && e2 < my_n_entries");
}

} // namespace
