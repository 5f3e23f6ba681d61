#include "air_limit.h"

namespace zorvik {
namespace {

constexpr int kSteps = 50;  // the stall pressure is reached in fiftieths

}  // namespace

DeliveredPoint LimitByAvailableAir(const TPumpRecord& pump, const OperatingPoint& point, double airAvailableScfm,
                                   const DeliveredPoint& unlimited) {
    const double P = point.drivePsi;
    const double I = point.inletPsi;
    // Outlet stall pressure, psig = P x AirStallFactor + I x SupplyStallFactor;
    // trial step, psi = (stall - I) / 50.
    const double step = (StallOutletPsi(pump, P, I) - I) / kSteps;

    double flow = unlimited.flowScfm;
    const SpeedRow row = FindSpeedRow(pump, P);
    FlowResult trial = OutletFlow(pump, row, {P, I, I});
    double v = AirUse(pump, P, trial.speedFraction, point.outletPsi, flow);
    bool limited = false;

    const bool readsFlow = UsesAirUseLines(pump.PumpNo);
    for (int i = 0; v > airAvailableScfm && i <= kSteps; ++i) {
        const double B = I + i * step;  // trial outlet, psig
        trial = OutletFlow(pump, row, {P, I, B});
        if (readsFlow) flow = trial.flowScfm;
        v = AirUse(pump, P, trial.speedFraction, B, flow);
        limited = true;
    }

    DeliveredPoint result{flow, unlimited.airUseScfm, unlimited.speedFraction, limited};
    if (!(trial.flowScfm > flow)) {
        result.flowScfm = trial.flowScfm;
        result.airUseScfm = v;
        if (limited) result.speedFraction = trial.speedFraction;
    }
    return result;
}

}  // namespace zorvik
