#include "selection/vessel_charging.h"

#include "core/catalogue.h"
#include "core/numeric_entry.h"
#include "core/performance_model.h"
#include "core/shared_state.h"
#include "core/units.h"
#include "selection/air_limit.h"
#include "selection/model_limits.h"
#include "selection/selection_row.h"
#include "selection/selection_run.h"

namespace zorvik {
namespace {

constexpr double kMinDrivePsi = 40;
constexpr double kMaxDrivePsi = 150;
constexpr int kSteps = 10;                  // equal pressure steps from start to final
constexpr double kNoGasPerStep = 0.001;     // scf per step when there is nothing to deliver
constexpr double kMinFinalFlowScfm = 0.3;   // a model must still deliver this at the final pressure
constexpr double kMaxCyclesPerMin = 2000;
constexpr double kMaxStepMinutes = 500;     // one tenth of the gas may take no longer
constexpr double kEmptyStepMinutes = 1001;  // a step between two zero flows never ends
constexpr double kMinGasPerStep = 0.01;     // scf
constexpr double kMinFillMinutes = 0.16;

const char kEqualiseQuestion[] =
    "Initial outlet pressure is lower than supply pressure!\requalise pressures before starting amplifier.";

bool ReadInputs(const SelectionFields& f) {
    return ReadSelectionFields({
        {f.pAirDrivePsiEdit, PressureEntry, &Shared.AirDrivePsi},
        {f.qAirScfmEdit, FlowEntry, &Shared.AirAvailableScfm},
        {f.pSupplyPsiEdit, PressureEntry, &Shared.InletPsi},
        {f.OutStartPsiEdit, PressureEntry, &Shared.OutStartPsi},
        {f.OutFinalPsiEdit, PressureEntry, &Shared.OutFinalPsi},
        {f.OutCapacityFt3Edit, FlowEntry, &Shared.OutCapacityFt3},
    });
}

// The vessel cannot start below the supply: the gas would flow straight
// through the amplifier until the pressures are equal. False when the user
// cancels.
bool EqualiseStartPressure(const SelectionFields& f) {
    if (!(Shared.OutStartPsi < Shared.InletPsi)) return true;
    CurrentNotices().Beep();
    if (!CurrentNotices().Question(kEqualiseQuestion)) return false;
    f.OutStartPsiEdit->SetText(f.pSupplyPsiEdit->Text());
    Shared.OutStartPsi = Shared.InletPsi;
    return true;
}

// The message of the last failing check, or empty when all pass.
std::string ValidationMessage() {
    std::string message;
    if (Shared.AirDrivePsi < kMinDrivePsi) message = "Drive air pressure is too low!";
    if (Shared.AirDrivePsi > kMaxDrivePsi) message = "Drive air pressure is too high!";
    if (Shared.OutStartPsi > Shared.OutFinalPsi) message = "Initial outlet pressure must be less than final outlet pressure!";
    return message;
}

// What one charge delivers per step.
struct ChargeSteps {
    double dQ;  // gas per step, standard cubic feet
    double dP;  // pressure per step, psi
};

ChargeSteps StepsOfCharge() {
    // Gas to deliver, standard cubic feet = (final - start) psi / 14.5 x capacity ft^3
    const double Q = (Shared.OutFinalPsi - Shared.OutStartPsi) / units::AtmospherePsi * Shared.OutCapacityFt3;
    // gas per step, scf = Q / 10; pressure per step, psi = (final - start) / 10
    double dQ = Q / kSteps;
    if (!(dQ > 0)) dQ = kNoGasPerStep;
    return {dQ, (Shared.OutFinalPsi - Shared.OutStartPsi) / kSteps};
}

// Totals of one model's charge.
struct Fill {
    bool ok = true;
    double T = 0;  // fill time, minutes
    double A = 0;  // drive air, standard cubic feet
    double N = 0;  // cycles
};

// The rates at one end of a step.
struct Rates {
    double flow;    // scfm
    double air;     // scfm
    double cycles;  // cycles per minute
};

// The start of the charge: the model's flow and air use at the start
// pressure, in FlowScfm and AirUseScfm, reduced to the air available unless
// that is ignored. The returned flow and air are those from before the
// limit; the cycles are those after it.
Rates StartOfCharge(Fill& fill) {
    const TPumpRecord& pump = Shared.CurrentPump;
    Shared.FlowScfm = OutletFlow(Shared.OutStartPsi, Shared.InletPsi, Shared.AirDrivePsi);
    Rates start{Shared.FlowScfm, 0, 0};
    Shared.AirUseOutletPsi = Shared.OutStartPsi;
    Shared.AirUseScfm = AirUse(Shared.AirDrivePsi, Shared.SpeedFraction);
    start.air = Shared.AirUseScfm;
    Shared.AirLimited = false;
    // cycles per minute = SpeedFraction x MaxCyclesPerMin
    start.cycles = Shared.SpeedFraction * pump.MaxCyclesPerMin;
    if (start.cycles > kMaxCyclesPerMin) fill.ok = false;
    if (!Shared.IgnoreAirAvailable) {
        LimitByAvailableAir(Shared.FlowScfm, Shared.AirUseScfm, Shared.AirLimited, Shared.AirDrivePsi,
                            Shared.InletPsi);
        start.cycles = Shared.SpeedFraction * pump.MaxCyclesPerMin;
    }
    return start;
}

// The rates at vessel pressure p. FlowScfm and AirUseScfm keep the start's
// values, so models 1-4 and 15 take their air use at the start flow.
Rates RatesAt(double p) {
    Rates r{};
    r.flow = OutletFlow(p, Shared.InletPsi, Shared.AirDrivePsi);
    Shared.AirUseOutletPsi = p;
    r.air = AirUse(Shared.AirDrivePsi, Shared.SpeedFraction);
    r.cycles = Shared.SpeedFraction * Shared.CurrentPump.MaxCyclesPerMin;
    return r;
}

// Steps the vessel pressure from start to final, integrating time, air and
// cycles on the trapezoid rule over the gas delivered: every step delivers
// dQ, in dt = dQ / mean flow, with mean air and cycle rates over dt. Records
// the flows in the model's ChargeFlowTable row.
void ChargeVessel(const ChargeSteps& steps, Fill& fill, std::array<double, ChargePoints>& flows) {
    Rates previous = StartOfCharge(fill);
    flows[0] = Shared.FlowScfm;
    for (int j = 1; j <= kSteps; ++j) {
        // vessel pressure, psig = start + j x dP
        Rates r = RatesAt(Shared.OutStartPsi + j * steps.dP);
        // A model cut back to the air available stays within its cut-back
        // start; its cycle rate is not capped.
        if (Shared.AirLimited) {
            if (flows[0] < previous.flow) previous.flow = flows[0];
            if (Shared.FlowScfm < r.flow) r.flow = Shared.FlowScfm;
            if (Shared.AirUseScfm < previous.air) previous.air = Shared.AirUseScfm;
            if (Shared.AirUseScfm < r.air) r.air = Shared.AirUseScfm;
        }
        // The flow never rises as the vessel fills.
        if (previous.flow < r.flow) r.flow = previous.flow;
        flows[j] = r.flow;

        const double dt = StepMinutes(previous.flow, r.flow, steps.dQ);
        if (dt > kMaxStepMinutes) fill.ok = false;
        fill.T += dt;
        // drive air, scf += mean air use, scfm x minutes;  cycles += mean cycles/min x minutes
        fill.A += (previous.air + r.air) * dt / 2;
        fill.N += (previous.cycles + r.cycles) * dt / 2;
        previous = r;
    }
}

bool Qualifies(const Fill& fill, const ChargeSteps& steps) {
    // After the stepping CompressionRatio is that of the last step, at the
    // final pressure.
    return fill.ok &&
           WithinModelLimits(Shared.CurrentPump, Shared.InletPsi, Shared.OutFinalPsi, Shared.AirDrivePsi,
                             Shared.CompressionRatio) &&
           steps.dQ > kMinGasPerStep && fill.T > kMinFillMinutes;
}

}  // namespace

double StepMinutes(double previousFlow, double flow, double dQ) {
    const double sum = previousFlow + flow;
    if (sum == 0) return kEmptyStepMinutes;
    // minutes = scf / mean scfm = 2 x dQ / (previous flow + flow)
    return 2 * dQ / sum;
}

SelectionResult VesselChargingSelection(const SelectionControls& controls) {
    TakeSelectionOptions(controls);
    SelectionResult result;
    if (!ReadInputs(controls.fields)) {
        result.stop = SelectionStop::EntryInvalid;
        return result;
    }
    if (!EqualiseStartPressure(controls.fields)) {
        result.stop = SelectionStop::Cancelled;
        return result;
    }
    if (const std::string message = ValidationMessage(); !message.empty()) return FailedValidation(message);

    const ChargeSteps steps = StepsOfCharge();
    if (controls.searchingMemo != nullptr) controls.searchingMemo->Show();
    for (int n = 1; n <= PumpCount; ++n) {
        Shared.PumpIndex = n;
        SelectPump(n);
        Fill fill;
        // Flow at the final pressure, scfm: a model too weak there is not
        // charged at all and its ChargeFlowTable row stays as it was.
        fill.ok = OutletFlow(Shared.OutFinalPsi, Shared.InletPsi, Shared.AirDrivePsi) >= kMinFinalFlowScfm;
        if (fill.ok) ChargeVessel(steps, fill, Shared.ChargeFlowTable[n - 1]);
        if (!Qualifies(fill, steps)) continue;
        const TPumpRecord& p = Shared.CurrentPump;
        // average cycles per minute = cycles N / fill minutes T
        const double averageCycles = fill.N / fill.T;
        result.rows.push_back({FormatSelectionRow(p.PumpNo, p.Series, p.RatioText, averageCycles, fill.A, fill.T,
                                                  controls.textWidth, controls.decimalSeparator),
                               p.PumpNo, p.Series, p.RatioText, averageCycles, fill.A, fill.T});
    }
    return result;
}

}  // namespace zorvik
