#include "reporter/qt/ReportWindow.h"

#include "reporter/qt/ReportTreeModel.h"
#include "tests/reporter/ReportLogFixture.h"
#include "tests/support/DialogControls.h"

#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

class ReportWindowTest : public ReportLogFixture
{
protected:
    ReportWindowTest()
    {
        // This week is Sunday 2024/03/03 to Saturday 2024/03/09.
        set_today(2024, 3, 6);
        write_file(path, session("2024/02/28", "09:00:00", "10:00:00", "Work", "Report", "\t45.00") +
                             session("2024/03/07", "09:00:00", "17:25:09", "Work", "Report", "\t45.00") +
                             log_line("2024/03/07", "23:00:00", "2024/03/08", "00:30:00", "Work", "Mail") +
                             session("2024/03/08", "10:00:00", "11:30:00", "Home", "Garden", "\t10.00\tcut\\/grass") +
                             "damaged\r\n" +
                             session("2024/03/08", "14:00:00", "14:00:00", "Work", "Report", "\t45.00\tCall\\/Bob"));
        write_file(dir.file("project.txt"),
                   "[categories]\r\ncWork\tD200,0,0;-1\r\ncHome\tD0,0,200;-1\r\n\r\n"
                   "[Work]\r\npReport\tD;-1\r\npMail\tD;-1\r\n\r\n[Home]\r\npGarden\tD;-1\r\n");
        setup.log_path = path;
        setup.project_path = dir.file("project.txt");
    }

    QString cell(int row, int column, const QModelIndex& parent = {}) const
    {
        return model()->index(row, column, parent).data().toString();
    }
    QStringList first_column() const
    {
        QStringList labels;
        for (int row = 0; row < model()->rowCount(); ++row)
            labels << cell(row, 0);
        return labels;
    }
    template <typename T> T* child(const char* name) const
    {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QAbstractItemModel* model() const { return child<QTreeView>("report")->model(); }

    ReporterSetup setup;
    std::unique_ptr<ReportWindow> window;
};

} // namespace

TEST_F(ReportWindowTest, ShowsThisWeeksProjectsWithTheirSessionsChartNotesAndTotals)
{
    window = std::make_unique<ReportWindow>(setup, clock, ReportOptions{});
    EXPECT_EQ(child<QLineEdit>("from")->text(), "03/03/2024");
    EXPECT_EQ(child<QLineEdit>("to")->text(), "03/09/2024");
    EXPECT_EQ(first_column(), (QStringList{"Work / Report", "Work / Mail", "Home / Garden"}));
    const QModelIndex garden = model()->index(2, 0);
    EXPECT_EQ(cell(2, ReportTreeModel::kTimeColumn), "1:30:00");
    EXPECT_EQ(cell(2, ReportTreeModel::kAmountColumn), "15.00");
    ASSERT_EQ(model()->rowCount(garden), 1);
    EXPECT_EQ(cell(0, ReportTreeModel::kGroupColumn, garden), "03/08/2024 10:00:00 - 11:30:00");
    EXPECT_EQ(cell(0, ReportTreeModel::kMemoColumn, garden), "cut\ngrass");
    EXPECT_EQ(child<QLabel>("totals")->text(), "Total 11:25:09 in 3 sessions, amount 393.86");
    EXPECT_EQ(child<QLabel>("problems")->text(), "1 line could not be read (line 5)");

    auto* notes = child<QTreeWidget>("notes");
    ASSERT_EQ(notes->topLevelItemCount(), 1);
    const QTreeWidgetItem* note = notes->topLevelItem(0);
    EXPECT_EQ((QStringList{note->text(0), note->text(1), note->text(2), note->text(3), note->text(4)}),
              (QStringList{"03/08/2024", "14:00:00", "Work", "Report", "Call\nBob"}));

    // One bar per project, each in its category's colour.
    const QList<QAbstractSeries*> series = child<QChartView>("chart")->chart()->series();
    ASSERT_EQ(series.size(), 1);
    const QList<QBarSet*> sets = static_cast<QStackedBarSeries*>(series[0])->barSets();
    ASSERT_EQ(sets.size(), 2);
    EXPECT_EQ(sets[0]->label(), "Work");
    EXPECT_EQ(sets[0]->color(), QColor(200, 0, 0));
    EXPECT_EQ(sets[1]->color(), QColor(0, 0, 200));
    EXPECT_EQ((QList<qreal>{sets[1]->at(0), sets[1]->at(1), sets[1]->at(2)}), (QList<qreal>{0, 0, 1.5}));
}

