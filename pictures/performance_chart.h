#pragma once
// The performance chart of a view's model: outlet flow against outlet
// pressure at the view's drive pressure, one curve for its inlet pressure
// and up to four lower inlet pressures, the lines of constant drive air
// use, the band beyond the model's maximum outlet pressure, and the view's
// duty point or charging points. In bar and nl/min when the view says so,
// else in psi and scfm.
//
// The chart is drawn on any Canvas (the graph window's picture, a printer
// page, a file), whole, every time, from the view alone.

#include "canvas.h"
#include "chart_view.h"

namespace zorvik {

// The graph window and the picture viewer put the origin here, in a
// 617 x 461 picture.
inline constexpr int ChartOriginX = 50;
inline constexpr int ChartOriginY = 384;
inline constexpr int ChartPictureWidth = 617;
inline constexpr int ChartPictureHeight = 461;

// Draws the whole chart with the axis origin at (x0, y0) and the axes
// reaching outletMaxPsi (psig) and flowMaxScfm (scfm). When either axis has
// no length only the cleared, framed picture is left.
void DrawPerformanceGraph(Canvas& canvas, const ChartView& view, int x0, int y0, double outletMaxPsi,
                          double flowMaxScfm);

// The whole chart of the view in a 617 x 461 picture, on the axis range of
// its window.
void DrawChart(Canvas& canvas, const ChartView& view);

}  // namespace zorvik
