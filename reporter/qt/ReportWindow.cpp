#include "reporter/qt/ReportWindow.h"

#include "core/TimeValues.h"
#include "reporter/qt/ReportChart.h"
#include "reporter/qt/ReportTreeModel.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QTreeWidget>

#include <cstdio>
#include <cstring>

namespace velkor {

namespace {

// The period box holds the presets in this order, then the custom range.
constexpr PeriodPreset kPresets[] = {PeriodPreset::Today, PeriodPreset::ThisWeek, PeriodPreset::ThisMonth,
                                     PeriodPreset::LastMonth, PeriodPreset::All};
constexpr int kCustomPeriod = 5;
constexpr GroupBy kGroupings[] = {GroupBy::Category, GroupBy::Project, GroupBy::Day, GroupBy::Week, GroupBy::Month};

QString text(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QLabel* plain_label(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

int preset_index(PeriodPreset preset)
{
    for (int i = 0; i < kCustomPeriod; ++i) {
        if (kPresets[i] == preset)
            return i;
    }
    return 1;
}

} // namespace

ReportWindow::ReportWindow(ReporterSetup setup, const Clock& clock, const ReportOptions& options, QWidget* parent)
    : QMainWindow(parent), my_setup(std::move(setup)), my_clock(clock), my_log(my_setup.env_count)
{
    setWindowTitle(tr("Velkor Reporter - %1").arg(text(my_setup.log_path)));
    build_controls();
    build_menu();

    const QSignalBlocker blocker(my_period);
    if (options.from || options.to) {
        my_period->setCurrentIndex(kCustomPeriod);
        my_from->setText(text(options.from.value_or(std::string())));
        my_to->setText(text(options.to.value_or(std::string())));
    } else {
        my_period->setCurrentIndex(preset_index(options.period.value_or(PeriodPreset::ThisWeek)));
        period_chosen();
    }
    for (int i = 0; i < my_group_by->count(); ++i) {
        if (kGroupings[i] == options.by)
            my_group_by->setCurrentIndex(i);
    }
    reload();
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::build_controls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* choice = new QHBoxLayout;
    my_period = new QComboBox(central);
    my_period->setObjectName(QStringLiteral("period"));
    my_period->addItems(
        {tr("Today"), tr("This week"), tr("This month"), tr("Last month"), tr("All records"), tr("Custom range")});
    const QString hint = QString::fromStdString(DateOrderName(my_setup.date_order));
    my_from = new QLineEdit(central);
    my_from->setObjectName(QStringLiteral("from"));
    my_to = new QLineEdit(central);
    my_to->setObjectName(QStringLiteral("to"));
    for (QLineEdit* edit : {my_from, my_to}) {
        edit->setPlaceholderText(hint);
        // Typing a date makes the range a custom one.
        connect(edit, &QLineEdit::textEdited, this, [this] {
            const QSignalBlocker blocker(my_period);
            my_period->setCurrentIndex(kCustomPeriod);
        });
        connect(edit, &QLineEdit::returnPressed, this, &ReportWindow::show_report);
    }
    auto* show = new QPushButton(tr("&Show"), central);
    show->setObjectName(QStringLiteral("show"));
    my_group_by = new QComboBox(central);
    my_group_by->setObjectName(QStringLiteral("groupBy"));
    my_group_by->addItems({tr("Category"), tr("Project"), tr("Day"), tr("Week"), tr("Month")});
    my_group_by->setCurrentIndex(1);
    const auto labelled = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, central);
        label->setBuddy(field);
        choice->addWidget(label);
        choice->addWidget(field);
    };
    labelled(tr("&Period:"), my_period);
    labelled(tr("&From:"), my_from);
    labelled(tr("&To:"), my_to);
    choice->addWidget(show);
    choice->addStretch();
    labelled(tr("&Group by:"), my_group_by);
    layout->addLayout(choice);

    auto* splitter = new QSplitter(Qt::Vertical, central);
    my_model = new ReportTreeModel(this);
    my_tree = new QTreeView(splitter);
    my_tree->setObjectName(QStringLiteral("report"));
    my_tree->setModel(my_model);
    my_tree->header()->setSortIndicator(-1, Qt::AscendingOrder);
    my_tree->setSortingEnabled(true);
    my_tree->setAlternatingRowColors(true);
    my_chart = new QChart;
    my_chart_view = new QChartView(my_chart, splitter);
    my_chart_view->setObjectName(QStringLiteral("chart"));
    my_chart_view->setRenderHint(QPainter::Antialiasing);
    my_chart_view->setMinimumHeight(240);
    my_notes = new QTreeWidget(splitter);
    my_notes->setObjectName(QStringLiteral("notes"));
    my_notes->setHeaderLabels({tr("Day"), tr("Time"), tr("Category"), tr("Project"), tr("Note")});
    my_notes->setRootIsDecorated(false);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setStretchFactor(2, 1);
    layout->addWidget(splitter, 1);

    my_totals = plain_label(QString(), central);
    my_totals->setObjectName(QStringLiteral("totals"));
    my_problems = plain_label(QString(), central);
    my_problems->setObjectName(QStringLiteral("problems"));
    my_problems->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(my_totals);
    layout->addWidget(my_problems);
    setCentralWidget(central);
    resize(900, 700);

