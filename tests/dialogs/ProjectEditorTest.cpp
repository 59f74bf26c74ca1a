// The project editor on a working copy: names, moves, Copy Cat, rates, and the hand-over on OK
// and Cancel, driven through its controls with a fake main window.
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProgramWideList.h"
#include "core/ProjectList.h"
#include "dialogs/AddCatProjDialog.h"
#include "dialogs/ProjectEditorHost.h"
#include "dialogs/TProjectDialog.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QValidator>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>

using namespace velkor;
using velkor::test::read_file;
using velkor::test::ScriptedPrompt;
using velkor::test::write_file;

using velkor::test::control;

namespace {

// The main window's side: the program-wide list on project.txt in the working folder.
class FakeHost : public ProjectEditorHost
{
public:
    explicit FakeHost(Prompt& prompt) : store(prompt) {}
    ProjectList& begin_edit() override { return lists.begin_edit(); }
    void keep_edit() override { EXPECT_NE(lists.keep_edit(), StoreResult::Failed) << "a reload would follow"; }
    void cancel_edit() override { lists.cancel_edit(); }
    void set_measure_flag() override { ++measures; }
    void invalidate() override { ++invalidates; }
    /// The program-wide list, or null.
    ProjectList* list() const { return lists.get(); }

    ProjectListStore store;
    ProgramWideList lists{store, [] { return std::string("project.txt"); }};
    int measures = 0;
    int invalidates = 0;
};

// Handles the modal dialogs that come up, one step each, in order; a dialog nobody expected is
// cancelled so that a faulty test fails instead of hanging.
class ModalScript
{
public:
    using Step = std::function<void(QDialog*)>;
    explicit ModalScript(std::deque<Step> steps) : my_steps(std::move(steps))
    {
        QObject::connect(&my_timer, &QTimer::timeout, [this] { poll(); });
        my_timer.start(5);
    }
    ~ModalScript() { EXPECT_TRUE(my_steps.empty()) << my_steps.size() << " dialogs did not come up"; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == my_last.data())
            return;
        my_last = dialog;
        if (my_steps.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog->windowTitle().toStdString();
            dialog->reject();
            return;
        }
        Step step = std::move(my_steps.front());
        my_steps.pop_front();
        step(dialog);
    }

    std::deque<Step> my_steps;
    QTimer my_timer;
    QPointer<QDialog> my_last;
};

// A name dialog step: checks the title and the text it opened with, types name, presses OK.
ModalScript::Step name_step(QString title, QString shown, QString name, int add_to_all = -1)
{
    return [=](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), title);
        EXPECT_EQ(control<QLineEdit>(dialog, 102)->text(), shown);
        if (add_to_all >= 0)
            control<QCheckBox>(dialog, 103)->setChecked(add_to_all == 1);
        control<QLineEdit>(dialog, 102)->setText(name);
        control<QPushButton>(dialog, 1)->click();
    };
}

Message warning(std::string text, std::string caption = "Velkor")
{
    return {std::move(text), std::move(caption), Buttons::Ok, Icon::Exclamation};
}

const char* const kRateMessage = "The hourly rate may only contain digits,\nan optional decimal point, and up to two "
                                 "digits\nafter the decimal point.";

class ProjectEditor : public ::testing::Test
{
protected:
    ProjectEditor() : cwd(dir.path()), settings(dir.file("velkors.ini")), host(prompt)
    {
        TProjectDialog::set_add_to_all_choice(false);
    }

