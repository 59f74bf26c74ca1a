// The Options dialog and the environment-variable dialog driven through their controls, on a
// program in memory (FakeOptionsTarget) and a real settings file.
#include "dialogs/OptionsDialog.h"
#include "classlib/SettingsKeys.h"
#include "dialogs/EnvVarDialog.h"
#include "dialogs/HotKeyEdit.h"
#include "tests/support/DialogControls.h"
#include "tests/support/FakeOptionsTarget.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

void show_active(QWidget& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog); // focus changes reach the controls only in the active window
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

class OptionsDialogTest : public ::testing::Test
{
protected:
    OptionsDialogTest() { write_file(ini(), "[velkors]\r\nEnvVarCount=1\r\nEnvVar0=PATH\r\n"); }
    std::string ini() const { return dir.file("velkors.ini"); }
    template <typename T = QWidget> T* at(QWidget* dialog, int id) { return control<T>(dialog, id); }
    template <typename T = QPushButton> T* named(QWidget* dialog, const char* name)
    {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TempDir dir;
    PrivateIniFile settings{ini()};
    ScriptedPrompt prompt;
    FakeOptionsTarget target;
};

} // namespace

TEST_F(OptionsDialogTest, ShowsTheStateAndPreviewsTheDisplayChoicesAndRowsAtOnce)
{
    put_flag(settings, kReadWeeklyTime, true);
    put_int(settings, kShowVKRName, 7);
    target.log_override = true;
    target.row_count = 2;
    OptionsDialog dialog(target, settings, prompt);
    show_active(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Velkor Options");
    EXPECT_FALSE(at(&dialog, 101)->isEnabled());
    EXPECT_TRUE(at(&dialog, 103)->isEnabled());
    EXPECT_EQ(at<QLineEdit>(&dialog, 101)->text(), "velkors.log");
    for (int id : {117, 118, 119})
        EXPECT_FALSE(at<QRadioButton>(&dialog, id)->isChecked()) << "a stored 7 is none of the choices";

    // Past times: the "Just ..." boxes only while past times are read, and never both.
    EXPECT_TRUE(at<QCheckBox>(&dialog, 115)->isChecked());
    EXPECT_FALSE(at(&dialog, 139)->isEnabled());
    at<QCheckBox>(&dialog, 131)->click();
    EXPECT_TRUE(at(&dialog, 139)->isEnabled() && at(&dialog, 115)->isEnabled());
    at<QCheckBox>(&dialog, 139)->click();
    EXPECT_FALSE(at<QCheckBox>(&dialog, 115)->isChecked());
    at<QCheckBox>(&dialog, 115)->click();
    EXPECT_FALSE(at<QCheckBox>(&dialog, 139)->isChecked());

    at<QRadioButton>(&dialog, 109)->click();
    at<QRadioButton>(&dialog, 111)->click();
    at<QCheckBox>(&dialog, 106)->click();
    EXPECT_TRUE(target.total_time && target.elapsed_times);
    EXPECT_FALSE(target.highlight);
    at<QRadioButton>(&dialog, 108)->click();
    EXPECT_FALSE(target.total_time);

    auto* rows = at<QLineEdit>(&dialog, 132);
    rows->setFocus();
    QTest::keyClick(rows, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(rows, "x4");
    EXPECT_EQ(rows->text(), "4") << "digits only";
    EXPECT_EQ(target.row_count, 2) << "not before the edit loses the focus";
    at(&dialog, 112)->setFocus();
    EXPECT_EQ(target.row_count, 4);

    dialog.accept();
    EXPECT_EQ(get_int(settings, kShowVKRName), 7);
    EXPECT_EQ(get(settings, kShowTotalTime), "n");
    EXPECT_EQ(get(settings, kShowElapsedTime), "y");
    EXPECT_EQ(get_int(settings, kDesiredRows), 4);
}

TEST_F(OptionsDialogTest, TheHotKeyControlStoresKeysAsCodesRefusesF2AloneAndRegistersCtrlAltK)
{
    target.key = 0x224; // Ctrl+Home
    OptionsDialog dialog(target, settings, prompt);
    show_active(dialog);
    auto* hot_key = at<HotKeyEdit>(&dialog, 130);
    EXPECT_EQ(hot_key->code(), 0x224);
    struct Press
    {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int code;
    };
    for (const Press& p : {Press{Qt::Key_A, Qt::NoModifier, 0x41}, Press{Qt::Key_5, Qt::ShiftModifier, 0x135},
                           Press{Qt::Key_F12, Qt::AltModifier, 0x47b}, Press{Qt::Key_PageDown, Qt::NoModifier, 0x22},
                           Press{Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, 0x325},
                           Press{Qt::Key_7, Qt::KeypadModifier | Qt::ControlModifier, 0x267},
                           Press{Qt::Key_K, Qt::MetaModifier, 0x267}, // no code names the Meta key
                           Press{Qt::Key_Backspace, Qt::NoModifier, 0}}) {
        QTest::keyClick(hot_key, p.key, p.mods);
        EXPECT_EQ(hot_key->code(), p.code) << p.key;
    }

    QTest::keyClick(hot_key, Qt::Key_F2);
    at<QPushButton>(&dialog, 1)->click();
    ASSERT_EQ(prompt.count(), 1u);
    EXPECT_EQ(prompt.last().caption, "Error");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), hot_key);
    EXPECT_TRUE(target.calls.empty());

    QTest::keyClick(hot_key, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(hot_key, Qt::Key_Return); // Enter still presses OK
    EXPECT_EQ(target.calls, std::vector<std::string>{"register 1611"});
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(OptionsDialogTest, BackgroundShowsAtOnceAndEscapeCancelsWithTheRowsSetBack)
{
    put_int(settings, kDesiredRows, 3);
    target.row_count = 3;
    OptionsDialog dialog(
        target, settings, prompt,
        {.color = [](Color, QWidget*) { return std::optional<Color>(make_rgb(0, 0, 100)); }, .font = {}});
    dialog.show();
    prompt.answer(Answer::Yes);
    at<QPushButton>(&dialog, 104)->click();
    EXPECT_EQ(target.bk, make_rgb(0, 0, 100));
    target.row_count = 9;
    QTest::keyClick(at(&dialog, 130), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(target.row_count, 3);
    EXPECT_EQ(get(settings, kBkColor), "");
    EXPECT_FALSE(OptionsDialog(target, settings, prompt, {}, nullptr,
                               LockdownSwitches{}.with_master(true).with(LockdownFeature::EnvironmentVariables, 1))
                     .findChild<QPushButton*>("id102")
                     ->isEnabled());
}

TEST_F(OptionsDialogTest, EnvironmentVariablesAreEditedOnACopyThatOnlyOkSaves)
{
    target.envs = EnvList(settings);
    const std::string before = read_file(ini());
    {
        EnvVarDialog dialog(target.envs, settings, prompt);
        EXPECT_EQ(dialog.windowTitle(), "Change Environment Variables");
        auto* names = named<QListWidget>(&dialog, "names");
        auto* required = named<QCheckBox>(&dialog, "required");
        EXPECT_EQ(names->currentRow(), 0);
        // New: "path" is on the list already, so the box comes back with it; then "home".
        std::vector<QString> shown;
        std::function<void(EnvNameDialog*)> answer = [&](EnvNameDialog* input) {
            shown.push_back(input->windowTitle() + ":" + input->text());
            auto* edit = named<QLineEdit>(input, "variableName");
            edit->setText(shown.size() == 1 ? "path" : "home");
            if (shown.size() == 1)
                when_modal<EnvNameDialog>(answer);
            named(input, "ok")->click();
        };
        when_modal<EnvNameDialog>(answer);
        named(&dialog, "new")->click();
        EXPECT_EQ(shown, (std::vector<QString>{"New Environment Variable:", "New Environment Variable:path"}));
        ASSERT_EQ(names->count(), 2);
        EXPECT_EQ(names->item(1)->text(), "HOME");
        EXPECT_EQ(names->currentRow(), 1);
        required->click();
        names->setCurrentRow(0);
        EXPECT_FALSE(required->isChecked());
        names->setCurrentRow(1);
        EXPECT_TRUE(required->isChecked());
        named(&dialog, "moveUp")->click();
        EXPECT_EQ(names->item(0)->text(), "HOME");
        EXPECT_EQ(names->currentRow(), 0);
        named(&dialog, "cancel")->click();
    }
    settings.flush();
    EXPECT_EQ(read_file(ini()), before) << "Cancel leaves the settings untouched";
    EXPECT_EQ(target.envs.count(), 1u);

    OptionsDialog options(target, settings, prompt);
    when_modal<EnvVarDialog>([this](EnvVarDialog* dialog) {
        named(dialog, "delete")->click();
        EXPECT_EQ(named<QListWidget>(dialog, "names")->count(), 0);
        named<QCheckBox>(dialog, "required")->click();
        EXPECT_FALSE(named<QCheckBox>(dialog, "required")->isChecked()) << "nothing to mark without a selection";
        named(dialog, "ok")->click();
    });
    at<QPushButton>(&options, 102)->click();
    EXPECT_EQ(target.envs.count(), 0u);
    EXPECT_EQ(get_int(settings, kEnvVarCount), 0);
}