TEST_F(ReportWindowTest, SortedColumnsCarryIntoTheExportsAndThePrintout)
{
    window = std::make_unique<ReportWindow>(setup, clock, ReportOptions{});
    auto* tree = child<QTreeView>("report");
    tree->expand(model()->index(0, 0));
    tree->sortByColumn(ReportTreeModel::kTimeColumn, Qt::AscendingOrder);
    EXPECT_EQ(first_column(), (QStringList{"Work / Mail", "Home / Garden", "Work / Report"}));
    EXPECT_TRUE(tree->isExpanded(model()->index(2, 0))); // the expanded group moved along

    ASSERT_TRUE(window->export_csv(QString::fromStdString(dir.file("week.csv"))));
    EXPECT_EQ(read_file(dir.file("week.csv")), "Category,Project,Sessions,Time,Seconds,Rate,Amount\r\n"
                                               "Work,Mail,1,1:30:00,5400,0.00,0.00\r\n"
                                               "Home,Garden,1,1:30:00,5400,10.00,15.00\r\n"
                                               "Work,Report,1,8:25:09,30309,45.00,378.86\r\n"
                                               "Total,,3,11:25:09,41109,,393.86\r\n");
    ASSERT_TRUE(window->export_html(QString::fromStdString(dir.file("week.html"))));
    const std::string page = read_file(dir.file("week.html"));
    EXPECT_LT(page.find("<td>Mail</td>"), page.find("<td>Report</td>"));
    EXPECT_NE(page.find("<svg"), std::string::npos);

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.file("week.pdf")));
    window->print_report(printer);
    EXPECT_EQ(read_file(dir.file("week.pdf")).substr(0, 5), "%PDF-");

    // A file that cannot be written is told, and the export reports failure.
    const QString missing = QString::fromStdString(dir.file("no such folder/week.csv"));
    QString message;
    when_modal<QMessageBox>([&message](QMessageBox* box) {
        message = box->windowTitle() + ": " + box->text();
        box->accept();
    });
    EXPECT_FALSE(window->export_csv(missing));
    EXPECT_TRUE(message.startsWith("Error: Cannot write to " + missing + "\n")) << message.toStdString();
}

TEST_F(ReportWindowTest, CustomRangeRefusesABadDateAndGroupsByDay)
{
    window = std::make_unique<ReportWindow>(setup, clock, ReportOptions{});
    auto* from = child<QLineEdit>("from");
    from->clear();
    QTest::keyClicks(from, "13/45/2024");
    EXPECT_EQ(child<QComboBox>("period")->currentText(), "Custom range");
    QString message;
    when_modal<QMessageBox>([&message](QMessageBox* box) {
        message = box->windowTitle() + ": " + box->text();
        box->accept();
    });
    child<QPushButton>("show")->click();
    EXPECT_EQ(message, "Error: Please enter the date as mm/dd/yyyy.");
    EXPECT_EQ(from->selectedText(), "13/45/2024");

    from->setText("2/28/2024");
    child<QLineEdit>("to")->setText("2024-03-07");
    child<QComboBox>("groupBy")->setCurrentIndex(2); // Day
    EXPECT_EQ(first_column(), (QStringList{"02/28/2024", "03/07/2024"}));
    EXPECT_EQ(cell(1, ReportTreeModel::kTimeColumn), "9:55:09");
}
