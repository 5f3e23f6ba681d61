#pragma once
// The dimensioned outline drawings of the amplifiers and of their accessory
// options, drawn on the graph window's 617 x 461 picture (or any Canvas of
// that size). Each call clears the page and draws it whole; nothing is kept
// between calls. The outlines are stored pictures; dimensions, notes and the
// title are drawn over them here, so one picture serves inches and mm.

#include <QString>

#include "canvas.h"

namespace zorvik {

// What a drawing page shows, as a value: a model's outline drawing, or one
// of its accessory options' drawings.
struct DrawingView {
    int model = 1;        // the amplifier, 1..15
    bool mm = false;      // dimensions in millimetres, else in inches
    int option = 0;       // an option's index (the last field of its row); 0 is the model itself
    QString optionTitle;  // the option row's part number, the option drawing's title
};

// The outline drawing of model `model` with its name as the title, in
// millimetres or inches.
void DrawModelDrawing(Canvas& canvas, int model, bool mm);

// The view's drawing. A model's drawing carries the model's name as its
// title. Options without a drawing of their own (0 among them) show the
// model's drawing instead; an unknown index gives the "not written" page.
// Only the two dimensioned option drawings follow `mm`; the others are
// pictures without dimensions.
void DrawDrawing(Canvas& canvas, const DrawingView& view);

// The fixing-slot detail of models 5 to 14 with its two dimensions, at page
// position (x, y).
void DrawFixingPlan(Canvas& canvas, int x, int y, bool metric);

}  // namespace zorvik
