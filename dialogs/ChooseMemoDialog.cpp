#include "dialogs/ChooseMemoDialog.h"

#include "base/Prompt.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/MemoRequest.h"
#include "core/ProjectList.h"
#include "dialogs/EditSavedMemoDlg.h"
#include "dialogs/HelpButton.h"
#include "dialogs/MemoEdit.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace velkor {
namespace {

constexpr int kPositionRole = Qt::UserRole;

const char* const kErrorCaption = "Error";

} // namespace

ChooseMemoDialog::ChooseMemoDialog(ProjectList& list, std::size_t c, std::size_t p, std::string& memo,
                                   IniFile& settings, Prompt& prompt, QWidget* parent)
    : QDialog(parent), my_list(list), my_category(c), my_project(p), my_memo(memo), my_settings(settings),
      my_prompt(prompt), my_working(list.first_remembered_memo(c, p)), my_memos(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Choose a Saved Memo"));
    my_memos->setObjectName(QStringLiteral("id105"));
    my_memos->setSelectionMode(QAbstractItemView::SingleSelection);
    my_memos->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto make_button = [this](const QString& caption, int id) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QStringLiteral("id%1").arg(id));
        return button;
    };
    my_use = make_button(QStringLiteral("Use as is"), 1);
    my_edit_then_use = make_button(QStringLiteral("Edit, then use"), 103);
    auto* add_button = make_button(QStringLiteral("Add"), 102);
    my_edit = make_button(QStringLiteral("Edit"), 101);
    my_delete = make_button(QStringLiteral("Delete"), 104);
    my_save = make_button(QStringLiteral("Save changes"), 106);
    auto* cancel = make_button(QStringLiteral("Cancel"), 2);
    auto* help = make_button(QStringLiteral("Help"), 9);
    connect_help_button(help, 1075);
    my_use->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(my_memos, 0, 0, 8, 1);
    int row = 0;
    for (QPushButton* button : {my_use, my_edit_then_use, add_button, my_edit, my_delete, my_save, cancel, help})
        layout->addWidget(button, row++, 1);
    layout->setColumnStretch(0, 1);

    connect(my_use, &QPushButton::clicked, this, [this] { use(kUseAsIs); });
    connect(my_memos, &QListWidget::itemDoubleClicked, this, [this] { use(kUseAsIs); });
    connect(my_edit_then_use, &QPushButton::clicked, this, &ChooseMemoDialog::edit_then_use);
    connect(add_button, &QPushButton::clicked, this, &ChooseMemoDialog::add);
    connect(my_edit, &QPushButton::clicked, this, &ChooseMemoDialog::edit);
    connect(my_delete, &QPushButton::clicked, this, &ChooseMemoDialog::remove);
    connect(my_save, &QPushButton::clicked, this, &ChooseMemoDialog::save_changes);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(my_memos, &QListWidget::itemSelectionChanged, this, &ChooseMemoDialog::update_buttons);

    fill_list(std::nullopt, &my_memo);
}

void ChooseMemoDialog::fill_list(std::optional<std::size_t> select_position, const std::string* select_text)
{
    // Sorted ignoring case; each entry keeps its memo's position in the working chain.
    std::vector<std::size_t> order(my_working.size());
    for (std::size_t n = 0; n < order.size(); ++n)
        order[n] = n;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return ProjectList::name_greater(my_working.at(b), my_working.at(a));
    });

    const QSignalBlocker blocker(my_memos);
    my_memos->clear();
    QListWidgetItem* to_select = nullptr;
    QListWidgetItem* case_match = nullptr;
    for (std::size_t n : order) {
        const std::string& text = my_working.at(n);
        auto* item = new QListWidgetItem(memo_to_edit_text(text), my_memos);
        item->setData(kPositionRole, QVariant::fromValue<qulonglong>(n));
        if (select_position && *select_position == n)
            to_select = item;
        if (select_text && !to_select && text == *select_text)
            to_select = item;
        if (select_text && !case_match &&
            QString::fromStdString(text).compare(QString::fromStdString(*select_text), Qt::CaseInsensitive) == 0)
            case_match = item;
    }
    if (!to_select)
        to_select = case_match;
    if (to_select) {
        my_memos->setCurrentItem(to_select);
        my_memos->scrollToItem(to_select);
    } else {
        my_memos->setCurrentRow(-1);
    }
    update_buttons();
}

