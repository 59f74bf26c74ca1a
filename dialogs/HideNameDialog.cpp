#include "dialogs/HideNameDialog.h"

#include "base/Prompt.h"
#include "core/ProjectList.h"
#include "dialogs/ButtonText.h"
#include "dialogs/ControlId.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/HelpButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velkor {
namespace {

constexpr const char* kTitle = "Hide/show Categories and Projects";

std::vector<std::size_t> selected_rows(const QListWidget* list)
{
    std::vector<std::size_t> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            rows.push_back(static_cast<std::size_t>(row));
    }
    return rows;
}

// Fills list with entries, selecting again the rows that were selected when keep_selection.
void fill_list(QListWidget* list, const std::vector<std::string>& entries, bool keep_selection)
{
    const std::vector<std::size_t> rows = keep_selection ? selected_rows(list) : std::vector<std::size_t>{};
    const QSignalBlocker block(list);
    list->clear();
    for (const std::string& entry : entries)
        list->addItem(QString::fromStdString(entry));
    for (std::size_t row : rows) {
        if (QListWidgetItem* item = list->item(static_cast<int>(row)))
            item->setSelected(true);
    }
}

// Radios of one pair are exclusive, yet both may have to show unchecked.
void show_radios(QRadioButton* show, QRadioButton* hide, ShowHideRadio state)
{
    for (auto [radio, checked] :
         {std::pair{show, state == ShowHideRadio::Show}, std::pair{hide, state == ShowHideRadio::Hide}}) {
        const QSignalBlocker block(radio);
        radio->setAutoExclusive(false);
        radio->setChecked(checked);
        radio->setAutoExclusive(true);
    }
}

} // namespace

HideNameDialog::HideNameDialog(HideShowHost& host, Prompt& prompt, QWidget* parent)
    : QDialog(parent), my_host(host), my_prompt(prompt)
{
    my_list = &host.begin_edit();
    my_cleaned_up = clean_up_temporary_items(*my_list);
    if (my_cleaned_up) {
        my_host.set_measure_flag();
        my_host.invalidate();
    }
    my_model = std::make_unique<HideShowModel>(*my_list, prompt);

    setWindowTitle(QString::fromLatin1(kTitle));
    build();
    fill_categories(false);
    update_category_radios();
    fill_projects(false);
}

HideNameDialog::~HideNameDialog()
{
    if (!my_finished)
        finish(false);
}

QGroupBox* HideNameDialog::build_side(const char* title, int group_id, int list_id, int show_id, int hide_id,
                                      int select_all_id, QListWidget*& list, QRadioButton*& show, QRadioButton*& hide)
{
    auto* group = with_id(new QGroupBox(QString::fromLatin1(title), this), group_id);
    auto* layout = new QGridLayout(group);
    list = with_id(new QListWidget(group), list_id);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    show = with_id(new QRadioButton(QStringLiteral("Show"), group), show_id);
    hide = with_id(new QRadioButton(QStringLiteral("Hide"), group), hide_id);
    auto* select_all = with_id(new QPushButton(QStringLiteral("Select all"), group), select_all_id);
    select_all->setAutoDefault(false);
    layout->addWidget(list, 0, 0, 4, 1);
    layout->addWidget(show, 0, 1);
    layout->addWidget(hide, 1, 1);
    layout->addWidget(select_all, 2, 1);
    layout->setRowStretch(3, 1);
    return group;
}

