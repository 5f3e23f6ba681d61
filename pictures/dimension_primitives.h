#pragma once
// The pieces every dimension drawing is made of: dimension lines with
// arrowheads, extension lines and a text; leader notes on a coloured ground;
// blocks of text lines; the drawing's title. They draw on whatever the
// Canvas is set to and leave it as described at each, because the drawings
// rely on what one piece leaves for the next (the title, for instance, stands
// on the brush the last piece left).

#include <QColor>
#include <QPoint>
#include <QString>

#include "canvas.h"

namespace zorvik {

// Arrowheads of a horizontal dimension ...
inline constexpr int ArrowStart = 0;
inline constexpr int ArrowEnd = 1;
inline constexpr int ArrowBoth = 2;
// ... and of a vertical one.
inline constexpr int ArrowTop = 3;
inline constexpr int ArrowBottom = 4;
inline constexpr int ArrowTopAndBottom = 5;

// Arrowheads and note grounds of every drawing.
inline const QColor DrawingFill(255, 255, 0);

// A dimension along y = `y` from x to x + length (a negative length measures
// leftwards from x). Extension lines run across the dimension line at each
// end, from y + extFrom to y + extTo. The millimetre text is drawn when
// `metric`, else the inch text; textPos 0-8 puts it above (0-2), on (3-5,
// opaque on the page colour found just inside the start, hiding the line) or
// below (6-8) the line, at its start, middle or end, moved right by
// textOffset; a text that reaches over an extension line is opaque too.
// Leaves the brush solid in the fill colour, or in the page colour it took
// for an opaque text.
void DrawHorizontalDimension(Canvas& canvas, int x, int y, int length, int arrows, const QString& inchText,
                             const QString& mmText, bool metric, int textPos, int textOffset, int startExtFrom,
                             int startExtTo, int endExtFrom, int endExtTo, const QColor& fill);

// The same turned through a right angle: x, y is the top end, the arrows are
// ArrowTop/ArrowBottom/ArrowTopAndBottom, textPos 0-8 puts the text left of
// (0, 3, 6), on (1, 4, 7: opaque) or right of (2, 5, 8) the line, near its
// top, middle or bottom, moved down by textOffset.
void DrawVerticalDimension(Canvas& canvas, int x, int y, int length, int arrows, const QString& inchText,
                           const QString& mmText, bool metric, int textPos, int textOffset, int startExtFrom,
                           int startExtTo, int endExtFrom, int endExtTo, const QColor& fill);

// An arrow touching (x, y) with a leader out to (x + dx, y + dy) and up to
// four "\r"-separated lines of text there, placed by textPos 0-8 (left of,
// centred on, right of the leader end; above, level with, below it) and
// standing on a solid ground of the fill colour. Leaves the brush solid in
// the fill colour.
void DrawLeaderNote(Canvas& canvas, int x, int y, const QColor& fill, int textPos, const QString& note, int dy, int dx);

// Up to ten "\r"-separated lines, the first with its top-left corner at
// (x, y), in the current font and brush.
void DrawTextLines(Canvas& canvas, int x, int y, const QString& text);

// The page of a drawing that does not exist. Leaves the brush white.
void DrawNotWrittenMessage(Canvas& canvas, int x, int y);
// Where model and option drawings put it.
inline constexpr QPoint NotWrittenMessageAt(50, 150);

// The title at (500, 430) in 12 point bold underlined blue, opaque on the
// current brush.
void DrawDrawingTitle(Canvas& canvas, const QString& text);

// A clean page: white with a black frame, white brush, pen black, font
// "arial" 10 point blue.
void PrepareDrawingPage(Canvas& canvas);

}  // namespace zorvik
