// What OK of the AutoBackup settings accepts, and the creation of a missing folder.
#include "backup/AutoBackupSettings.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkor;
using namespace velkor::test;
namespace fs = std::filesystem;

namespace {

Message error(const char* text)
{
    return {text, "Error", Buttons::Ok, Icon::Stop};
}

const Message kCreateQuestion{"Specified backup folder does not exist.\nShall I create it for you?", "Error",
                              Buttons::YesNo, Icon::Question};

class AutoBackupFieldsTest : public ::testing::Test
{
protected:
    AutoBackupFields fields(std::string days, std::string copies, std::string folder)
    {
        return {true, false, true, std::move(days), std::move(copies), std::move(folder)};
    }

    TempDir dir;
    ScopedWorkingDir cwd{dir.path()};
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(AutoBackupFieldsTest, NumbersBelowOneAndBlankFoldersAreRefusedInOrder)
{
    fs::create_directory("Backup");
    const struct
    {
        AutoBackupFields fields;
        const char* message;
        AutoBackupField field;
    } refusals[] = {
        {fields("0", "0", ""), "Invalid number of days.", AutoBackupField::Days},
        {fields("-2", "3", "Backup"), "Invalid number of days.", AutoBackupField::Days},
        {fields("2x", "3", "Backup"), "Invalid number of days.", AutoBackupField::Days},
        {fields("", "3", "Backup"), "Invalid number of days.", AutoBackupField::Days},
        {fields("1", "0", ""), "Invalid number of copies.", AutoBackupField::Copies},
        {fields("1", "three", "Backup"), "Invalid number of copies.", AutoBackupField::Copies},
        {fields("1", "3", " \t "), "No folder name given.", AutoBackupField::Folder},
    };
    for (const auto& refusal : refusals) {
        prompt.clear();
        const AutoBackupCheck check = check_autobackup_fields(refusal.fields, prompt);
        EXPECT_FALSE(check.settings) << refusal.message;
        EXPECT_EQ(check.refused, refusal.field) << refusal.message;
        EXPECT_EQ(prompt.messages(), (std::vector<Message>{error(refusal.message)}));
    }

    prompt.clear();
    const AutoBackupCheck check = check_autobackup_fields(fields(" 7 ", "12", "  Backup"), prompt);
    ASSERT_TRUE(check.settings);
    EXPECT_EQ(*check.settings, (AutoBackupSettings{true, false, true, 7, 12, "Backup"}));
    EXPECT_EQ(prompt.count(), 0u);
}

TEST_F(AutoBackupFieldsTest, AMissingFolderIsCreatedWithTheFoldersAboveItOnlyWhenTheUserSaysSo)
{
    prompt.answer(Answer::No);
    AutoBackupCheck check = check_autobackup_fields(fields("1", "3", "saves/log/backups/"), prompt);
    EXPECT_FALSE(check.settings);
    EXPECT_EQ(check.refused, AutoBackupField::Folder);
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{kCreateQuestion}));
    EXPECT_FALSE(fs::exists("saves"));

    prompt.clear();
    prompt.answer(Answer::Yes);
    check = check_autobackup_fields(fields("1", "3", "saves/log/backups/"), prompt);
    ASSERT_TRUE(check.settings);
    EXPECT_EQ(check.settings->folder, "saves/log/backups/");
    EXPECT_TRUE(fs::is_directory("saves/log/backups"));
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{kCreateQuestion}));

    // A file in the way.
    write_file("plain", "a file");
    prompt.clear();
    prompt.answer(Answer::Yes);
    check = check_autobackup_fields(fields("1", "3", "plain/backups"), prompt);
    EXPECT_FALSE(check.settings);
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{kCreateQuestion, error("Cannot create backup folder.")}));
    EXPECT_FALSE(create_backup_folder("plain"));
    EXPECT_TRUE(create_backup_folder(dir.file("x/y")));
}
