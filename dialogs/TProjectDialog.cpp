// The project editor: construction, the selection steps, the rate edits and the hand-over of
// the working copy.

#include "dialogs/TProjectDialog.h"

#include "base/Prompt.h"
#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "core/ProjectList.h"
#include "dialogs/ChangeMemoDialog.h"
#include "dialogs/ControlId.h"
#include "dialogs/CustomColors.h"
#include "dialogs/HelpButton.h"
#include "dialogs/PlainLabel.h"
#include "dialogs/ProjectEditorHost.h"
#include "presentation/EditorText.h"
#include "presentation/ProjectEditorModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace velkor {
namespace {

constexpr int kRateMaxLength = 9;

bool g_add_to_all = false; // the last choice, for the program's run

// Length of the text the program last put into a rate edit (a property of the edit).
constexpr const char* kShownLength = "velkorShownLength";

// Typing may not make a rate longer than kRateMaxLength characters, while a longer stored rate
// (up to 21474836.47) is still shown whole, not cut, and can be edited.
class RateLengthValidator : public QValidator
{
public:
    explicit RateLengthValidator(QLineEdit* edit) : QValidator(edit), my_edit(edit) {}
    State validate(QString& input, int&) const override
    {
        const qsizetype shown = my_edit->property(kShownLength).toLongLong();
        return input.size() <= std::max<qsizetype>(kRateMaxLength, shown) ? Acceptable : Invalid;
    }

private:
    QLineEdit* my_edit;
};

QPushButton* button(const char* text, int id, QWidget* parent)
{
    return with_id(new QPushButton(QString::fromLatin1(text), parent), id);
}

QString qstr(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

bool TProjectDialog::add_to_all_choice()
{
    return g_add_to_all;
}

void TProjectDialog::set_add_to_all_choice(bool on)
{
    g_add_to_all = on;
}

TProjectDialog::TProjectDialog(ProjectEditorHost& host, IniFile& settings, Prompt& prompt, QWidget* parent)
    : QDialog(parent), my_host(host), my_settings(settings), my_prompt(prompt), my_color_chooser(velkor::choose_color)
{
    my_list = &host.begin_edit();
    my_model = std::make_unique<ProjectEditorModel>(*my_list, prompt);

    setWindowTitle(QStringLiteral("Add/Delete/Change Categories and Projects"));
    build();
    fill_categories(0);
    show_rate(RateField::Default);
}

TProjectDialog::~TProjectDialog()
{
    if (!my_finished)
        finish(false);
}

void TProjectDialog::build()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(build_category_box());
    layout->addWidget(build_project_box());

    auto* rate_row = new QHBoxLayout;
    rate_row->addWidget(
        plain_label(QStringLiteral("Hourly rate to use for categories and projects without a specific rate:"), this));
    my_default_rate = with_id(new QLineEdit(this), 127);
    rate_row->addWidget(my_default_rate);
    layout->addLayout(rate_row);

    auto* ok = button("OK", 108, this);
    auto* cancel = button("Cancel", 111, this);
    auto* help = button("Help", 998, this);
    connect_help_button(help, 1030);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ok, cancel, help})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TProjectDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TProjectDialog::reject);

    for (QLineEdit* edit : {my_category_rate, my_project_rate, my_default_rate}) {
        edit->setValidator(new RateLengthValidator(edit));
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000000.00")) + 16);
        edit->installEventFilter(this);
    }
    connect_controls();
}

QGroupBox* TProjectDialog::build_item_box(const QString& title, int list_id, const ItemBoxIds& ids,
                                          std::initializer_list<std::pair<const char*, int>> buttons, ItemControls& out)
{
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    out.list = with_id(new QComboBox(box), list_id);
    grid->addWidget(out.list, 0, 0, 1, 4);
    int i = 0;
    for (auto [text, id] : buttons) {
        grid->addWidget(button(text, id, box), 1 + i / 4, i % 4);
        ++i;
    }
    out.hidden = with_id(new QCheckBox(QStringLiteral("Hidden"), box), ids.hidden);
    grid->addWidget(out.hidden, 2, 3);
    grid->addWidget(plain_label(QStringLiteral("Hourly rate:"), box), 3, 0);
    out.rate = with_id(new QLineEdit(box), ids.rate);
    grid->addWidget(out.rate, 3, 1);
    out.memo = with_id(plain_label(QString(), box), ids.memo);
    grid->addWidget(out.memo, 4, 0, 1, 3);
    grid->addWidget(button("Change", ids.change, box), 4, 3);
    return box;
}

