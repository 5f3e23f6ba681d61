#pragma once
// The axis ranges of the chart the picture viewer shows for a selection: the
// graph window's rule, on the operating point the selection left, except
// that model 3's outlet axis ends at 550 psig here.

#include "graph_settings.h"

namespace zorvik {

// AxisRangeWith the viewer's fixed ranges, from Shared.AirDrivePsi,
// Shared.InletPsi and the current model.
GraphAxisRange SelectionViewRange();

}  // namespace zorvik
