#include "duty_point.h"

#include <algorithm>
#include <cmath>

#include "model_limits.h"
#include "real_gas.h"

namespace zorvik {
namespace {

constexpr double kSpeedTolerance = 1e-9;  // the air-bound speed is found to this fraction of the maximum

// One unit of the model at the duty's pressures, any speed up to flat out.
struct Unit {
    const TPumpRecord& pump;
    const FlowDuty& duty;
    const PointResult& full;

    // Flow, scfm, at `speed`: proportional to the cycle rate.
    double FlowAt(double speed) const { return full.flowScfm * speed / full.speedFraction; }

    // Drive air, scfm, delivering `flow` at `speed`; below MinRunningSpeed the
    // figures at that speed. The lines of models 1-4 and 15 read the flow.
    double AirAt(double speed, double flow) const {
        if (speed < MinRunningSpeed) {
            speed = MinRunningSpeed;
            flow = FlowAt(speed);
        }
        return AirUse(pump, duty.drivePsi, speed, duty.outletPsi, flow);
    }
};

bool AirFits(const FlowDuty& duty, double airScfm) {
    return duty.ignoreAirAvailable || airScfm <= duty.airAvailableScfm;
}

// With any flow: flat out when the air allows it, else the highest speed
// whose air fits (air use rises with speed), else the lowest running speed.
double AnyFlowSpeed(const Unit& unit) {
    double hi = unit.full.speedFraction;
    if (AirFits(unit.duty, unit.AirAt(hi, unit.full.flowScfm))) return hi;
    double lo = std::min(MinRunningSpeed, hi);
    if (!AirFits(unit.duty, unit.AirAt(lo, unit.FlowAt(lo)))) return lo;
    while (hi - lo > kSpeedTolerance) {
        const double mid = (lo + hi) / 2;
        if (AirFits(unit.duty, unit.AirAt(mid, unit.FlowAt(mid))))
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

// Units in parallel for the required flow, or 0 beyond MaxUnitsInParallel.
int UnitsFor(double requiredScfm, double unitScfm) {
    const double units = std::ceil(requiredScfm / unitScfm);
    if (!(units <= MaxUnitsInParallel)) return 0;
    return units < 1 ? 1 : static_cast<int>(units);
}

void SizeInstallation(const Unit& unit, bool anyFlow, FlowDutyPoint& p) {
    const FlowDuty& duty = unit.duty;
    double speed = 0;
    if (anyFlow) {
        p.unitsInParallel = 1;
        speed = AnyFlowSpeed(unit);
        p.unitFlowScfm = p.dutyFlowScfm = unit.FlowAt(speed);
    } else {
        p.unitsInParallel = UnitsFor(duty.flowRequiredScfm, unit.full.flowScfm);
        if (!p.Sized()) return;
        p.dutyFlowScfm = duty.flowRequiredScfm;
        p.unitFlowScfm = duty.flowRequiredScfm / p.unitsInParallel;
        speed = unit.full.speedFraction * p.unitFlowScfm / unit.full.flowScfm;
    }
    p.dutySpeedPercent = speed * 100;
    p.dutyCyclesPerMin = speed * unit.pump.MaxCyclesPerMin;
    p.dutyAirScfm = unit.AirAt(speed, p.unitFlowScfm);
    p.unitsDriveAirScfm = p.unitsInParallel * p.dutyAirScfm;
    if (!duty.ignoreAirAvailable) p.airMarginScfm = duty.airAvailableScfm - p.unitsDriveAirScfm;
    p.aboveContinuousGuideline = speed > ContinuousDutySpeed;
}

void Fail(FlowDutyPoint& p, DutyTest test, double shortfall) {
    p.failedTest = test;
    p.shortfall = shortfall;
    p.nearMiss = shortfall < NearMissShortfall;
}

}  // namespace

FlowDutyPoint EvaluateFlowDuty(const TPumpRecord& pump, const FlowDuty& duty, const PointResult& fullSpeed) {
    FlowDutyPoint p;
    p.fullSpeedFlowScfm = fullSpeed.flowScfm;
    p.fullSpeedPercent = fullSpeed.speedFraction * 100;
    p.fullSpeedAirScfm = fullSpeed.airUseScfm;
    if (Liquefies(duty.gas, AbsoluteBar(duty.outletPsi), duty.gasCelsius)) {
        p.failedTest = DutyTest::GasLiquefies;
        return p;
    }
    if (!(fullSpeed.flowScfm > NoFlowScfm)) {
        p.failedTest = DutyTest::NoFlow;
        return p;
    }
    const bool anyFlow = !AsksForFlow(duty);
    SizeInstallation({pump, duty, fullSpeed}, anyFlow, p);

    if (!anyFlow && fullSpeed.flowScfm < duty.flowRequiredScfm) {
        Fail(p, DutyTest::FlowShort, 1 - fullSpeed.flowScfm / duty.flowRequiredScfm);
    } else if (!WithinModelLimits(pump, duty.inletPsi, duty.outletPsi, duty.drivePsi, fullSpeed.compressionRatio)) {
        p.failedTest = DutyTest::ModelLimits;
    } else if (!AirFits(duty, p.unitsDriveAirScfm)) {
        Fail(p, DutyTest::AirShort, 1 - duty.airAvailableScfm / p.unitsDriveAirScfm);
    }
    return p;
}

FlowDutyPoint EvaluateFlowDuty(const TPumpRecord& pump, const FlowDuty& duty) {
    return EvaluateFlowDuty(pump, duty, EvaluatePoint(pump, duty.Point()));
}

}  // namespace zorvik
