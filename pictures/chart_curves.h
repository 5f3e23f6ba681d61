#pragma once
// The curve layers of the performance chart, drawn over its grid in this
// order: air-use lines, inlet curves, selection overlay.

#include <QRect>
#include <vector>

#include "chart_scale.h"
#include "canvas.h"

namespace zorvik {

// Lines of constant drive air use: the measured lines of models 1-4 and 15,
// or the computed levels 20 to 240 scfm of models 5-14.
void DrawAirUseLines(Canvas& canvas, const ChartAxes& axes);

// Where DrawAirUseLines will put its labels and tags, in the canvas's
// current font, without drawing: so that other texts can keep clear of
// them. Like the drawing, it overwrites the performance model's results.
std::vector<QRect> AirUseLabelBoxes(const Canvas& canvas, const ChartAxes& axes);

// The highest outlet pressure the top inlet curve reaches, psig: where it
// stalls, or its inlet pressure where the drive cannot lift the gas above
// that; 0 when no curve is drawn. Evaluating it overwrites the performance
// model's results.
double TopCurveEndPsi();

// Where DrawInletCurves will put the balloons of its curves.
std::vector<QRect> InletBalloonBoxes(const ChartAxes& axes);

// Flow against outlet pressure from each inlet pressure up to its stall.
void DrawInletCurves(Canvas& canvas, const ChartAxes& axes);

// The operating point (continuous flow) or the eleven charging points
// (vessel charging) handed over by the selection.
void DrawSelectionOverlay(Canvas& canvas, const ChartAxes& axes);

}  // namespace zorvik
