#include "model_limits.h"

#include <cmath>

namespace zorvik {
namespace {

// Two-stage models keep 5 % below the pressure at which the interstage
// stalls.
constexpr double kInterstageMargin = 0.95;

}  // namespace

double SelectionMaxInletPsi(const TPumpRecord& pump, double airDrivePsi) {
    if (pump.MaxInletPsi >= 0) return pump.MaxInletPsi;
    return std::fabs(pump.MaxInletPsi * airDrivePsi * kInterstageMargin);
}

Rejection FirstExceededLimit(const TPumpRecord& pump, double inletPsi, double outletPsi, double airDrivePsi,
                             double compressionRatio) {
    if (!(inletPsi >= pump.MinInletPsi - 1)) return Rejection::InletBelowMinimum;
    if (!(inletPsi <= SelectionMaxInletPsi(pump, airDrivePsi))) return Rejection::InletAboveMaximum;
    if (!(outletPsi <= pump.MaxOutletPsi)) return Rejection::OutletAboveMaximum;
    if (!(compressionRatio <= pump.MaxCompressionRatio)) return Rejection::RatioAboveMaximum;
    if (pump.InletIsDriveAir && inletPsi != airDrivePsi) return Rejection::InletNotDriveAir;
    return Rejection::None;
}

}  // namespace zorvik
