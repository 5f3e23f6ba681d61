#pragma once
// The performance chart in figures, for whoever cannot read them off the
// picture: its curve points, duty point and charging points as a table, in
// the chart's units.

#include <QString>

#include "chart_view.h"
#include "data_table_dialog.h"
#include "system_numbers.h"

namespace zorvik {

// One row per point: the curve it belongs to, the outlet pressure and the
// outlet flow; then the duty point at full speed and the required flow, or
// the charging points.
DataTable PerformanceChartTable(const ChartView& view);

// The chart's units: psig and scfm, or barg and nl/min on the bar chart.
QString ChartPressureUnit(bool bar);
QString ChartFlowUnit(bool bar);

}  // namespace zorvik
