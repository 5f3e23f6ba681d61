#include "flow_search.h"

#include "real_gas.h"

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
