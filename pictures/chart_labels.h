#pragma once
// The three label shapes of the performance chart. Each draws its outline
// with the current pen, its text in black in the current font, and leaves
// the pen where its description says, since the chart goes on from there.

#include <QRect>
#include <QString>
#include <vector>

#include "canvas.h"

namespace zorvik {

// Inlet pressure balloon: a white ellipse 42 x 21 standing on (x, y), the
// text centred in it; the pen ends at (x, y).
void DrawBalloon(Canvas& canvas, int x, int y, const QString& text);

// The box a balloon standing on a point covers.
QRect BalloonBox(QPoint standsOn);

// Air-use tag: a boxed text joined to (x, y) by a leader, above the point
// when `above` (the single-acting models' tags), else to its right; the pen
// ends at (x, y). A tag whose box would cover one of `keepClear` (the inlet
// balloons, drawn over it later, and the tags placed before it) goes up
// above it on a longer leader, so that neither hides the other's figure.
// Within `area` (the plot; a null rectangle is no limit) a tag that would
// pass its right edge goes left of the point, and one that going up would
// leave it goes down below what it would cover instead.
// DrawAirUseTag returns the box it drew.
QRect DrawAirUseTag(Canvas& canvas, int x, int y, const QString& text, bool above,
                    const std::vector<QRect>& keepClear = {}, const QRect& area = {});
QRect AirUseTagBox(const Canvas& canvas, int x, int y, const QString& text, bool above,
                   const std::vector<QRect>& keepClear = {}, const QRect& area = {});

// Boxed text hanging under (x, y); the pen ends at the end of the text.
void DrawLineLabel(Canvas& canvas, int x, int y, const QString& text);
QRect LineLabelBox(const Canvas& canvas, int x, int y, const QString& text);

}  // namespace zorvik
