#pragma once
// The dimensioned outline drawings of the amplifiers and of their accessory
// options, drawn on the graph window's 617 x 461 picture (or any Canvas of
// that size). Each call clears the page and draws it whole; nothing is kept
// between calls. The outlines are stored pictures; dimensions, notes and the
// title are drawn over them here, so one picture serves inches and mm.

#include <QString>

#include "canvas.h"

namespace zorvik {

// The drawing of the current model (Shared.CurrentPump) with its name as the
// title; dimensions in inches when Shared.DisplayMode is 1, else in mm.
void DrawModelDrawing(Canvas& canvas);

// The drawing of accessory option `optionIndex` (the last field of an option
// row of the graph window) with `title` (the row's part number) as its title.
// The description is the row's middle field and is not drawn. Options without
// a drawing of their own redraw the current model's drawing instead; an
// unknown index gives the "not written" page. `optionDrawingInMm` is the
// graph window's mm/inch choice for the options that carry dimensions; the
// window owns it and passes it with every call.
void DrawOptionDrawing(Canvas& canvas, int optionIndex, const QString& title, const QString& description,
                       bool optionDrawingInMm);

// The fixing-slot detail of models 5 to 14 with its two dimensions, at page
// position (x, y).
void DrawFixingPlan(Canvas& canvas, int x, int y, bool metric);

}  // namespace zorvik
