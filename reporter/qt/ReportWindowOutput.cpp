// What leaves the reporter's window: the CSV and HTML files and the printout.
#include "reporter/qt/ReportWindow.h"

#include "classlib/IniFile.h"
#include "reporter/ReportHtml.h"
#include "reporter/ReportText.h"
#include "reporter/qt/ReportTreeModel.h"

#include <QApplication>
#include <QChartView>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

namespace velkor {

namespace {

constexpr const char* kChartImage = "chart.png";
// The chart's width on paper, in the document's pixels: the width of a page within its margins.
constexpr int kPrintedChartWidth = 480;

} // namespace

bool ReportWindow::write_file(const QString& path, const std::string& bytes)
{
    // The old file stays whole until the new one is complete.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
        file.commit())
        return true;
    QMessageBox box(QMessageBox::Critical, tr("Error"), tr("Cannot write to %1\n%2").arg(path, file.errorString()),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}

bool ReportWindow::export_csv(const QString& path)
{
    return write_file(path, report_csv(my_model->shown_report(), my_log, my_setup.date_order, true));
}

bool ReportWindow::export_html(const QString& path)
{
    const ReportSource source{my_setup.log_path, my_log.unreadable_lines()};
    return write_file(path, report_html(my_model->shown_report(), my_log, my_chart_data, source,
                                        HtmlOptions{my_setup.date_order, context(), {}}));
}

void ReportWindow::export_as(const QString& filter, const QString& suffix, bool (ReportWindow::*write)(const QString&))
{
    QFileDialog dialog(this, tr("Export"), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        (this->*write)(dialog.selectedFiles().constFirst());
}

void ReportWindow::print_report(QPrinter& printer)
{
    // A printed page cannot hold an SVG element: the chart goes in as the picture on screen.
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(kChartImage)),
                         my_chart_view->grab().toImage());
    const ReportSource source{my_setup.log_path, my_log.unreadable_lines()};
    const std::string html = report_html(my_model->shown_report(), my_log, my_chart_data, source,
                                         HtmlOptions{my_setup.date_order, context(), kChartImage, kPrintedChartWidth});
    document.setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    document.print(&printer);
}

void ReportWindow::print_with_dialog()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        print_report(printer);
}

int run_report_window(const ReportOptions& options)
{
    PrivateIniFile settings(kReporterSettingsFile);
    settings.set_read_only(true);
    ReportWindow window(read_reporter_setup(settings, options), SystemClock::instance(), options);
    window.show();
    return QApplication::exec();
}

} // namespace velkor
