#pragma once
// The comparison's charts on any paint device (window, picture file,
// printer): axes with round-number ticks, one colour per model, a legend,
// and the duty's point. Sizes follow the rectangle, so the chart is as sharp
// on a printed page as on the screen.

#include <QColor>
#include <QRectF>

#include "comparison_curves.h"
#include "text.h"

class QPainter;

namespace zorvik {

// The colour of model n (1 to 15), the same in the chart and in the
// comparison table's headings.
QColor ModelColour(int model);

// `textPixels`: the height of the chart's text, as the table next to it
// has it; lines, marks and margins scale with it. Words and numbers as
// `reader` writes them.
void DrawComparisonChart(QPainter& painter, const QRectF& area, const ComparisonChartData& chart, double textPixels,
                         const Translator* reader);

}  // namespace zorvik
