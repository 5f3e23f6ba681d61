#pragma once
// The curve layers of the performance chart, drawn over its grid in this
// order: air-use lines, inlet curves, selection overlay.

#include <QRect>
#include <vector>

#include "canvas.h"
#include "chart_scale.h"
#include "chart_view.h"

namespace zorvik {

// Lines of constant drive air use: the measured lines of models 1-4 and 15,
// or the computed levels 20 to 240 scfm of models 5-14.
void DrawAirUseLines(Canvas& canvas, const ChartView& view, const ChartAxes& axes);

// Where DrawAirUseLines will put its labels and tags, in the canvas's
// current font, without drawing: so that other texts can keep clear of
// them.
std::vector<QRect> AirUseLabelBoxes(const Canvas& canvas, const ChartView& view, const ChartAxes& axes);

// The highest outlet pressure the top inlet curve reaches, psig: where it
// stalls, or its inlet pressure where the drive cannot lift the gas above
// that; 0 when no curve is drawn.
double TopCurveEndPsi(const ChartView& view);

// Where DrawInletCurves will put the balloons of its curves.
std::vector<QRect> InletBalloonBoxes(const ChartView& view, const ChartAxes& axes);

// Flow against outlet pressure from each inlet pressure up to its stall.
void DrawInletCurves(Canvas& canvas, const ChartView& view, const ChartAxes& axes);

// The view's duty point (continuous flow) or its eleven charging points
// (vessel charging), where it has them.
void DrawSelectionOverlay(Canvas& canvas, const ChartView& view, const ChartAxes& axes);

}  // namespace zorvik
