#pragma once
// The comparison chart in words and figures, for whoever cannot see it: its
// accessible description (what it plots, which models, the duty) and every
// model's line and the duty's point as a table, in the chart's units.

#include <QString>

#include "comparison_curves.h"
#include "data_table_dialog.h"

namespace zorvik {

QString ComparisonChartDescription(const ComparisonChartData& chart);

// One row per point of each model's line, then the duty's point.
DataTable ComparisonChartTable(const ComparisonChartData& chart);

}  // namespace zorvik
