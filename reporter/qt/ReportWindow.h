#pragma once
// The reporter's window: a period and a grouping chosen at the top, the groups with their
// sessions in a sortable tree, the chart, the notes apart, and the totals; File exports CSV and
// HTML and prints.

#include "core/ProjectList.h"
#include "reporter/LogEntries.h"
#include "reporter/Report.h"
#include "reporter/ReportCommand.h"

#include <QMainWindow>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QTreeView;
class QTreeWidget;

namespace velkor {

class ReportTreeModel;

class ReportWindow : public QMainWindow
{
    Q_OBJECT
public:
    /// Reads the log and shows the period the options name (this week when they name none).
    ReportWindow(ReporterSetup setup, const Clock& clock, const ReportOptions& options, QWidget* parent = nullptr);
    ~ReportWindow() override;

    /// Reads the log and the project file again and shows the report anew.
    void reload();
    /// Shows the period and grouping chosen at the top; false (with a message) for a bad date.
    bool show_report();
    /// Writes what is shown; false after telling the user why it failed.
    bool export_csv(const QString& path);
    bool export_html(const QString& path);
    /// Prints what is shown, with the chart as a picture.
    void print_report(QPrinter& printer);

    const Report& report() const { return my_report; }
    const ChartData& chart() const { return my_chart_data; }

private:
    void build_controls();
    void build_menu();
    void period_chosen();
    bool read_range(DayRange& range);
    bool refuse_date(QLineEdit* field, const QString& text);
    void fill_notes();
    void fill_status();
    void export_as(const QString& filter, const QString& suffix, bool (ReportWindow::*write)(const QString&));
    void print_with_dialog();
    bool write_file(const QString& path, const std::string& bytes);
    ReportContext context() const { return {&my_projects, my_setup.default_rate}; }

    ReporterSetup my_setup;
    const Clock& my_clock;
    LogEntries my_log;
    ProjectList my_projects;
    int my_read_error = 0;
    Report my_report;
    ChartData my_chart_data;

    QComboBox* my_period = nullptr;
    QLineEdit* my_from = nullptr;
    QLineEdit* my_to = nullptr;
    QComboBox* my_group_by = nullptr;
    QTreeView* my_tree = nullptr;
    ReportTreeModel* my_model = nullptr;
    QChart* my_chart = nullptr;
    QChartView* my_chart_view = nullptr;
    QTreeWidget* my_notes = nullptr;
    QLabel* my_totals = nullptr;
    QLabel* my_problems = nullptr;
};

/// Opens the window for options and runs the event loop; returns the exit status.
int run_report_window(const ReportOptions& options);

} // namespace velkor
