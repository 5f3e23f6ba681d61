#include "charge_search.h"

#include <algorithm>
#include <numeric>

#include "performance_model.h"
#include "units.h"
#include "air_limit.h"

namespace zorvik {
namespace {

constexpr double kNoGasPerStep = 0.001;     // scf per step when there is nothing to deliver
constexpr double kEmptyStepMinutes = 1001;  // a step between two zero flows never ends

// The rates at one end of a step.
struct Rates {
    double flow;    // scfm
    double air;     // scfm
    double cycles;  // cycles per minute
};

// Keeps the first reason a charge fails.
void Reject(ChargeCandidate& c, Rejection why) {
    if (c.rejection == Rejection::None) c.rejection = why;
}

// A charge in progress: the start's flow and air use after the air limit,
// which every later step reads.
struct Charge {
    const TPumpRecord& pump;
    const ChargeDuty& duty;
    SpeedRow row;  // at the duty's drive pressure
    DeliveredPoint start;

    // The rates at vessel pressure p. Models 1-4 and 15 take their air use
    // at the start's flow.
    Rates RatesAt(double p, double& ratio) const {
        const FlowResult f = OutletFlow(pump, row, {duty.drivePsi, duty.inletPsi, p});
        ratio = f.compressionRatio;
        return {f.flowScfm, AirUse(pump, duty.drivePsi, f.speedFraction, p, start.flowScfm),
                f.speedFraction * pump.MaxCyclesPerMin};
    }
};

// The start of the charge. The returned flow and air are those from before
// the limit; the cycles are those after it.
Rates StartOfCharge(const TPumpRecord& pump, const ChargeDuty& duty, ChargeCandidate& c, DeliveredPoint& start) {
    const OperatingPoint point{duty.drivePsi, duty.inletPsi, duty.startPsi};
    const PointResult r = EvaluatePoint(pump, point);
    Rates rates{r.flowScfm, r.airUseScfm, r.cyclesPerMin};
    if (rates.cycles > MaxCyclesPerMin) Reject(c, Rejection::TooFastAtStart);
    start = {r.flowScfm, r.airUseScfm, r.speedFraction, false};
    if (!duty.ignoreAirAvailable) {
        start = LimitByAvailableAir(pump, point, duty.airAvailableScfm, start);
        rates.cycles = start.speedFraction * pump.MaxCyclesPerMin;
    }
    return rates;
}

void ChargeVessel(const TPumpRecord& pump, const ChargeDuty& duty, const VesselGasCount& count, ChargeCandidate& c) {
    Charge charge{pump, duty, FindSpeedRow(pump, duty.drivePsi), {}};
    Rates previous = StartOfCharge(pump, duty, c, charge.start);
    c.airLimited = charge.start.airLimited;
    c.cutBackToAir = charge.start.airLimited && charge.start.flowScfm < previous.flow;
    c.flowScfm[0] = charge.start.flowScfm;
    for (int j = 1; j <= ChargeSteps; ++j) {
        Rates r = charge.RatesAt(duty.PressureAtStep(j), c.finalRatio);
        // A model cut back to the air available stays within its cut-back
        // start; its cycle rate is not capped.
        if (charge.start.airLimited) {
            if (c.flowScfm[0] < previous.flow) previous.flow = c.flowScfm[0];
            if (charge.start.flowScfm < r.flow) r.flow = charge.start.flowScfm;
            if (charge.start.airUseScfm < previous.air) previous.air = charge.start.airUseScfm;
            if (charge.start.airUseScfm < r.air) r.air = charge.start.airUseScfm;
        }
        // The flow never rises as the vessel fills.
        if (previous.flow < r.flow) r.flow = previous.flow;
        c.flowScfm[j] = r.flow;

        const double dt = StepMinutes(previous.flow, r.flow, count.stepScf[j - 1]);
        if (dt > MaxStepMinutes) Reject(c, Rejection::StepTooSlow);
        c.fillMinutes += dt;
        c.minutes[j] = c.fillMinutes;
        // drive air, scf += mean air use, scfm x minutes;  cycles += mean cycles/min x minutes
        c.driveAirScf += (previous.air + r.air) * dt / 2;
        c.cycles += (previous.cycles + r.cycles) * dt / 2;
        previous = r;
    }
}

// Standard cubic feet per psi absolute of the vessel's P / Z.
double ScfPerPsi(const ChargeDuty& duty) { return duty.capacityFt3 / units::CatalogueAtmospherePsi; }

// P / Z, psi, at a vessel pressure in psig.
std::optional<double> RealPressureOverZ(const ChargeDuty& duty, double psig, GasRefusal& refusal) {
    const GasState state = GasStateAtGauge(duty.gas, psig, duty.vesselCelsius);
    if (!state.Valid()) {
        refusal = state.refusal;
        return std::nullopt;
    }
    return (psig + units::CatalogueAtmospherePsi) / state.compressibility;
}

VesselGasCount CountRealGas(const ChargeDuty& duty) {
    VesselGasCount count;
    std::optional<double> previous = RealPressureOverZ(duty, duty.PressureAtStep(0), count.refusal);
    for (int j = 1; j <= ChargeSteps && previous; ++j) {
        const std::optional<double> next = RealPressureOverZ(duty, duty.PressureAtStep(j), count.refusal);
        if (!next) break;
        const double dQ = (*next - *previous) * ScfPerPsi(duty);
        count.stepScf[j - 1] = dQ > 0 ? dQ : kNoGasPerStep;
        previous = next;
    }
    return count;
}

}  // namespace

double VesselGasCount::TotalScf() const { return std::accumulate(stepScf.begin(), stepScf.end(), 0.0); }

double VesselGasCount::SmallestStepScf() const { return *std::min_element(stepScf.begin(), stepScf.end()); }

VesselGasCount CountVesselGas(const ChargeDuty& duty) {
    if (duty.contents == ContentsCount::RealGas) return CountRealGas(duty);
    VesselGasCount count;
    count.stepScf.fill(duty.GasPerStepScf());
    return count;
}

double ChargeDuty::GasPerStepScf() const {
    const double Q = (finalPsi - startPsi) / units::CatalogueAtmospherePsi * capacityFt3;
    const double dQ = Q / ChargeSteps;
    return dQ > 0 ? dQ : kNoGasPerStep;
}

double ChargeDuty::PressureAtStep(int j) const { return startPsi + j * ((finalPsi - startPsi) / ChargeSteps); }

double StepMinutes(double previousFlow, double flow, double dQ) {
    const double sum = previousFlow + flow;
    if (sum == 0) return kEmptyStepMinutes;
    return 2 * dQ / sum;
}

ChargeCandidate EvaluateForCharge(const TPumpRecord& pump, const ChargeDuty& duty) {
    return EvaluateForCharge(pump, duty, CountVesselGas(duty));
}

ChargeCandidate EvaluateForCharge(const TPumpRecord& pump, const ChargeDuty& duty, const VesselGasCount& count) {
    ChargeCandidate c;
    c.pumpNo = pump.PumpNo;
    if (Liquefies(duty.gas, AbsoluteBar(duty.finalPsi), duty.vesselCelsius)) {
        c.rejection = Rejection::GasLiquefies;
        return c;
    }
    if (count.refusal != GasRefusal::None) {
        c.rejection = Rejection::NoGasCount;
        return c;
    }
    const FlowResult atFinal = OutletFlow(pump, {duty.drivePsi, duty.inletPsi, duty.finalPsi});
    c.finalRatio = atFinal.compressionRatio;
    c.charged = atFinal.flowScfm >= MinFinalFlowScfm;
    if (!c.charged) {
        c.rejection = Rejection::FinalFlowTooLow;
        return c;
    }
    ChargeVessel(pump, duty, count, c);
    c.gasDeliveredScf = count.TotalScf();
    c.averageCyclesPerMin = c.cycles / c.fillMinutes;
    if (c.rejection != Rejection::None) return c;
    c.rejection = FirstExceededLimit(pump, duty.inletPsi, duty.finalPsi, duty.drivePsi, c.finalRatio);
    if (c.rejection != Rejection::None) return c;
    if (!(count.SmallestStepScf() > MinGasPerStep))
        c.rejection = Rejection::TooLittleGas;
    else if (!(c.fillMinutes > MinFillMinutes))
        c.rejection = Rejection::FillTooQuick;
    return c;
}

std::vector<ChargeCandidate> SearchVesselCharging(const ChargeDuty& duty) {
    std::vector<ChargeCandidate> candidates;
    candidates.reserve(PumpCount);
    const VesselGasCount count = CountVesselGas(duty);
    for (int n = 1; n <= PumpCount; ++n) candidates.push_back(EvaluateForCharge(CatalogueRow(n), duty, count));
    return candidates;
}

}  // namespace zorvik