    // Loads project.txt made of category lines and sections, as the program would at start-up.
    void load(const std::string& categories, const std::string& sections)
    {
        write_file("project.txt", "[categories]\r\n" + categories + sections);
        host.lists.reload();
    }
    std::unique_ptr<TProjectDialog> open()
    {
        auto dialog = std::make_unique<TProjectDialog>(host, settings, prompt);
        dialog->set_color_chooser([this](Color, const QString& title, QWidget*) -> std::optional<Color> {
            chooser_titles.push_back(title);
            return chosen;
        });
        return dialog;
    }
    void click(QWidget* dialog, int id) { control<QPushButton>(dialog, id)->click(); }
    void select(QWidget* dialog, int id, int index) { control<QComboBox>(dialog, id)->setCurrentIndex(index); }
    QStringList items(QWidget* dialog, int id)
    {
        QStringList result;
        auto* combo = control<QComboBox>(dialog, id);
        for (int i = 0; i < combo->count(); ++i)
            result << combo->itemText(i);
        return result;
    }
    // Types text into a rate edit and moves the focus away; returns what the edit shows then.
    QString enter_rate(QWidget* dialog, int id, const QString& text)
    {
        auto* edit = control<QLineEdit>(dialog, id);
        edit->setText(text);
        QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &event);
        return edit->text();
    }

    velkor::test::TempDir dir;
    velkor::test::ScopedWorkingDir cwd;
    PrivateIniFile settings;
    ScriptedPrompt prompt;
    FakeHost host;
    std::optional<Color> chosen;
    QStringList chooser_titles;
};

} // namespace

TEST_F(ProjectEditor, WithoutCategoriesEveryCommandDoesNothing)
{
    host.lists.reload(); // no file: an empty list
    auto dialog = open();
    ModalScript none({});
    EXPECT_FALSE(control(dialog.get(), 106)->isEnabled());
    EXPECT_FALSE(control(dialog.get(), 101)->isEnabled());
    EXPECT_FALSE(control(dialog.get(), 998)->isEnabled());
    EXPECT_EQ(control<QGroupBox>(dialog.get(), 122)->title(), "Projects");
    chosen = make_rgb(1, 2, 3);
    for (int id : {113, 103, 104, 109, 110, 116, 117, 119, 120, 118})
        click(dialog.get(), id);
    control<QCheckBox>(dialog.get(), 124)->click();
    EXPECT_FALSE(control<QCheckBox>(dialog.get(), 124)->isChecked());
    EXPECT_EQ(prompt.count(), 0u);
    EXPECT_TRUE(chooser_titles.isEmpty());
}

TEST_F(ProjectEditor, CategoryNamesAreTrimmedAndBlankDuplicateOrBrokenNamesRefused)
{
    load("cWork\r\ncHome\r\n", "");
    auto dialog = open();
    {
        ModalScript script({[](QDialog* d) {
                                QString name = QString(255, u'a') + QChar(0xE9); // 257 bytes of UTF-8
                                int pos = 0;
                                EXPECT_EQ(control<QLineEdit>(d, 102)->validator()->validate(name, pos),
                                          QValidator::Invalid);
                                name_step("New Category", "", "   ")(d);
                            },
                            name_step("New Category", "", " Work "), name_step("New Category", "Work", "a\tb"),
                            name_step("New Category", "a\tb", "  Fun \r\n")});
        click(dialog.get(), 102);
    }
    EXPECT_EQ(
        prompt.messages(),
        (std::vector<Message>{warning("Category names may not be blank."), warning("That category already exists!"),
                              warning("Category names may not contain tabs or line breaks.")}));
    EXPECT_EQ(items(dialog.get(), 131), (QStringList{"Work", "Home", "Fun"}));
    EXPECT_EQ(control<QComboBox>(dialog.get(), 131)->currentIndex(), 2);
    EXPECT_EQ(control<QGroupBox>(dialog.get(), 122)->title(), "Projects in Fun");
    EXPECT_EQ(host.measures, 1);

    prompt.clear();
    select(dialog.get(), 131, 0);
    {
        ModalScript script(
            {name_step("Rename Category", "Work", "Work"), [](QDialog* d) { control<QPushButton>(d, 2)->click(); }});
        click(dialog.get(), 113);
    }
    EXPECT_EQ(prompt.messages(), std::vector<Message>{warning("That category already exists!")});
    EXPECT_EQ(host.list()->category_name(0), "Work");
}

