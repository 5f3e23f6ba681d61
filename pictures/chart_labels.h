#pragma once
// The three label shapes of the performance chart. Each draws its outline
// with the current pen, its text in black in the current font, and leaves
// the pen where its description says, since the chart goes on from there.

#include <QRect>
#include <QString>
#include <vector>

#include "canvas.h"

namespace zorvik {

// Pixels left free between the outlines of any two labels, so that no box
// or balloon seems to touch another.
inline constexpr int LabelClearance = 2;

// True when two labels' outlines, given as the boxes of pixels they cover,
// stand closer than LabelClearance.
bool TooClose(const QRect& a, const QRect& b);

// Inlet pressure balloon: a white ellipse 42 x 21 standing on (x, y), the
// text centred in it; the pen ends at (x, y).
void DrawBalloon(Canvas& canvas, int x, int y, const QString& text);

// The box a balloon standing on a point covers.
QRect BalloonBox(QPoint standsOn);

// Air-use tag: a boxed text joined to (x, y) by a leader, above the point
// when `above` (the single-acting models' tags), else to its right; the pen
// ends at (x, y). A tag whose box would come too close to one of `keepClear`
// (the inlet balloons, drawn over it later, and the tags placed before it)
// goes up above it on a longer leader, so that neither hides the other.
// Within `area` (the plot; a null rectangle is no limit) a tag that would
// pass its right edge goes left of the point, and one that going up would
// leave it goes down below what it would cover instead.
// DrawAirUseTag returns the box it drew.
QRect DrawAirUseTag(Canvas& canvas, int x, int y, const QString& text, bool above,
                    const std::vector<QRect>& keepClear = {}, const QRect& area = {});
QRect AirUseTagBox(const Canvas& canvas, int x, int y, const QString& text, bool above,
                   const std::vector<QRect>& keepClear = {}, const QRect& area = {});

// Boxed text hanging under (x, y); the pen ends at the end of the text. A
// label that would come too close to one of `keepClear` (the labels placed
// before it, the balloons drawn over it later) goes up above it, joined to
// (x, y) by a leader. DrawLineLabel returns the box it drew.
QRect DrawLineLabel(Canvas& canvas, int x, int y, const QString& text, const std::vector<QRect>& keepClear = {});
QRect LineLabelBox(const Canvas& canvas, int x, int y, const QString& text, const std::vector<QRect>& keepClear = {});

}  // namespace zorvik
