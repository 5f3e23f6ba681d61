#pragma once
// The catalogue limits that both selection procedures test a model against,
// and the reasons a model is left out of a selection.

#include "catalogue.h"

namespace zorvik {

// Why a model is not listed: the first qualification test it fails, in the
// order the procedures test them.
enum class Rejection {
    None,
    GasLiquefies,        // the gas is liquid or two-phase at the outlet or final pressure
    NoGasCount,          // the real-gas count has no gas state at a vessel pressure
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

// The thresholds of the qualification tests, in one place: the procedures
// apply them and the comparison's reasons quote them.
inline constexpr double MinDrivePsi = 40;  // drive pressure the selections accept, psig
inline constexpr double MaxDrivePsi = 150;
inline constexpr double NoFlowScfm = 0.0011;     // OutletFlow's token 0.001 scfm means "cannot deliver"
inline constexpr double MinFinalFlowScfm = 0.3;  // a charging model must still deliver this at the final pressure
inline constexpr double MaxCyclesPerMin = 2000;  // at the initial vessel pressure
inline constexpr double MaxStepMinutes = 500;    // one tenth of the gas may take no longer
inline constexpr double MinGasPerStep = 0.01;    // scf
inline constexpr double MinFillMinutes = 0.16;

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
