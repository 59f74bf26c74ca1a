#include "dialogs/MemoInputDialog.h"

#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProjectList.h"
#include "dialogs/ChooseMemoDialog.h"
#include "dialogs/ControlId.h"
#include "dialogs/HelpButton.h"
#include "dialogs/MemoEdit.h"
#include "dialogs/PlainLabel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velkor {
namespace {

QString group_caption(MemoPurpose purpose)
{
    switch (purpose) {
    case MemoPurpose::CheckIn:
        return QStringLiteral("New Project");
    case MemoPurpose::CheckOut:
        return QStringLiteral("Old Project");
    case MemoPurpose::MemoNow:
        break;
    }
    return QStringLiteral("Project");
}

QString cancel_caption(MemoPurpose purpose)
{
    switch (purpose) {
    case MemoPurpose::CheckIn:
        return QStringLiteral("Cancel Checkin");
    case MemoPurpose::CheckOut:
        return QStringLiteral("Cancel Checkout");
    case MemoPurpose::MemoNow:
        break;
    }
    return QStringLiteral("Cancel");
}

bool has_visible_text(const QString& text)
{
    for (QChar c : text)
        if (!c.isSpace())
            return true;
    return false;
}

} // namespace

MemoInputDialog::MemoInputDialog(ProjectList& list, std::size_t c, std::size_t p, std::string& memo, bool& remember,
                                 MemoPurpose purpose, bool& close_after, IniFile& settings, Prompt& prompt,
                                 QWidget* parent)
    : QDialog(parent), my_list(list), my_category(c), my_project(p), my_memo(memo), my_remember(remember),
      my_purpose(purpose), my_close_after(close_after), my_settings(settings), my_prompt(prompt)
{
    setWindowTitle(QStringLiteral("Enter Memo"));
    my_always_choose = get_flag(settings, kAlwaysChooseMemos);
    build_controls();

    my_edit->set_memo(memo);
    my_edit->selectAll();
    my_remember_box->setChecked(remember);
    my_minimize_box->setChecked(close_after);
    my_minimize_box->setEnabled(purpose == MemoPurpose::MemoNow);
    my_always_choose_box->setChecked(my_always_choose);
    const bool want_return = get_flag(settings, kMemoWantReturn);
    (want_return ? my_enter_new_line : my_enter_ok)->setChecked(true);
    my_edit->set_want_return(want_return);
    my_choose->setEnabled(list.n_remembered_memos(c, p) > 0);
    my_edit->setFocus();
}

MemoInputDialog::~MemoInputDialog()
{
    save_check_boxes(); // in case the dialog goes away without having ended
}