QWidget* TProjectDialog::build_category_box()
{
    ItemControls c;
    QGroupBox* box = build_item_box(QStringLiteral("Categories"), 131, {124, 126, 123, 120},
                                    {{"New", 102},
                                     {"Rename", 113},
                                     {"Delete", 103},
                                     {"Color", 104},
                                     {"Up", 109},
                                     {"Down", 110},
                                     {"Sort Categories", 115}},
                                    c);
    my_categories = c.list;
    my_category_hidden = c.hidden;
    my_category_rate = c.rate;
    my_category_memo = c.memo;
    return box;
}

QWidget* TProjectDialog::build_project_box()
{
    ItemControls c;
    my_project_group = with_id(build_item_box(QStringLiteral("Projects"), 105, {125, 128, 112, 118},
                                              {{"New", 106},
                                               {"Rename", 114},
                                               {"Delete", 107},
                                               {"Copy Cat", 101},
                                               {"Up", 116},
                                               {"Down", 117},
                                               {"Sort Projects", 119}},
                                              c),
                               122);
    my_projects = c.list;
    my_project_hidden = c.hidden;
    my_project_rate = c.rate;
    my_project_memo = c.memo;
    my_new_project = my_project_group->findChild<QPushButton*>(QStringLiteral("id106"));
    my_copy_cat = my_project_group->findChild<QPushButton*>(QStringLiteral("id101"));
    return my_project_group;
}

void TProjectDialog::connect_controls()
{
    const std::pair<int, void (TProjectDialog::*)()> commands[] = {
        {102, &TProjectDialog::new_category},    {113, &TProjectDialog::rename_category},
        {103, &TProjectDialog::delete_category}, {104, &TProjectDialog::choose_color},
        {115, &TProjectDialog::sort_categories}, {120, &TProjectDialog::change_category_memo},
        {106, &TProjectDialog::new_project},     {114, &TProjectDialog::rename_project},
        {107, &TProjectDialog::delete_project},  {101, &TProjectDialog::copy_cat},
        {119, &TProjectDialog::sort_projects},   {118, &TProjectDialog::change_project_memo}};
    for (auto [id, command] : commands)
        connect(findChild<QPushButton*>(QStringLiteral("id%1").arg(id)), &QPushButton::clicked, this, command);
    const std::pair<int, int> moves[] = {{109, -1}, {110, 1}, {116, -1}, {117, 1}};
    for (auto [id, step] : moves) {
        const bool category = id < 111;
        connect(findChild<QPushButton*>(QStringLiteral("id%1").arg(id)), &QPushButton::clicked, this,
                [this, category, step = step] { category ? move_category(step) : move_project(step); });
    }
    connect(my_categories, &QComboBox::currentIndexChanged, this, [this] { category_selection_changed(); });
    connect(my_projects, &QComboBox::currentIndexChanged, this, [this] { project_selection_changed(); });
    connect(my_category_hidden, &QCheckBox::clicked, this, &TProjectDialog::category_hidden);
    connect(my_project_hidden, &QCheckBox::clicked, this, &TProjectDialog::project_hidden);
}

std::size_t TProjectDialog::selected_category() const
{
    const int c = my_categories->currentIndex();
    return c < 0 || static_cast<std::size_t>(c) >= my_list->n_categories() ? NPOS : static_cast<std::size_t>(c);
}

std::size_t TProjectDialog::selected_project() const
{
    const std::size_t c = selected_category();
    const int p = my_projects->currentIndex();
    if (c == NPOS || p < 0 || static_cast<std::size_t>(p) >= my_list->n_projects(c))
        return NPOS;
    return static_cast<std::size_t>(p);
}

void TProjectDialog::fill_categories(std::size_t select)
{
    {
        const QSignalBlocker blocker(my_categories);
        my_categories->clear();
        for (std::size_t c = 0; c < my_list->n_categories(); ++c)
            my_categories->addItem(qstr(my_list->category_name(c)));
        const std::size_t n = my_list->n_categories();
        my_categories->setCurrentIndex(n == 0 ? -1 : static_cast<int>(std::min(select, n - 1)));
    }
    category_selection_changed();
}