TEST_F(ProjectEditor, ProjectNamesAndAddToAllSkipCategoriesThatHaveTheName)
{
    load("cA\r\ncB\r\ncC\r\n", "[A]\r\npx\r\n[B]\r\npy\r\n");
    auto dialog = open();
    {
        ModalScript script({name_step("New Project", "", " ", 1), name_step("New Project", "", "x", 1),
                            name_step("New Project", "x", " y ", 1)});
        click(dialog.get(), 106);
    }
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{warning("Project names may not be blank.", ""),
                                                       warning("That project already exists in this category!", "")}));
    EXPECT_EQ(items(dialog.get(), 105), (QStringList{"x", "y"}));
    EXPECT_EQ(control<QComboBox>(dialog.get(), 105)->currentText(), "y");
    EXPECT_EQ(host.list()->n_projects(1), 1u) << "B already had y";
    EXPECT_EQ(host.list()->project_name(2, 0), "y");
    EXPECT_TRUE(TProjectDialog::add_to_all_choice());

    prompt.clear();
    {
        ModalScript script({[](QDialog* d) {
            EXPECT_TRUE(control<QCheckBox>(d, 103)->isChecked()) << "the last choice is remembered";
            control<QPushButton>(d, 2)->click();
        }});
        click(dialog.get(), 106);
    }
    {
        ModalScript script({name_step("Rename Project", "y", "y"), name_step("Rename Project", "y", "z\ny"),
                            [](QDialog* d) { control<QPushButton>(d, 2)->click(); }});
        click(dialog.get(), 114);
    }
    EXPECT_EQ(prompt.messages(), (std::vector<Message>{warning("That project already exists in this category!", ""),
                                                       warning("Project names may not contain tabs or line breaks.")}));
}

TEST_F(ProjectEditor, TheCheckedInCategoryAndProjectAreProtected)
{
    load("cA\r\ncB\r\n", "[A]\r\npx\r\npy\r\n");
    host.list()->set_current(0, 1);
    auto dialog = open();
    select(dialog.get(), 105, 1);
    ModalScript none({});
    for (int id : {113, 103, 114, 107})
        click(dialog.get(), id);
    control<QCheckBox>(dialog.get(), 124)->click();
    control<QCheckBox>(dialog.get(), 125)->click();
    // Each control asks the editor's rules, which refuse (their texts are the model's tests').
    ASSERT_EQ(prompt.count(), 6u);
    EXPECT_EQ(prompt.messages()[0], warning("Sorry, you cannot rename the current category."));
    EXPECT_EQ(prompt.messages()[5], warning("Sorry, you cannot hide the current project."));
    EXPECT_FALSE(control<QCheckBox>(dialog.get(), 124)->isChecked());
    EXPECT_FALSE(control<QCheckBox>(dialog.get(), 125)->isChecked());
    EXPECT_TRUE(host.list()->is_category_shown(0) && host.list()->is_project_shown(0, 1));
    EXPECT_EQ(host.list()->n_projects(0), 2u);
}

TEST_F(ProjectEditor, UpAndDownSkipHiddenNeighboursOfADisplayedItem)
{
    load("cA\r\ncH\r\ncB\r\n", "");
    auto dialog = open();
    select(dialog.get(), 131, 1);
    control<QCheckBox>(dialog.get(), 124)->click();
    EXPECT_FALSE(host.list()->is_category_shown(1));
    select(dialog.get(), 131, 2);
    click(dialog.get(), 109);
    EXPECT_EQ(items(dialog.get(), 131), (QStringList{"B", "H", "A"}));
    EXPECT_EQ(control<QComboBox>(dialog.get(), 131)->currentText(), "B");
    click(dialog.get(), 109); // first: nothing moves
    EXPECT_EQ(items(dialog.get(), 131), (QStringList{"B", "H", "A"}));
    select(dialog.get(), 131, 1);
    click(dialog.get(), 110); // a hidden one moves one place
    EXPECT_EQ(items(dialog.get(), 131), (QStringList{"B", "A", "H"}));
    EXPECT_TRUE(control<QCheckBox>(dialog.get(), 124)->isChecked());
}

