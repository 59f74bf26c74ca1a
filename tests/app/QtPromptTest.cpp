#include "app/QtPrompt.h"
#include "tests/support/DialogControls.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velkor;

namespace {

// Presses a button of the modal box once it is up, and notes what the box showed.
struct BoxWatcher
{
    QString text, caption, shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

    void press_when_shown(QMessageBox::StandardButton which)
    {
        QTimer::singleShot(0, [this, which] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            shown = test::shown_text(box->findChild<QLabel*>("qt_msgbox_label"));
            caption = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(which)->click();
        });
    }
};

} // namespace

TEST(QtPrompt, ShowsExactPlainTextCaptionButtonsAndIconAndReturnsThePressedButton)
{
    QtPrompt prompt;
    BoxWatcher watcher;
    watcher.press_when_shown(QMessageBox::Retry);
    Answer a = prompt.message("Cannot open the log file!", "velkors.log", Buttons::RetryCancel, Icon::Exclamation);
    EXPECT_EQ(a, Answer::Retry);
    EXPECT_EQ(watcher.text, "Cannot open the log file!");
    EXPECT_EQ(watcher.caption, "velkors.log");
    EXPECT_EQ(watcher.icon, QMessageBox::Warning);
    EXPECT_EQ(watcher.buttons, QMessageBox::Retry | QMessageBox::Cancel);

    watcher.press_when_shown(QMessageBox::No);
    EXPECT_EQ(prompt.message("Are you sure?", "Exit without checking out", Buttons::YesNo, Icon::Question), Answer::No);
    EXPECT_EQ(watcher.icon, QMessageBox::Question);

    // A line of a file with markup in it is shown as typed.
    watcher.press_when_shown(QMessageBox::Ok);
    prompt.message("x<b>bold</b> &amp; <i>it</i>", "Invalid category entry skipped", Buttons::Ok, Icon::Information);
    EXPECT_EQ(watcher.shown, "x<b>bold</b> &amp; <i>it</i>");
}
