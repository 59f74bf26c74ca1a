// The program's help on the help file the build compiled: every topic a dialog asks for has its
// page, every link leads somewhere, and a dialog's Help button opens its topic above the dialog.
#include "help/qt/Help.h"
#include "classlib/IniFile.h"
#include "core/ProjectList.h"
#include "dialogs/MemoInputDialog.h"
#include "help/qt/HelpViewer.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QHelpEngine>
#include <QHelpLink>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

const std::string kProgramFolder = VELKOR_PROGRAM_FILES;
const Message kMissing{"Sorry, online help is not available because the help\nfile is missing.  You may need to "
                       "reinstall Velkor.",
                       "Error", Buttons::Ok, Icon::Exclamation};

class HelpTest : public ::testing::Test
{
protected:
    void TearDown() override { help.close_all(); }

    ScriptedPrompt prompt;
    Help help{kProgramFolder, prompt};
};

QString page_name(const HelpViewer& viewer)
{
    return viewer.page().fileName();
}

} // namespace

TEST_F(HelpTest, EveryTopicOfTheDialogsHasItsPageAndEveryLinkLeadsToOne)
{
    help.set_help_path("!0");
    ASSERT_TRUE(help.help_file());
    help.show_contents();
    HelpViewer& viewer = *help.viewer();
    ASSERT_TRUE(viewer.is_open());
    QHelpEngine& engine = viewer.engine();
    for (int topic :
         {1000, 1010, 1020, 1030, 1040, 1050, 1060, 1070, 1075, 1080, 1090, 1100, 1110, 1120, 1130, 1140, 3000})
        EXPECT_EQ(engine.documentsForIdentifier(QString::number(topic)).size(), 1) << topic;

    const QList<QUrl> pages = engine.files(QStringLiteral("velkor.help"), QString(), QStringLiteral("html"));
    EXPECT_GE(pages.size(), 21);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\""));
    for (const QUrl& page : pages) {
        const QString html = QString::fromUtf8(engine.fileData(page));
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toString().toStdString();
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QUrl target = page.resolved(QUrl(match.next().captured(1)));
            EXPECT_FALSE(engine.fileData(target).isEmpty())
                << page.fileName().toStdString() << " -> " << target.toString().toStdString();
        }
    }
}

TEST_F(HelpTest, TopicsContentsAndIndexOpenInOneViewer)
{
    help.set_help_path("!0");
    help.show_topic(1130);
    HelpViewer* viewer = help.viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(page_name(*viewer), "autobackup.html");
    help.show_index();
    EXPECT_EQ(viewer->side(), 1);
    EXPECT_EQ(page_name(*viewer), "autobackup.html") << "the index leaves the page as it was";
    help.show_contents();
    EXPECT_EQ(viewer->side(), 0);
    EXPECT_EQ(page_name(*viewer), "index.html");
    EXPECT_EQ(help.viewer(), viewer);
    EXPECT_EQ(viewer->windowModality(), Qt::NonModal);
    EXPECT_FALSE(viewer->testAttribute(Qt::WA_QuitOnClose)) << "the program goes on when its only window shown closes";

    help.close_all();
    EXPECT_FALSE(viewer->isVisible());
}

TEST_F(HelpTest, AMissingOrDamagedHelpFileIsToldOnceAndGreysTheHelpButtons)
{
    TempDir dir;
    help.set_help_path(dir.path().string());
    EXPECT_EQ(prompt.last(), kMissing);
    EXPECT_EQ(help_topics(), nullptr);
    help.show_topic(1070);
    help.show_contents();
    EXPECT_EQ(help.viewer(), nullptr) << "nothing opens";
    EXPECT_EQ(prompt.count(), 1u);

    write_file(dir.file("velkors.qch"), "not a help file");
    help.set_help_path(dir.path().string());
    EXPECT_EQ(prompt.count(), 2u);
    EXPECT_EQ(help_topics(), nullptr);

    help.set_help_path("!0");
    EXPECT_EQ(help_topics(), &help);
    EXPECT_EQ(prompt.count(), 2u);
}

TEST_F(HelpTest, TheMemoDialogsHelpButtonOpensTheMemoTopicAboveTheDialog)
{
    help.set_help_path("!0");
    TempDir dir;
    PrivateIniFile ini(dir.file("velkors.ini"));
    ProjectList list;
    list.add_category("Work", 0, false);
    list.add_project(0, "Report", false);
    std::string memo;
    bool remember = false;
    bool close_after = false;
    MemoInputDialog dialog(list, 0, 0, memo, remember, MemoPurpose::CheckIn, close_after, ini, prompt);

    bool opened = false;
    when_modal<MemoInputDialog>([&](MemoInputDialog* shown) {
        auto* button = control<QPushButton>(shown, 9);
        EXPECT_TRUE(button->isEnabled());
        button->click();
        HelpViewer* viewer = help.viewer();
        opened = viewer && viewer->isVisible() && page_name(*viewer) == "memo.html" &&
                 viewer->windowModality() == Qt::ApplicationModal;
        help.close_all();
        shown->reject();
    });
    dialog.exec();
    EXPECT_TRUE(opened);
}
