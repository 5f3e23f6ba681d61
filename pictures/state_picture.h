#pragma once
// The chart and the drawings read the shared state as they draw. A window
// that keeps its picture to draw it again (sharper on a scaled screen, on
// paper, on the clipboard) keeps it with the state it was drawn from.

#include "canvas.h"

namespace zorvik {

// `draw` with a copy of the shared state as it is now. Each time the result
// draws, that copy stands in for the shared state for the length of the
// drawing only: it draws the same picture whatever has changed since, and
// leaves the state as it found it.
PictureDrawing PictureOfStateNow(const PictureDrawing& draw);

}  // namespace zorvik
