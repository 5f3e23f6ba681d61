#pragma once
// Helpers for the chart tests: draw into a picture or a PDF, count colours,
// read back the words of a PDF with their places in picture pixels.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "platform/canvas.h"

namespace zorvik::testing {

// A 617 x 461 picture drawn by `draw`.
QImage DrawnPicture(const std::function<void(Canvas&)>& draw);

// Pixels of exactly this colour inside the rectangle (right and bottom
// included).
int CountColor(const QImage& image, const QRect& area, const QColor& color);

struct PlacedWord {
    QString text;
    QRectF box;  // picture pixels
};

// The words of a 617 x 461 picture drawn by `draw` into a PDF, as
// pdftotext reads them back.
std::vector<PlacedWord> DrawnWords(const std::function<void(Canvas&)>& draw);

std::vector<PlacedWord> WordsNamed(const std::vector<PlacedWord>& words, const QString& text);

}  // namespace zorvik::testing
