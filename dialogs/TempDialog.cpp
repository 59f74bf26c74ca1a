#include "dialogs/TempDialog.h"

#include "base/Prompt.h"
#include "core/Assert.h"
#include "core/ProgramWideList.h"
#include "dialogs/ButtonText.h"
#include "dialogs/ControlId.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/HelpButton.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/Utf8LimitValidator.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace velkor {
namespace {

constexpr int kNameMaxBytes = 256;

QLineEdit* name_edit(int id, QWidget* parent)
{
    auto* edit = with_id(new QLineEdit(parent), id);
    edit->setMaxLength(kNameMaxBytes);
    edit->setValidator(new Utf8LimitValidator(kNameMaxBytes, edit));
    return edit;
}

std::optional<std::size_t> selected_row(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(list->row(items.front()));
}

void fill_list(QListWidget* list, const std::vector<IndexedEntry>& entries)
{
    const QSignalBlocker block(list);
    list->clear();
    for (const IndexedEntry& entry : entries) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.name), list);
        item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(entry.index));
    }
}

void select_row(QListWidget* list, std::optional<std::size_t> row)
{
    const QSignalBlocker block(list);
    if (!row) {
        list->clearSelection();
        return;
    }
    if (selected_row(list) != row)
        list->setCurrentRow(static_cast<int>(*row));
}

void show_box(QCheckBox* box, bool enabled, bool checked)
{
    const QSignalBlocker block(box);
    box->setEnabled(enabled);
    box->setChecked(checked);
}

void show_text(QLineEdit* edit, const std::string& text)
{
    const QString wanted = QString::fromStdString(text);
    if (edit->text() != wanted) {
        const QSignalBlocker block(edit);
        edit->setText(wanted);
    }
}

} // namespace

TempDialog::TempDialog(ProgramWideList& lists, std::size_t category, bool check_in_mode, bool can_change_projects,
                       Prompt& prompt, QWidget* parent)
    : QDialog(parent), my_lists(lists)
{
    VELKOR_ASSERT(lists.get() != nullptr, "lists.get() != NULL");
    my_model = std::make_unique<TempChoiceModel>(*lists.get(), prompt, category, check_in_mode, can_change_projects);
    setWindowTitle(QString::fromStdString(my_model->title()));
    build();
    connect_controls();
    fill_list(my_hidden_categories, my_model->hidden_categories());
    my_hidden_categories->setEnabled(my_model->hidden_categories_enabled());
    show_model();
}

TempDialog::~TempDialog() = default;

