#pragma once
// The schematic over the selection window's entry fields: the amplifier
// with its drive air, gas supply and outlet piping, drawn from stored
// pieces at fixed places, with the application's caption.

#include "canvas.h"

namespace zorvik {

// Draws the schematic of vessel charging (`fill`) or of a continuous process
// onto the whole canvas (the window's picture is 657 x 233): white ground,
// 1-pixel black frame, the pieces, then `caption` in bold blue 12 pt on
// white at (100, 204).
void DrawSelectionSchematic(Canvas& canvas, bool fill, const QString& caption);

}  // namespace zorvik