std::optional<std::size_t> ChooseMemoDialog::selected_position() const
{
    const QList<QListWidgetItem*> selected = my_memos->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const std::size_t n = selected.front()->data(kPositionRole).toULongLong();
    return n < my_working.size() ? std::optional<std::size_t>(n) : std::nullopt;
}

void ChooseMemoDialog::update_buttons()
{
    const bool selected = selected_position().has_value();
    for (QPushButton* button : {my_use, my_edit_then_use, my_edit, my_delete})
        button->setEnabled(selected);
    my_save->setEnabled(my_modified);
}

QString ChooseMemoDialog::instruction_text(bool want_return) const
{
    return want_return ? QStringLiteral("Enter starts a new line in the memo; click OK when finished")
                       : QStringLiteral("Pressing Enter is like clicking OK; use Ctrl-Enter for a new memo line");
}

bool ChooseMemoDialog::run_editor(std::optional<std::size_t> position)
{
    const bool adding = !position;
    const bool want_return = get_flag(my_settings, kMemoWantReturn);
    std::string text = adding ? std::string() : cut_utf8(my_working.at(*position), kMemoMaxBytes);
    EditSavedMemoDlg editor(adding ? QStringLiteral("Add a Saved Memo") : QStringLiteral("Edit a Saved Memo"), text,
                            instruction_text(want_return), want_return, this);
    if (editor.exec() != QDialog::Accepted)
        return false;
    text = TrimMemo(text);
    if (text.empty()) {
        my_prompt.message(adding ? "Memos may not be empty." : "Please use the Delete button to delete a memo.",
                          kErrorCaption, Buttons::Ok, Icon::None);
        return false;
    }
    if (my_working.find(text) != NPOS) {
        my_prompt.message("That memo already exists.", kErrorCaption, Buttons::Ok, Icon::None);
        return false;
    }
    if (adding) {
        my_working.push_front(text);
        position = 0;
    } else {
        my_working.replace(*position, text);
    }
    my_modified = true;
    fill_list(position);
    return true;
}

void ChooseMemoDialog::add()
{
    run_editor(std::nullopt);
}

void ChooseMemoDialog::remove()
{
    const std::optional<std::size_t> position = selected_position();
    if (!position)
        return;
    my_working.erase(*position);
    my_modified = true;
    fill_list(std::nullopt);
}

void ChooseMemoDialog::save_changes()
{
    my_list.replace_remembered_memos(my_category, my_project, my_working);
    my_working = my_list.first_remembered_memo(my_category, my_project);
    my_modified = false;
    update_buttons();
}

void ChooseMemoDialog::use(Result result)
{
    const std::optional<std::size_t> position = selected_position();
    if (!position)
        return;
    if (my_modified) {
        const Answer answer = my_prompt.message(
            "You must save your changes before you can select a memo.\nWould you like to do that now?", "Choose Memo",
            Buttons::YesNo, Icon::None);
        if (answer != Answer::Yes)
            return;
        save_changes();
    }
    my_memo = cut_utf8(my_list.remembered_memo(my_category, my_project, *position), kMemoMaxBytes);
    done(result);
}

void ChooseMemoDialog::edit_then_use()
{
    if (!run_editor(selected_position()))
        return;
    save_changes();
    use(kEditThenUse);
}

void ChooseMemoDialog::done(int result)
{
    if (result != kUseAsIs && result != kEditThenUse) {
        // Cancel, Escape or closing: unsaved changes are dropped, the selected text is handed back.
        if (const std::optional<std::size_t> position = selected_position())
            my_memo = cut_utf8(my_working.at(*position), kMemoMaxBytes);
        result = kCancel;
    }
    QDialog::done(result);
}

} // namespace velkor
