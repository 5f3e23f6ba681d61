#pragma once
// The three label shapes of the performance chart. Each draws its outline
// with the current pen, its text in black in the current font, and leaves
// the pen where its description says, since the chart goes on from there.

#include <QString>

#include "platform/canvas.h"

namespace zorvik {

// Inlet pressure balloon: a white ellipse 42 x 21 standing on (x, y), the
// text centred in it; the pen ends at (x, y).
void DrawBalloon(Canvas& canvas, int x, int y, const QString& text);

// Air-use tag: a boxed text joined to (x, y) by a leader, above the point
// for single-acting models, to its right for the others; the pen ends at
// (x, y).
void DrawAirUseTag(Canvas& canvas, int x, int y, const QString& text);

// Boxed text hanging under (x, y); the pen ends at the end of the text.
void DrawLineLabel(Canvas& canvas, int x, int y, const QString& text);

}  // namespace zorvik
