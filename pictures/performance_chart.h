#pragma once
// The performance chart of the current model: outlet flow against outlet
// pressure at Shared.AirDrivePsi, one curve for Shared.InletPsi and up to
// four lower inlet pressures, the lines of constant drive air use, the band
// beyond the model's maximum outlet pressure, and - while
// Shared.ShowChargeCurve is set - the operating point or the charging points
// of the selection. In bar and nl/min when Shared.DisplayMode is
// DisplayChartBar, else in psi and scfm.
//
// The chart is drawn on any Canvas (the graph window's picture, a printer
// page, a file), whole, every time. Every evaluation overwrites the
// performance model's shared results: afterwards they belong to the last
// point drawn, not to the user's operating point.

#include "canvas.h"

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
void DrawPerformanceGraph(Canvas& canvas, int x0, int y0, double outletMaxPsi, double flowMaxScfm);

}  // namespace zorvik
