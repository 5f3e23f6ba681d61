#include "flow_search.h"

#include "real_gas.h"
#include "text_catalog.h"

namespace zorvik {
namespace {

Rejection FirstFailedTest(const TPumpRecord& pump, const FlowDuty& duty, const FlowCandidate& c) {
    if (Liquefies(duty.gas, AbsoluteBar(duty.outletPsi), duty.gasCelsius)) return Rejection::GasLiquefies;
    const double flow = c.delivered.flowScfm;
    if (!(flow > duty.flowRequiredScfm || duty.ignoreFlowRate)) return Rejection::FlowBelowRequired;
    if (!(flow > NoFlowScfm)) return Rejection::NoFlow;
    return FirstExceededLimit(pump, duty.inletPsi, duty.outletPsi, duty.drivePsi, c.requested.compressionRatio);
}

}  // namespace

std::string FlowValidationMessage(const FlowDuty& duty) {
    std::string message;
    if (!(duty.flowRequiredScfm > 0)) message = Tr("Validation", "Flow rate cannot be zero!\rNo Amplifier needed.");
    if (duty.drivePsi < MinDrivePsi) message = Tr("Validation", "Drive air pressure is too low!");
    if (duty.drivePsi > MaxDrivePsi) message = Tr("Validation", "Drive air pressure is too high!");
    if (duty.outletPsi < duty.inletPsi)
        message = Tr("Validation", "Outlet pressure must be greater\rthan inlet pressure!");
    if (CanLiquefy(duty.gas) && !(duty.gasCelsius >= RealGasMinCelsius && duty.gasCelsius <= RealGasMaxCelsius))
        message = Tr("Validation",
                     "Gas temperature must be from -20 to 60 \xC2\xB0"
                     "C (-4 to 140 \xC2\xB0"
                     "F)!");
    return message;
}

FlowCandidate EvaluateForFlow(const TPumpRecord& pump, const FlowDuty& duty) {
    FlowCandidate c;
    c.pumpNo = pump.PumpNo;
    c.requested = EvaluatePoint(pump, duty.Point());
    c.delivered = {c.requested.flowScfm, c.requested.airUseScfm, c.requested.speedFraction, false};
    if (!duty.ignoreAirAvailable)
        c.delivered = LimitByAvailableAir(pump, duty.Point(), duty.airAvailableScfm, c.delivered);
    // cycles per minute = SpeedFraction x MaxCyclesPerMin
    c.cyclesPerMin = c.delivered.speedFraction * pump.MaxCyclesPerMin;
    c.rejection = FirstFailedTest(pump, duty, c);
    return c;
}

std::vector<FlowCandidate> SearchContinuousProcess(const FlowDuty& duty) {
    std::vector<FlowCandidate> candidates;
    candidates.reserve(PumpCount);
    for (int n = 1; n <= PumpCount; ++n) candidates.push_back(EvaluateForFlow(CatalogueRow(n), duty));
    return candidates;
}

}  // namespace zorvik
