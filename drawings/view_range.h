#pragma once
// The axis ranges of the chart the picture viewer shows for a selection: the
// graph window's rule, on the operating point the selection left, except
// that model 3's outlet axis ends at 550 psig here.

#include "graph/graph_settings.h"

namespace zorvik {

// From Shared.AirDrivePsi, Shared.InletPsi and the current model:
//   outlet axis top = AirDrivePsi x AirStallFactor + InletPsi x SupplyStallFactor;
//   flow axis top = OutletFlow at two thirds of that (or 1.3333 x InletPsi,
//     if lower), InletPsi and the model's maximum drive pressure;
//   models 1-4 and 15 have fixed or minimum ranges; then PadSmallFlowAxis.
// Evaluating the flow overwrites the performance model's shared results.
GraphAxisRange SelectionViewRange();

// A flow axis of 11 scfm or less gets 2 scfm more, so that the curves of the
// small models do not run along the top edge.
double PadSmallFlowAxis(double flowScfm);

}  // namespace zorvik