TEST_F(ProjectEditor, CopyCatInTwoClicks)
{
    load("cA\r\ncB\r\ncE\r\n", "[A]\r\npx\r\npy\r\n[B]\r\npy\r\n");
    host.list()->add_temporary_project(0, "t");
    auto dialog = open();
    const std::string title = "Copy projects from one category to another";
    select(dialog.get(), 131, 2);
    click(dialog.get(), 101);
    EXPECT_EQ(prompt.last(), warning("There are no projects to copy in category\nE", "Error"));

    select(dialog.get(), 131, 0);
    prompt.answer(Answer::Ok);
    click(dialog.get(), 101);
    EXPECT_EQ(prompt.last().caption, title);
    click(dialog.get(), 101);
    EXPECT_EQ(prompt.last().text.substr(0, 41), "Oops--you copy from a category to itself!");

    prompt.answer(Answer::Ok);
    click(dialog.get(), 101);
    select(dialog.get(), 131, 1);
    click(dialog.get(), 109); // B moves up; the source stays A
    EXPECT_EQ(host.list()->category_name(0), "B");
    prompt.answer(Answer::Ok);
    click(dialog.get(), 101);
    EXPECT_EQ(prompt.last().text.substr(0, 66),
              "Ready to copy projects...\n\n    FROM category: A\n    TO category: B");
    EXPECT_EQ(items(dialog.get(), 105), (QStringList{"y", "x"})) << "y was there, t is temporary";
    EXPECT_EQ(control<QComboBox>(dialog.get(), 105)->currentIndex(), 0);
    click(dialog.get(), 101);
    EXPECT_EQ(prompt.last().text.substr(0, 29), "Preparing to copy projects...") << "no copy is pending any more";
}

TEST_F(ProjectEditor, RateTextsAreCheckedWhenTheEditLosesFocus)
{
    load("cA\tD0,0,0;250\r\n", "[A]\r\npx\r\n");
    auto dialog = open();
    EXPECT_EQ(control<QLineEdit>(dialog.get(), 126)->text(), "2.50");
    EXPECT_EQ(control<QLineEdit>(dialog.get(), 127)->text(), "0.00");
    EXPECT_EQ(enter_rate(dialog.get(), 128, "12"), "12.00");
    EXPECT_EQ(enter_rate(dialog.get(), 128, ".5"), "0.50");
    EXPECT_EQ(host.list()->project_rate(0, 0), 50);
    EXPECT_EQ(enter_rate(dialog.get(), 128, "21474836"), "21474836.00");
    for (const char* bad : {"1.234", "1.2.3", "12a", "21474837", "999999999"})
        EXPECT_EQ(enter_rate(dialog.get(), 128, bad), "21474836.00") << bad;
    EXPECT_EQ(prompt.messages(), std::vector<Message>(5, warning(kRateMessage)));
    EXPECT_EQ(host.list()->project_rate(0, 0), 2147483600);
    EXPECT_EQ(enter_rate(dialog.get(), 128, ""), "");
    EXPECT_EQ(host.list()->project_rate(0, 0), -1);
    auto* edit = control<QLineEdit>(dialog.get(), 128);
    QTest::keyClicks(edit, "1234567890");
    EXPECT_EQ(edit->text(), "123456789") << "at most nine characters are typed";
    EXPECT_EQ(enter_rate(dialog.get(), 126, "."), "");
    EXPECT_EQ(host.list()->category_rate(0), -1);

    // The default rate is written at once; no digits means 0.
    EXPECT_EQ(enter_rate(dialog.get(), 127, "7.5"), "7.50");
    EXPECT_NE(read_file("velkors.ini").find("Rate=750"), std::string::npos);
    EXPECT_EQ(enter_rate(dialog.get(), 127, ""), "0.00");
    EXPECT_NE(read_file("velkors.ini").find("Rate=0"), std::string::npos);
    EXPECT_EQ(read_file("velkors.ini").find("Rate=750"), std::string::npos);
    EXPECT_EQ(host.measures + host.invalidates, 0) << "rates do not repaint";
}

TEST_F(ProjectEditor, TheColourChooserStartsWithBlackCustomColoursAndKeepsTheUsersOnes)
{
    load("cA\t0,0,0\r\n", "[A]\r\npx\r\n");
    TProjectDialog dialog(host, settings, prompt); // the real chooser
    const QColor red(200, 0, 0);
    {
        ModalScript script({[&](QDialog* chooser) {
            EXPECT_EQ(chooser->windowTitle(), "Select color for category A");
            for (int i = 0; i < QColorDialog::customCount(); ++i)
                EXPECT_EQ(QColorDialog::customColor(i), QColor(Qt::black)) << i;
            QColorDialog::setCustomColor(3, red); // the user stores one
            chooser->reject();
        }});
        click(&dialog, 104);
    }
    {
        ModalScript script({[&](QDialog* chooser) {
            EXPECT_EQ(QColorDialog::customColor(3), red);
            chooser->reject();
        }});
        click(&dialog, 104);
    }
    EXPECT_EQ(host.list()->category_color(0), kBlack) << "cancelled";
}

