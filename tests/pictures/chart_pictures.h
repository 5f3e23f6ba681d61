#pragma once
// Helpers for the chart tests: draw into a picture or a PDF, count colours,
// read back the words of a PDF with their places in picture pixels.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "canvas.h"

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

// The same for many pictures at once, each on its own page of one PDF: one
// reading for the lot keeps a grid of charts quick.
std::vector<std::vector<PlacedWord>> DrawnWordsOfEach(const std::vector<std::function<void(Canvas&)>>& draws);

// Pairs of words whose boxes, each shrunk by a pixel all round (a glyph's
// box has that much air), still overlap.
std::vector<std::pair<PlacedWord, PlacedWord>> OverlappingWords(const std::vector<PlacedWord>& words);

// The outlined shapes of a 617 x 461 picture drawn by `draw` (boxes and
// balloons: every stroked rectangle and ellipse), each as the rectangle of
// picture pixels its line covers, read back from the picture's SVG.
std::vector<QRectF> DrawnOutlines(const std::function<void(Canvas&)>& draw);

// Pairs of outlines with fewer than `clear` pixels between them.
std::vector<std::pair<QRectF, QRectF>> OutlinesCloserThan(const std::vector<QRectF>& outlines, double clear);

}  // namespace zorvik::testing