    connect(my_period, &QComboBox::currentIndexChanged, this, [this] {
        period_chosen();
        show_report();
    });
    connect(my_group_by, &QComboBox::currentIndexChanged, this, &ReportWindow::show_report);
    connect(show, &QPushButton::clicked, this, &ReportWindow::show_report);
}

void ReportWindow::build_menu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("Export &CSV..."), this,
                    [this] { export_as(tr("CSV files (*.csv)"), QStringLiteral("csv"), &ReportWindow::export_csv); });
    file->addAction(tr("Export &HTML..."), this, [this] {
        export_as(tr("HTML pages (*.html *.htm)"), QStringLiteral("html"), &ReportWindow::export_html);
    });
    file->addAction(tr("&Print..."), QKeySequence::Print, this, &ReportWindow::print_with_dialog);
    file->addSeparator();
    file->addAction(tr("&Reload the log"), QKeySequence::Refresh, this, &ReportWindow::reload);
    file->addSeparator();
    file->addAction(tr("&Close"), QKeySequence::Quit, this, &QWidget::close);
}

void ReportWindow::period_chosen()
{
    const int index = my_period->currentIndex();
    if (index == kCustomPeriod)
        return;
    // The edits show the days of the preset, ready to be changed into a custom range.
    const DayRange range = preset_range(kPresets[index], my_clock);
    my_from->setText(range.has_first() ? QString::fromStdString(format_day(range.first, my_setup.date_order))
                                       : QString());
    my_to->setText(range.has_last() ? QString::fromStdString(format_day(range.last, my_setup.date_order)) : QString());
}

void ReportWindow::reload()
{
    my_model->set_report(nullptr, nullptr, {}, my_setup.date_order);
    my_log = LogEntries(my_setup.env_count);
    my_read_error = read_log_entries(my_setup.log_path, my_log);
    my_projects = ProjectList();
    read_report_projects(my_setup.project_path, my_projects);
    my_report = Report();
    if (!show_report())
        fill_status();
}

bool ReportWindow::read_range(DayRange& range)
{
    if (my_period->currentIndex() != kCustomPeriod) {
        range = preset_range(kPresets[my_period->currentIndex()], my_clock);
        return true;
    }
    range = DayRange();
    const QString wanted =
        tr("Please enter the date as %1.").arg(QString::fromStdString(DateOrderName(my_setup.date_order)));
    for (QLineEdit* edit : {my_from, my_to}) {
        const std::string typed = edit->text().trimmed().toStdString();
        if (typed.empty())
            continue;
        const auto day = parse_report_date(typed, my_setup.date_order, my_clock);
        if (!day)
            return refuse_date(edit, wanted);
        (edit == my_from ? range.first : range.last) = *day;
    }
    if (range.first > range.last)
        return refuse_date(my_to, tr("The last day comes before the first day."));
    return true;
}

bool ReportWindow::refuse_date(QLineEdit* field, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, tr("Error"), message, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    field->setFocus();
    field->selectAll();
    return false;
}

bool ReportWindow::show_report()
{
    DayRange range;
    if (!read_range(range))
        return false;
    const GroupBy by = kGroupings[std::max(0, my_group_by->currentIndex())];
    my_model->set_report(nullptr, nullptr, {}, my_setup.date_order);
    my_report = build_report(my_log, range, by, context());
    my_chart_data = chart_data(my_report, my_log, context(), my_setup.date_order);
    my_model->set_report(&my_report, &my_log, context(), my_setup.date_order);
    const QHeaderView* header = my_tree->header();
    my_model->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    bool any_environment = false;
    for (const ReportGroup& group : my_report.groups) {
        for (std::uint32_t i : group.entries)
            any_environment = any_environment || !my_log.environment(my_log.entries()[i]).empty();
    }
    my_tree->setColumnHidden(ReportTreeModel::kEnvironmentColumn, !any_environment);
    for (int column = 0; column < ReportTreeModel::kMemoColumn; ++column)
        my_tree->resizeColumnToContents(column);
    fill_report_chart(*my_chart, my_chart_data);
    fill_notes();
    fill_status();
    return true;
}

void ReportWindow::fill_notes()
{
    my_notes->clear();
    for (std::uint32_t i : my_report.notes) {
        const LogEntry& entry = my_log.entries()[i];
        const LocalTimeFields local = ToLocal(entry.ci);
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", local.hour, local.minute, local.second);
        const EntryName& name = my_log.name_of(entry);
        new QTreeWidgetItem(my_notes, {QString::fromStdString(format_day(entry.day, my_setup.date_order)),
                                       QString::fromLatin1(time), text(name.category), text(name.project),
                                       text(memo_text(my_log.memo(entry)))});
    }
    my_notes->setVisible(!my_report.notes.empty());
}

void ReportWindow::fill_status()
{
    const ReportTotals& totals = my_report.totals;
    my_totals->setText(tr("Total %1 in %2 sessions, amount %3")
                           .arg(QString::fromStdString(FormatDuration(static_cast<long>(totals.seconds))))
                           .arg(totals.sessions)
                           .arg(QString::fromStdString(format_hundredths(totals.amount))));
    QStringList problems;
    if (my_read_error != 0)
        problems << tr("Cannot read from %1: %2")
                        .arg(text(my_setup.log_path), QString::fromLocal8Bit(std::strerror(my_read_error)));
    if (my_log.unreadable_lines() > 0) {
        QStringList lines;
        for (std::uint64_t line : my_log.first_unreadable())
            lines << QString::number(line);
        if (my_log.unreadable_lines() > my_log.first_unreadable().size())
            lines << QStringLiteral("...");
        problems
            << QString::fromStdString(unreadable_message(my_log.unreadable_lines())) +
                   (lines.size() == 1 ? tr(" (line %1)") : tr(" (lines %1)")).arg(lines.join(QStringLiteral(", ")));
    }
    if (my_report.unrated > 0)
        problems << QString::fromStdString(unrated_message(my_report.unrated)) + QStringLiteral(" (marked *)");
    my_problems->setText(problems.join(QLatin1Char('\n')));
    my_problems->setVisible(!problems.isEmpty());
}

} // namespace velkor
