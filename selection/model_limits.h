#pragma once
// The catalogue limits that both selection procedures test a model against.

#include "core/catalogue.h"

namespace zorvik {

// Highest inlet pressure the selection allows, psig: MaxInletPsi when that
// is 0 or more; a negative MaxInletPsi -k (two-stage models) scales with the
// drive pressure and gives |-k x drive x 0.95|.
double SelectionMaxInletPsi(const TPumpRecord& pump, double airDrivePsi);

// The tests the two applications share, on the model's own limits:
//   inlet >= MinInletPsi - 1 (models with -1 take any inlet),
//   inlet <= SelectionMaxInletPsi,
//   outlet <= MaxOutletPsi,
//   compression ratio <= MaxCompressionRatio,
//   inlet exactly equal to the drive pressure when the model boosts its own
//   drive air.
bool WithinModelLimits(const TPumpRecord& pump, double inletPsi, double outletPsi, double airDrivePsi,
                       double compressionRatio);

}  // namespace zorvik
