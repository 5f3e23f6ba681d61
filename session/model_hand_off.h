#pragma once
// Hands the model of a chosen result row to the picture viewer: makes it
// current and sets what the viewer shows of it. The viewer draws the row's
// own figures; nothing is evaluated again.

#include "session.h"

namespace zorvik {

enum class ModelView {
    Drawing,  // the dimension drawing, inches and millimetres in turn
    Graph,    // the performance graph in the selection's units, with its operating point
};

// Makes model `modelNumber` (1..15) current: SelectPump, PumpIndex, and
// GraphInletScale back to 1.0. Then by `view`:
//  - Drawing: DisplayMode 1 (inches) becomes 2 (millimetres), anything else
//    becomes 1, so showing the same drawing twice gives both units.
//  - Graph: DisplayMode 5 (bar) while the selection window shows metric
//    units, else 4 (psi).
void PrepareModelView(Session& session, int modelNumber, ModelView view);

}  // namespace zorvik