TEST_F(ProjectEditor, CancelRestoresThePreviousListAndWritesNothing)
{
    load("cA\t0,0,0\r\ncB\r\n", "[A]\r\npx\r\npy\r\n[B]\r\npz\r\n");
    host.list()->set_current(1, 0);
    host.list()->remember_memo(0, 0, "memo");
    const ProjectList* before = host.list();
    const ProjectList snapshot = *host.list();
    const std::string file = read_file("project.txt");
    auto dialog = open();
    EXPECT_NE(host.list(), before);
    chosen = make_rgb(9, 9, 9);
    click(dialog.get(), 104);
    EXPECT_EQ(chooser_titles, QStringList{"Select color for category A"});
    click(dialog.get(), 107); // deletes x
    {
        ModalScript script({name_step("Rename Category", "A", "Z")});
        click(dialog.get(), 113);
    }
    control<QCheckBox>(dialog.get(), 125)->click(); // hides y
    EXPECT_FALSE(host.list()->is_project_shown(0, 0));
    EXPECT_EQ(host.list()->category_color(0), make_rgb(9, 9, 9));
    EXPECT_EQ(host.list()->n_projects(0), 1u);

    click(dialog.get(), 111);
    EXPECT_EQ(host.list(), before);
    EXPECT_EQ(*host.list(), snapshot);
    EXPECT_TRUE(host.list()->is_current(1, 0));
    dialog.reset();
    EXPECT_EQ(read_file("project.txt"), file);
    EXPECT_FALSE(std::filesystem::exists("project.mmo")) << "the copy must not write the memo file";
    EXPECT_FALSE(std::filesystem::exists("hidden.ini"));
}

TEST_F(ProjectEditor, OkWritesTheProjectFileAndKeepsTheCopy)
{
    host.lists.reload();
    auto dialog = open();
    const ProjectList* copy = host.list();
    {
        ModalScript script({name_step("New Category", "", "Work"), name_step("New Project", "", "Site"),
                            name_step("New Project", "", "Docs"), name_step("New Category", "", "Home"),
                            name_step("New Project", "", "Garden")});
        for (int id : {102, 106, 106, 102, 106})
            click(dialog.get(), id);
    }
    select(dialog.get(), 131, 0);
    chosen = make_rgb(0, 128, 255);
    click(dialog.get(), 104);
    select(dialog.get(), 105, 0);
    {
        ModalScript script({[](QDialog* d) {
            EXPECT_EQ(control<QGroupBox>(d, 107)->title(), "For project Site");
            EXPECT_EQ(control<QRadioButton>(d, 103)->text(), "Same as the category memo behavior");
            EXPECT_TRUE(control<QRadioButton>(d, 103)->isChecked());
            control<QRadioButton>(d, 105)->setChecked(true);
            control<QPushButton>(d, 1)->click();
        }});
        click(dialog.get(), 118);
    }
    EXPECT_EQ(control<QLabel>(dialog.get(), 112)->text(), "Always ask for a memo when checking in");
    EXPECT_FALSE(std::filesystem::exists("project.txt")) << "nothing is written before OK";

    // OK by Enter leaves the focus in the rate edit: the rate being typed still counts.
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    control<QLineEdit>(dialog.get(), 128)->setFocus();
    QTest::keyClicks(control(dialog.get(), 128), "45");
    QTest::keyClick(control(dialog.get(), 128), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(host.list(), copy);
    EXPECT_EQ(read_file("project.txt"),
              "#\r\n# Category/project file created by Velkor.\r\n# DO NOT EDIT THIS FILE!\r\n"
              "#\r\n\r\n[categories]\r\ncWork\tD0,128,255;-1\r\ncHome\tD0,0,0;-1\r\n\r\n"
              "[Work]\r\npSite\tI;4500\r\npDocs\tD;-1\r\n\r\n[Home]\r\npGarden\tD;-1\r\n");
    EXPECT_EQ(host.measures, 6) << "five additions and the close";
}
