#include "reporter/qt/ReportChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QColor>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <cmath>

namespace velkor {

namespace {

// Beyond this many bars the labels would overlap; the bars stay, the labels go.
constexpr qsizetype kMaxAxisLabels = 60;

} // namespace

void fill_report_chart(QChart& chart, const ChartData& data)
{
    chart.removeAllSeries();
    // Removing an axis hands it back to the caller.
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }

    auto* series = new QStackedBarSeries;
    for (const ChartData::Series& category : data.series) {
        auto* set =
            new QBarSet(QString::fromUtf8(category.category.data(), static_cast<qsizetype>(category.category.size())));
        set->setColor(QColor(red_of(category.color), green_of(category.color), blue_of(category.color)));
        set->setBorderColor(set->color());
        for (std::size_t g = 0; g < category.seconds.size(); ++g) {
            const double hours = static_cast<double>(category.seconds[g]) / 3600;
            set->append(hours);
        }
        series->append(set);
    }
    chart.addSeries(series);

    QStringList labels;
    for (const std::string& label : data.labels)
        labels << QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
    auto* x_axis = new QBarCategoryAxis;
    x_axis->append(labels);
    x_axis->setLabelsVisible(labels.size() <= kMaxAxisLabels);
    x_axis->setLabelsAngle(labels.size() > 8 ? -45 : 0);
    chart.addAxis(x_axis, Qt::AlignBottom);
    series->attachAxis(x_axis);

    auto* y_axis = new QValueAxis;
    const HourScale scale = hour_scale(data);
    y_axis->setRange(0, scale.top);
    y_axis->setTickCount(static_cast<int>(std::lround(scale.top / scale.step)) + 1);
    y_axis->setTitleText(QObject::tr("hours"));
    y_axis->setLabelFormat(scale.step >= 1 ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
    chart.addAxis(y_axis, Qt::AlignLeft);
    series->attachAxis(y_axis);

    chart.legend()->setVisible(!data.series.empty());
    chart.legend()->setAlignment(Qt::AlignBottom);
}

} // namespace velkor
