#pragma once
// The saturation-line chart of the saturated-air window (saturation_lines.h
// computes what it shows), drawn in the reader's words and numbers on any
// painter: the window's picture, a PNG, an SVG or a PDF page.

#include <QImage>
#include <QPainter>
#include <QSize>

#include "saturation_lines.h"
#include "text.h"

namespace zorvik {

// The chart laid out in `size` (drawn at 252 x 337 and scaled to it).
void DrawSaturationChart(QPainter& painter, QSizeF size, const SaturationChartData& chart, const Translator* reader);

// The chart at `size` logical pixels, rendered at `ratio` device pixels per
// logical pixel.
QImage SaturationChart(TemperatureScale scale, QSize size, qreal ratio, const Translator* reader);

}  // namespace zorvik