void TempDialog::build()
{
    auto* layout = new QGridLayout(this);
    int row = 0;
    my_use_category = with_id(new QCheckBox(literal_ampersands(my_model->use_category_text()), this), 103);
    layout->addWidget(my_use_category, row++, 0, 1, 3);

    layout->addWidget(plain_label(QStringLiteral("Or enter temporary category name:"), this), row++, 0, 1, 3);
    my_category_name = name_edit(102, this);
    layout->addWidget(my_category_name, row++, 0, 1, 3);
    my_save_category = with_id(new QCheckBox(QStringLiteral("Save this name as a new category"), this), 111);
    my_hide_category = with_id(new QCheckBox(QStringLiteral("but hide it"), this), 107);
    layout->addWidget(my_save_category, row, 0, 1, 2);
    layout->addWidget(my_hide_category, row++, 2);
    layout->addWidget(plain_label(QStringLiteral("Or select a hidden category:"), this), row++, 0, 1, 3);
    my_hidden_categories = with_id(new QListWidget(this), 101);
    layout->addWidget(my_hidden_categories, row++, 0, 1, 3);

    layout->addWidget(plain_label(QStringLiteral("Enter a temporary project name:"), this), row++, 0, 1, 3);
    my_project_name = name_edit(110, this);
    layout->addWidget(my_project_name, row++, 0, 1, 3);
    my_save_project = with_id(new QCheckBox(QStringLiteral("Save this name as a new project"), this), 112);
    my_hide_project = with_id(new QCheckBox(QStringLiteral("but hide it"), this), 108);
    layout->addWidget(my_save_project, row, 0, 1, 2);
    layout->addWidget(my_hide_project, row++, 2);
    my_hidden_projects_label = with_id(plain_label(QStringLiteral("Or select a hidden project:"), this), 106);
    layout->addWidget(my_hidden_projects_label, row++, 0, 1, 3);
    my_hidden_projects = with_id(new QListWidget(this), 104);
    layout->addWidget(my_hidden_projects, row++, 0, 1, 3);

    const DialogButtons foot = make_dialog_buttons(this, 9, 1060);
    layout->addLayout(foot.row, row, 0, 1, 3);

    connect(foot.ok, &QPushButton::clicked, this, &TempDialog::ok);
    connect(foot.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TempDialog::connect_controls()
{
    // Each user action goes to the model, and the controls then show its state. Only what the user
    // does counts: the controls are set with their signals blocked, and typing is textEdited.
    TempChoiceModel& m = *my_model;
    auto box = [this](QCheckBox* check_box, void (TempChoiceModel::*action)(bool)) {
        connect(check_box, &QCheckBox::clicked, this, [this, action](bool checked) {
            (my_model.get()->*action)(checked);
            show_model();
        });
    };
    box(my_use_category, &TempChoiceModel::set_use_initial);
    box(my_save_category, &TempChoiceModel::set_save_category);
    box(my_hide_category, &TempChoiceModel::set_hide_category);
    box(my_save_project, &TempChoiceModel::set_save_project);
    box(my_hide_project, &TempChoiceModel::set_hide_project);
    connect(my_category_name, &QLineEdit::textEdited, this, [this, &m](const QString& text) {
        m.type_category_name(text.toStdString());
        show_model();
    });
    connect(my_project_name, &QLineEdit::textEdited, this, [this, &m](const QString& text) {
        m.type_project_name(text.toStdString());
        show_model();
    });
    connect(my_hidden_categories, &QListWidget::itemSelectionChanged, this, [this, &m] {
        m.select_hidden_category(selected_row(my_hidden_categories));
        show_model();
    });
    connect(my_hidden_projects, &QListWidget::itemSelectionChanged, this, [this, &m] {
        m.select_hidden_project(selected_row(my_hidden_projects));
        show_model();
    });
    connect(my_hidden_projects, &QListWidget::itemDoubleClicked, this, [this] { ok(); });
}

void TempDialog::show_model()
{
    const TempChoiceModel& m = *my_model;
    {
        const QSignalBlocker block(my_use_category);
        my_use_category->setChecked(m.use_initial());
    }
    show_text(my_category_name, m.category_name());
    show_box(my_save_category, m.save_category_enabled(), m.save_category());
    show_box(my_hide_category, m.hide_category_enabled(), m.hide_category());
    select_row(my_hidden_categories, m.hidden_category_row());

    show_text(my_project_name, m.project_name());
    show_box(my_save_project, m.save_project_enabled(), m.save_project());
    show_box(my_hide_project, m.hide_project_enabled(), m.hide_project());
    show_hidden_projects();
}

void TempDialog::show_hidden_projects()
{
    if (my_model->hidden_projects() != my_shown_projects) {
        my_shown_projects = my_model->hidden_projects();
        fill_list(my_hidden_projects, my_shown_projects);
    }
    my_hidden_projects->setEnabled(my_model->hidden_projects_enabled());
    my_hidden_projects_label->setEnabled(my_model->hidden_projects_enabled());
    select_row(my_hidden_projects, my_model->hidden_project_row());
}

void TempDialog::ok()
{
    std::optional<TempChoice> choice = my_model->ok();
    if (!choice) {
        QLineEdit* field =
            my_model->refusal() == TempChoiceModel::Refusal::Category ? my_category_name : my_project_name;
        field->setFocus();
        field->selectAll();
        return;
    }
    my_choice = *choice;
    if (my_choice.hidden_list_due)
        my_lists.save_hidden_list();
    accept();
}

} // namespace velkor