void HideNameDialog::build()
{
    auto* layout = new QVBoxLayout(this);
    auto* sides = new QHBoxLayout;
    sides->addWidget(
        build_side("Categories", 103, 101, 105, 106, 109, my_categories, my_show_categories, my_hide_categories));
    my_project_group =
        build_side("No category selected", 104, 102, 107, 108, 110, my_projects, my_show_projects, my_hide_projects);
    my_select_all_projects = my_project_group->findChild<QPushButton*>(QStringLiteral("id110"));
    sides->addWidget(my_project_group);
    layout->addLayout(sides);

    const DialogButtons foot = make_dialog_buttons(this, 9, 1040);
    layout->addLayout(foot.row);

    connect(foot.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(foot.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(my_categories, &QListWidget::itemSelectionChanged, this, [this] { categories_selected(); });
    connect(my_projects, &QListWidget::itemSelectionChanged, this, [this] { update_project_radios(); });
    connect(my_show_categories, &QRadioButton::clicked, this, [this] { category_radio_clicked(true); });
    connect(my_hide_categories, &QRadioButton::clicked, this, [this] { category_radio_clicked(false); });
    connect(my_show_projects, &QRadioButton::clicked, this, [this] { project_radio_clicked(true); });
    connect(my_hide_projects, &QRadioButton::clicked, this, [this] { project_radio_clicked(false); });
    connect(findChild<QPushButton*>(QStringLiteral("id109")), &QPushButton::clicked, this,
            [this] { select_all_categories(); });
    connect(my_select_all_projects, &QPushButton::clicked, this, [this] {
        {
            const QSignalBlocker block(my_projects);
            my_projects->selectAll();
        }
        update_project_radios();
    });
}

int HideNameDialog::exec()
{
    if (my_cleaned_up && !my_finished && !confirm_clean_up()) {
        finish(false);
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

bool HideNameDialog::confirm_clean_up()
{
    return my_prompt.message(
               "This function erases temporary categories and projects,\nand re-hides hidden categories and projects "
               "that were\ntemporarily showing.\n\nClick OK to proceed, or Cancel to undo these changes.\n",
               kTitle, Buttons::OkCancel, Icon::Exclamation) == Answer::Ok;
}

void HideNameDialog::fill_categories(bool keep_selection)
{
    fill_list(my_categories, my_model->category_entries(), keep_selection);
}

void HideNameDialog::fill_projects(bool keep_selection)
{
    const std::vector<std::size_t> categories = selected_rows(my_categories);
    const bool available = HideShowModel::projects_available(categories);
    my_project_group->setTitle(literal_ampersands(my_model->projects_caption(categories)));
    for (QWidget* control :
         std::initializer_list<QWidget*>{my_projects, my_show_projects, my_hide_projects, my_select_all_projects})
        control->setEnabled(available);
    fill_list(my_projects, available ? my_model->project_entries(categories.front()) : std::vector<std::string>{},
              keep_selection);
    update_project_radios();
}

void HideNameDialog::update_category_radios()
{
    show_radios(my_show_categories, my_hide_categories, my_model->category_radio(selected_rows(my_categories)));
}

void HideNameDialog::update_project_radios()
{
    const std::vector<std::size_t> categories = selected_rows(my_categories);
    const ShowHideRadio state = HideShowModel::projects_available(categories)
                                    ? my_model->project_radio(categories.front(), selected_rows(my_projects))
                                    : ShowHideRadio::Neither;
    show_radios(my_show_projects, my_hide_projects, state);
}

void HideNameDialog::categories_selected()
{
    update_category_radios();
    fill_projects(false);
}

void HideNameDialog::category_radio_clicked(bool show)
{
    if (!my_model->show_categories(selected_rows(my_categories), show)) {
        update_category_radios(); // the refused click does not stick
        return;
    }
    fill_categories(true);
    update_category_radios();
    fill_projects(true);
    my_host.set_measure_flag();
    my_host.invalidate();
}

void HideNameDialog::project_radio_clicked(bool show)
{
    const std::vector<std::size_t> categories = selected_rows(my_categories);
    if (!HideShowModel::projects_available(categories))
        return;
    if (!my_model->show_projects(categories.front(), selected_rows(my_projects), show)) {
        update_project_radios();
        return;
    }
    fill_projects(true);
    my_host.set_measure_flag();
    my_host.invalidate();
}

void HideNameDialog::select_all_categories()
{
    {
        const QSignalBlocker block(my_categories);
        my_categories->selectAll();
    }
    categories_selected();
    my_host.invalidate();
}

void HideNameDialog::finish(bool keep)
{
    my_finished = true;
    my_model.reset();
    my_list = nullptr;
    if (keep)
        my_host.keep_hidden_list();
    else
        my_host.cancel_edit();
    my_host.set_measure_flag();
    my_host.invalidate();
}

void HideNameDialog::done(int result)
{
    if (!my_finished)
        finish(result == QDialog::Accepted);
    QDialog::done(result);
}

} // namespace velkor
