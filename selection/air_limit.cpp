#include "selection/air_limit.h"

#include "core/catalogue.h"
#include "core/performance_model.h"
#include "core/shared_state.h"

namespace zorvik {
namespace {

constexpr int kSteps = 50;  // the stall pressure is reached in fiftieths

}  // namespace

void LimitByAvailableAir(double& flow, double& airUse, bool& limited, double airDrivePsi, double inletPsi) {
    const double P = airDrivePsi;
    const double I = inletPsi;
    const double savedSpeed = Shared.SpeedFraction;
    limited = false;

    // Outlet stall pressure, psig = P x AirStallFactor + I x SupplyStallFactor;
    // trial step, psi = (stall - I) / 50.
    const double stall = StallOutletPsi(P, I);
    const double step = (stall - I) / kSteps;

    // The no-compression point first. Its air use is taken at its own speed
    // for models 5-14; models 1-4 and 15 read AirUseOutletPsi and FlowScfm,
    // still those of the caller's point.
    double w = OutletFlow(I, I, P);
    double v = AirUse(P, Shared.SpeedFraction);

    const bool readsFlow = UsesAirUseLines(Shared.CurrentPump.PumpNo);
    for (int i = 0; v > Shared.AirAvailableScfm && i <= kSteps; ++i) {
        const double B = I + i * step;  // trial outlet, psig
        w = OutletFlow(B, I, P);
        Shared.AirUseOutletPsi = B;
        if (readsFlow) flow = w;
        v = AirUse(P, Shared.SpeedFraction);
        limited = true;
    }

    if (w > flow) {
        Shared.SpeedFraction = savedSpeed;
    } else {
        flow = w;
        airUse = v;
    }
    if (!limited) Shared.SpeedFraction = savedSpeed;
}

}  // namespace zorvik
