#include "selection/model_limits.h"

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

bool WithinModelLimits(const TPumpRecord& pump, double inletPsi, double outletPsi, double airDrivePsi,
                       double compressionRatio) {
    return inletPsi >= pump.MinInletPsi - 1 && inletPsi <= SelectionMaxInletPsi(pump, airDrivePsi) &&
           outletPsi <= pump.MaxOutletPsi && compressionRatio <= pump.MaxCompressionRatio &&
           (!pump.InletIsDriveAir || inletPsi == airDrivePsi);
}

}  // namespace zorvik
