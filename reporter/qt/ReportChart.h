#pragma once
// The report's stacked bar chart in Qt Charts: hours per group, one bar set per category in
// the category's colour.

#include "reporter/Report.h"

class QChart;

namespace velkor {

/// Replaces the chart's series and axes with the bars of data.
void fill_report_chart(QChart& chart, const ChartData& data);

} // namespace velkor
