#pragma once
// What a picture shows, in words, for assistive technology: the names and
// descriptions the windows give their pictures, so a screen reader tells a
// user who cannot see them which model, units and pressures they show.

#include <QString>

#include "chart_view.h"
#include "dimension_drawings.h"

namespace zorvik {

// The performance chart: model, units, drive pressure, inlet curves, the
// duty or the charge, and how to reach its table from the keyboard.
QString PerformanceChartName();
QString PerformanceChartDescription(const ChartView& view);

// A dimension drawing of a model or an option, and its units.
QString DrawingName();
QString DrawingDescription(const DrawingView& view);

}  // namespace zorvik