void MemoInputDialog::build_controls()
{
    auto* layout = new QGridLayout(this);

    auto* group = with_id(new QGroupBox(group_caption(my_purpose), this), 106);
    auto* names = new QVBoxLayout(group);
    names->addWidget(with_id(plain_label(QString::fromStdString(my_list.category_name(my_category)), group), 104));
    names->addWidget(
        with_id(plain_label(QString::fromStdString(my_list.project_name(my_category, my_project)), group), 105));
    layout->addWidget(group, 0, 0);

    my_edit = with_id(new MemoEdit(this), 9302);
    layout->addWidget(my_edit, 1, 0, 6, 1);

    auto* ok = with_id(new QPushButton(QStringLiteral("OK"), this), 1);
    auto* no_memo = with_id(new QPushButton(QStringLiteral("No Memo"), this), 101);
    auto* cancel = with_id(new QPushButton(cancel_caption(my_purpose), this), 2);
    auto* help = with_id(new QPushButton(QStringLiteral("Help"), this), 9);
    connect_help_button(help, 1070);
    my_choose = with_id(new QPushButton(QStringLiteral("Choose a Saved Memo"), this), 108);
    ok->setDefault(true);
    int row = 0;
    for (QPushButton* button : {ok, no_memo, cancel, help, my_choose})
        layout->addWidget(button, row++, 1);

    my_remember_box = with_id(new QCheckBox(QStringLiteral("Remember memo"), this), 9304);
    my_minimize_box = with_id(new QCheckBox(QStringLiteral("Minimize VKR after entering memo"), this), 102);
    my_always_choose_box = with_id(
        new QCheckBox(QStringLiteral("Always choose from the list of saved memos for projects that have them"), this),
        109);
    my_enter_new_line = with_id(
        new QRadioButton(QStringLiteral("Enter starts a new line in the memo; click OK when finished"), this), 103);
    my_enter_ok =
        with_id(new QRadioButton(
                    QStringLiteral("Pressing Enter is like clicking OK; use Ctrl-Enter for a new memo line"), this),
                107);
    row = 7;
    for (QWidget* widget : std::initializer_list<QWidget*>{my_remember_box, my_minimize_box, my_always_choose_box,
                                                           my_enter_new_line, my_enter_ok})
        layout->addWidget(widget, row++, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    connect(ok, &QPushButton::clicked, this, &MemoInputDialog::ok);
    connect(no_memo, &QPushButton::clicked, this, [this] { done(kNoMemo); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(my_choose, &QPushButton::clicked, this, &MemoInputDialog::choose_saved_memo);
    connect(my_enter_new_line, &QRadioButton::clicked, this, [this] { set_want_return(true); });
    connect(my_enter_ok, &QRadioButton::clicked, this, [this] { set_want_return(false); });
}

void MemoInputDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (my_shown_once)
        return;
    my_shown_once = true;
    // Opened after the dialog is up, as if the button had been clicked.
    if (my_always_choose && my_list.n_remembered_memos(my_category, my_project) > 1)
        QMetaObject::invokeMethod(this, &MemoInputDialog::choose_saved_memo, Qt::QueuedConnection);
}

void MemoInputDialog::set_want_return(bool want_return)
{
    my_edit->set_want_return(want_return);
    put_flag(my_settings, kMemoWantReturn, want_return);
}

void MemoInputDialog::ok()
{
    const std::string text = my_edit->memo();
    if (!has_visible_text(QString::fromStdString(text))) {
        done(kNoMemo);
        return;
    }
    my_memo = text;
    done(kOk);
}

void MemoInputDialog::choose_saved_memo()
{
    if (!isVisible() || my_check_boxes_saved)
        return; // the queued opening arrived after the dialog had already ended
    // The chooser works on what the edit holds now, so text typed before is not thrown away
    // when the chooser is left without a selection.
    std::string buffer = my_edit->memo();
    ChooseMemoDialog chooser(my_list, my_category, my_project, buffer, my_settings, my_prompt, this);
    const int chosen = chooser.exec();
    my_edit->set_memo(buffer);
    my_choose->setEnabled(my_list.n_remembered_memos(my_category, my_project) > 0);
    if (chosen == ChooseMemoDialog::kUseAsIs || chosen == ChooseMemoDialog::kEditThenUse)
        ok();
}

void MemoInputDialog::save_check_boxes()
{
    if (my_check_boxes_saved)
        return;
    my_check_boxes_saved = true;
    if (my_remember_box->isChecked() != my_remember) {
        my_remember = my_remember_box->isChecked();
        put_flag(my_settings, kRememberMemo, my_remember);
    }
    my_close_after = my_minimize_box->isChecked();
    if (my_always_choose_box->isChecked() != my_always_choose)
        put_flag(my_settings, kAlwaysChooseMemos, my_always_choose_box->isChecked());
}

void MemoInputDialog::done(int result)
{
    if (result != kOk && result != kNoMemo)
        result = kCancel;
    save_check_boxes();
    QDialog::done(result);
}

MemoDialogResult MemoInputDialog::outcome() const
{
    switch (result()) {
    case kOk:
        return MemoDialogResult::Ok;
    case kNoMemo:
        return MemoDialogResult::NoMemo;
    default:
        return MemoDialogResult::Cancel;
    }
}

} // namespace velkor
