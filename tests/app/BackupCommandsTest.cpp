// The backup commands of the File menu and AutoBackup in a running main window, tried the way a
// new user would: configure it, check in and out over two days, shorten the log by hand, back up
// and restore.
#include "app/BackupCommands.h"
#include "backup/AutoBackup.h"
#include "dialogs/AutoBackupDialog.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DialogControls.h"

#include <QCheckBox>
#include <QFileDialog>

using namespace velkor;
using namespace velkor::test;

namespace {

constexpr TimeStamp kDay = 86400;

class BackupCommandsTest : public MainVKWindowTest
{
protected:
    std::string copy(int i) const { return read_file(dir.file("Backup/velkors" + std::to_string(i) + ".log")); }
    std::string log() const { return read_file(dir.file("velkors.log")); }
    // Answers the next file dialog: records where it starts, then picks path (empty: Cancel).
    void choose(std::string path)
    {
        when_modal<QFileDialog>([this, path](QFileDialog* dialog) {
            shown.title = dialog->windowTitle().toStdString();
            shown.selected = dialog->selectedFiles().value(0).toStdString();
            if (path.empty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(QString::fromStdString(path));
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog keeps its override protected
        });
    }

    struct
    {
        std::string title;
        std::string selected;
    } shown;
};

} // namespace

TEST_F(BackupCommandsTest, ANewUsersCheckOutIsBackedUpAndTheNextDaysCheckInShiftsIt)
{
    MainVKWindow& w = start();
    when_modal<AutoBackupDialog>([](AutoBackupDialog* dialog) {
        control<QCheckBox>(dialog, 104)->click();
        control<QPushButton>(dialog, 1)->click();
    });
    prompt.answer(Answer::Yes); // create the folder
    w.commands().run(kCmdConfigureAutoBackup);
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{{"Specified backup folder does not exist.\nShall I create it "
                                                        "for you?",
                                                        "Error", Buttons::YesNo, Icon::Question}}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("Backup")));

    prompt.clear();
    click(0, 0);
    clock.advance(600);
    click(0, 0, Qt::RightButton);
    const std::string first_day = log();
    ASSERT_EQ(records(), 1);
    EXPECT_EQ(copy(1), first_day);
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{{"AutoBackup completed successfully.", "Velkor AutoBackup",
                                                        Buttons::Ok, Icon::Information}}));

    clock.advance(kDay);
    click(2, 0);
    EXPECT_EQ(copy(2), first_day);
    EXPECT_EQ(copy(1), first_day);
    EXPECT_EQ(prompt.count(), 2u);
    EXPECT_EQ(current(), "Gamma/One");
}

TEST_F(BackupCommandsTest, AfterTheLogWasShortenedByHandSmartBackupWarnsAndKeepsOneCopyMore)
{
    write_file(dir.file("velkors.ini"),
               "[velkors]\r\nCloseOnSelect=n\r\nAutoBackup=1\r\nBackupNCopies=1\r\nBackupReport=0\r\nAskAboutTutorial=0\r\n");
    std::filesystem::create_directory(dir.file("Backup"));
    const std::string full = log_line("Alpha", "Write", 8, 1) + log_line("Beta", "B0", 9, 1);
    write_file(dir.file("velkors.log"), full);
    MainVKWindow& w = start(); // the first paint makes copy 1
    ASSERT_EQ(copy(1), full);

    const std::string shortened = log_line("Beta", "B0", 9, 1);
    write_file(dir.file("velkors.log"), shortened);
    clock.advance(kDay);
    click(0, 0);
    EXPECT_EQ(prompt.count(), 2u);
    EXPECT_EQ(prompt.messages().at(0).text,
              "WARNING!\n\nThe older backup log file\n\"Backup/velkors1.log\"\ndoes not match the beginning of the "
              "newer file\n\"velkors.log\".\n\nYour current log file may be missing some of the data\nin "
              "\"Backup/velkors1.log\".");
    EXPECT_EQ(prompt.messages().at(1).text.substr(0, 61),
              "WARNING!\n\nEach of your backup log files contains information\n");
    EXPECT_EQ(copy(2), full);
    EXPECT_EQ(copy(1), shortened);
    EXPECT_EQ(get_int(app->settings(), kBackupNCopies), 2);
    EXPECT_EQ(w.autobackup().settings().copies, 2);
    EXPECT_EQ(current(), "Alpha/Write") << "the check-in goes on";
}

TEST_F(BackupCommandsTest, BackupAndRestoreProposeTheLastBackupAndRestoreAsksBeforeReplacing)
{
    std::filesystem::create_directory(dir.file("save"));
    write_file(dir.file("velkors.log"), log_line("Alpha", "Write", 8, 1));
    MainVKWindow& w = start();

    choose(dir.file("save/x.log"));
    w.commands().run(kCmdBackup);
    EXPECT_EQ(shown.title, "Backup To:");
    EXPECT_EQ(shown.selected, dir.file("backup.log")) << "first use: backup.log in the current folder";
    EXPECT_EQ(read_file(dir.file("save/x.log")), log());
    EXPECT_EQ(prompt.messages(),
              (std::vector<Message>{{"Completed", "Backup status:", Buttons::Ok, Icon::Information}}));
    EXPECT_EQ(get(app->settings(), kBackupFile), dir.file("save/x.log"));

    choose("");
    w.commands().run(kCmdBackup);
    EXPECT_EQ(shown.selected, dir.file("save/x.log"));

    // Restore over the log, which has grown meanwhile: asked first, then replaced exactly.
    write_file(dir.file("velkors.log"), log() + log_line("Beta", "B1", 10, 1));
    prompt.clear();
    prompt.answer(Answer::Yes);
    choose(dir.file("save/x.log"));
    w.commands().run(kCmdRestore);
    EXPECT_EQ(shown.title, "Restore From:");
    EXPECT_EQ(shown.selected, dir.file("save/x.log"));
    EXPECT_EQ(prompt.messages(),
              (std::vector<Message>{{"The log file velkors.log\nalready exists.  Is it ok to replace it with\n" +
                                         dir.file("save/x.log") + "?",
                                     "Log file already exists", Buttons::YesNo, Icon::Question},
                                    {"Completed", "Restore status:", Buttons::Ok, Icon::Information}}));
    EXPECT_EQ(log(), log_line("Alpha", "Write", 8, 1));

    // Restoring from elsewhere leaves the remembered backup file alone.
    write_file(dir.file("other.log"), "other");
    prompt.answer(Answer::Yes);
    choose(dir.file("other.log"));
    w.commands().run(kCmdRestore);
    EXPECT_EQ(log(), "other");
    EXPECT_EQ(get(app->settings(), kBackupFile), dir.file("save/x.log"));
}
