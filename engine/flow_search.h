#pragma once
// Selection for a continuous process, as values: a gas source at constant
// pressure feeds an amplifier that must deliver at least a required flow at
// a given outlet pressure. Pressures psig, flows scfm.

#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "gases.h"
#include "performance_model.h"
#include "air_limit.h"
#include "model_limits.h"

namespace zorvik {

struct FlowDuty {
    double drivePsi = 0;
    double airAvailableScfm = 0;
    double inletPsi = 0;
    double outletPsi = 0;
    double flowRequiredScfm = 0;
    bool ignoreAirAvailable = false;
    bool ignoreFlowRate = false;
    Gas gas = Gas::Air;
    double gasCelsius = 20;  // gas inlet temperature; the outlet is taken back to it after the booster
    std::optional<double> temperatureLimitCelsius = std::nullopt;  // a discharge no model should pass; none by default

    OperatingPoint Point() const { return {drivePsi, inletPsi, outletPsi}; }
};

// One model at the duty.
struct FlowCandidate {
    int pumpNo = 0;
    PointResult requested;     // at the duty's outlet pressure, before the air limit
    DeliveredPoint delivered;  // after the air limit (or the requested point when it is ignored)
    double cyclesPerMin = 0;   // delivered speed x MaxCyclesPerMin
    Rejection rejection = Rejection::None;

    bool Listed() const { return rejection == Rejection::None; }
    // The air limit took flow away: the air search can step and still leave
    // the unlimited figures standing, which `delivered.airLimited` keeps
    // saying (the list marks those rows all the same).
    bool CutBackToAir() const { return delivered.airLimited && delivered.flowScfm < requested.flowScfm; }
};

// A model qualifies when the gas stays a gas at the outlet pressure and the
// gas temperature, it delivers more than the required flow (unless the flow
// rate is ignored) and more than 0.0011 scfm, within its limits at the
// requested point's compression ratio.
FlowCandidate EvaluateForFlow(const TPumpRecord& pump, const FlowDuty& duty);

// Models 1 to 15 in turn, listed or not.
std::vector<FlowCandidate> SearchContinuousProcess(const FlowDuty& duty);

}  // namespace zorvik