void TProjectDialog::category_selection_changed()
{
    if (my_list == nullptr) // closed
        return;
    const std::size_t c = selected_category();
    {
        const QSignalBlocker blocker(my_projects);
        my_projects->clear();
        if (c != NPOS) {
            const std::size_t n = my_list->n_projects(c);
            for (std::size_t p = 0; p < n; ++p)
                my_projects->addItem(qstr(my_list->project_name(c, p)));
            if (n > 0)
                my_projects->setCurrentIndex(static_cast<int>(my_model->selected_project(c)));
        }
    }
    if (c == NPOS) {
        my_project_group->setTitle(QStringLiteral("Projects"));
        my_new_project->setEnabled(false);
        my_copy_cat->setEnabled(false);
        my_category_rate->setEnabled(false);
        my_category_rate->clear();
        my_category_memo->clear();
        my_category_hidden->setChecked(false);
        project_selection_changed();
        return;
    }
    my_project_group->setTitle(QStringLiteral("Projects in ") + qstr(my_list->category_name(c)));
    const bool editable = !my_list->is_category_temporary(c);
    my_new_project->setEnabled(editable);
    my_copy_cat->setEnabled(editable);
    my_category_rate->setEnabled(editable);
    project_selection_changed();
    my_category_memo->setText(qstr(memo_behavior_text(my_list->category_memo_behavior(c), true)));
    my_category_hidden->setChecked(!my_list->is_category_displayed(c));
    show_rate(RateField::Category);
}

void TProjectDialog::project_selection_changed()
{
    if (my_list == nullptr)
        return;
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    const bool selected = p != NPOS;
    my_project_hidden->setEnabled(selected);
    my_project_rate->setEnabled(selected);
    if (!selected) {
        my_project_memo->clear();
        my_project_hidden->setChecked(false);
        my_project_rate->clear();
        return;
    }
    my_model->select_project(c, p);
    my_project_memo->setText(qstr(memo_behavior_text(my_list->project_memo_behavior(c, p), false)));
    my_project_hidden->setChecked(!my_list->is_project_displayed(c, p));
    show_rate(RateField::Project);
}

void TProjectDialog::changed(bool names_or_counts)
{
    if (names_or_counts)
        my_host.set_measure_flag();
    my_host.invalidate();
}

QLineEdit* TProjectDialog::rate_edit(RateField field) const
{
    switch (field) {
    case RateField::Category:
        return my_category_rate;
    case RateField::Project:
        return my_project_rate;
    case RateField::Default:
        break;
    }
    return my_default_rate;
}

void TProjectDialog::show_rate(RateField field)
{
    std::int32_t rate = -1;
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if (field == RateField::Default)
        rate = get_int(my_settings, kRate);
    else if (field == RateField::Category && c != NPOS)
        rate = my_list->category_rate(c);
    else if (field == RateField::Project && p != NPOS)
        rate = my_list->project_rate(c, p);
    const QString text = qstr(format_rate(rate));
    rate_edit(field)->setProperty(kShownLength, text.size());
    rate_edit(field)->setText(text);
}

bool TProjectDialog::commit_rate(RateField field)
{
    const std::size_t c = selected_category();
    const std::size_t p = selected_project();
    if ((field == RateField::Category && c == NPOS) || (field == RateField::Project && p == NPOS))
        return true;
    const std::optional<RateText> rate = parse_rate_text(rate_edit(field)->text().toStdString());
    if (!rate) {
        my_prompt.message("The hourly rate may only contain digits,\nan optional decimal point, and up to two "
                          "digits\nafter the decimal point.",
                          "Velkor", Buttons::Ok, Icon::Exclamation);
    } else if (field == RateField::Default) {
        put_int(my_settings, kRate, rate->hundredths); // no digits: 0, the setting's own default
        my_settings.flush();
    } else {
        const std::int32_t value = rate->has_digits ? rate->hundredths : -1;
        if (field == RateField::Category)
            my_list->set_category_rate(c, value);
        else
            my_list->set_project_rate(c, p, value);
    }
    show_rate(field);
    return rate.has_value();
}

bool TProjectDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !my_finished &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        for (RateField field : {RateField::Category, RateField::Project, RateField::Default}) {
            if (watched == rate_edit(field))
                commit_rate(field);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TProjectDialog::done(int result)
{
    if (my_finished) {
        QDialog::done(result);
        return;
    }
    // Enter or Escape closes without moving the focus, so the rate being typed is checked here.
    for (RateField field : {RateField::Category, RateField::Project, RateField::Default}) {
        QLineEdit* edit = rate_edit(field);
        if (edit->hasFocus() && !commit_rate(field) && result == Accepted) {
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    finish(result == Accepted);
    QDialog::done(result);
}

void TProjectDialog::finish(bool keep)
{
    my_finished = true;
    my_list = nullptr;
    my_model.reset();
    if (keep)
        my_host.keep_edit();
    else
        my_host.cancel_edit();
    changed(keep);
}

} // namespace velkor
