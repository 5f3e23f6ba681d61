#pragma once
// The catalogue limits that both selection procedures test a model against,
// and the reasons a model is left out of a selection.

#include "catalogue.h"

namespace zorvik {

// Why a model is not listed: the first qualification test it fails, in the
// order the procedures test them.
enum class Rejection {
    None,
    FlowBelowRequired,   // delivers no more than the required flow
    NoFlow,              // 0.0011 scfm or less: nothing at this point
    FinalFlowTooLow,     // under 0.3 scfm at the final vessel pressure
    TooFastAtStart,      // over 2000 cycles/min at the initial vessel pressure
    StepTooSlow,         // one tenth of the gas takes over 500 minutes
    InletBelowMinimum,   // inlet < MinInletPsi - 1
    InletAboveMaximum,   // inlet > SelectionMaxInletPsi
    OutletAboveMaximum,  // outlet > MaxOutletPsi
    RatioAboveMaximum,   // compression ratio > MaxCompressionRatio
    InletNotDriveAir,    // boosts its own drive air, but inlet != drive
    TooLittleGas,        // 0.01 scf or less per step
    FillTooQuick,        // fill time 0.16 minutes or less
};

// Highest inlet pressure the selection allows, psig: MaxInletPsi when that
// is 0 or more; a negative MaxInletPsi -k (two-stage models) scales with the
// drive pressure and gives |-k x drive x 0.95|.
double SelectionMaxInletPsi(const TPumpRecord& pump, double airDrivePsi);

// The first of the tests the two applications share that fails, on the
// model's own limits, or Rejection::None:
//   inlet >= MinInletPsi - 1 (models with -1 take any inlet),
//   inlet <= SelectionMaxInletPsi,
//   outlet <= MaxOutletPsi,
//   compression ratio <= MaxCompressionRatio,
//   inlet exactly equal to the drive pressure when the model boosts its own
//   drive air.
Rejection FirstExceededLimit(const TPumpRecord& pump, double inletPsi, double outletPsi, double airDrivePsi,
                             double compressionRatio);

inline bool WithinModelLimits(const TPumpRecord& pump, double inletPsi, double outletPsi, double airDrivePsi,
                              double compressionRatio) {
    return FirstExceededLimit(pump, inletPsi, outletPsi, airDrivePsi, compressionRatio) == Rejection::None;
}

}  // namespace zorvik
