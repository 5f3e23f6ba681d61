#include "comparison_reasons.h"

#include <utility>

#include "fixed_format.h"
#include "performance_model.h"
#include "units.h"
#include "comparison_units.h"
#include "model_limits.h"
#include "real_gas.h"

namespace zorvik {
namespace {

std::string Number(double value, int decimals) { return FormatFixed(value, 7, decimals); }

// Hundredths of a cubic foot: normal litres in metric.
std::string SmallAirAmountText(double scf, bool metric) {
    return metric ? Number(scf * units::LitresPerCubicFoot, 2) + " normal litres" : Number(scf, 3) + " scf";
}

// "Delivers A, less than the B ..." must not read "2.00 ... less than the
// 2.00": two flows that round alike are shown with more decimals.
std::pair<std::string, std::string> DistinctFlows(double a, double b, bool metric) {
    std::pair<std::string, std::string> texts{GasFlowText(a, metric), GasFlowText(b, metric)};
    const double shown = metric ? units::LitresPerCubicFoot : 1;
    const char* unit = GasFlowUnit(metric);
    for (int decimals = 3; texts.first == texts.second && decimals <= 6; ++decimals)
        texts = {Number(a * shown, decimals) + " " + unit, Number(b * shown, decimals) + " " + unit};
    return texts;
}

// With the vessel already at (or above) its final pressure the charge is
// empty; the sizing steps a token amount then, which is no figure to show.
std::string NothingToChargeText(const ChargeDuty& duty, bool metric) {
    const std::string final = PressureText(duty.finalPsi, metric);
    if (duty.startPsi == duty.finalPsi)
        return "Nothing to charge: the vessel is already at the final pressure of " + final;
    return "Nothing to charge: the vessel starts at " + PressureText(duty.startPsi, metric) +
           ", above the final pressure of " + final;
}

}  // namespace

// Nothing comes out when the model stalls below the outlet or the ratio is
// beyond what its stroke can compress. A two-stage model also stalls once
// its interstage does: when that is what stops it, the inlet is to blame.
std::string NoFlowText(const TPumpRecord& pump, const OperatingPoint& point, const char* outletName, bool metric) {
    const PointResult r = EvaluatePoint(pump, point);
    if (r.stallOutletPsi <= point.outletPsi) {
        const std::string stall = PressureText(r.stallOutletPsi, metric);
        const std::string outlet = PressureText(point.outletPsi, metric);
        const std::string where = stall == outlet ? std::string("at the ") + outletName + " of " + outlet
                                                  : "at " + stall + ", below the " + outletName + " of " + outlet;
        if (r.stallOutletPsi < StallOutletPsi(pump, point.drivePsi, point.inletPsi))
            return "Delivers no flow: its interstage stalls, because an inlet of " +
                   PressureText(point.inletPsi, metric) + " needs more drive pressure than the " +
                   PressureText(point.drivePsi, metric) + " available (at least " +
                   PressureText(point.inletPsi / pump.InterstageFactor, metric) + "); it stalls " + where;
        return "Delivers no flow: it stalls " + where;
    }
    return "Delivers no flow: a compression ratio of " + Number(r.compressionRatio, 1) +
           " is more than its stroke can compress";
}

// A temperature to a tenth of a degree, where a phase boundary is close.
std::string TenthsTemperatureText(double celsius, bool metric) {
    return metric ? Number(celsius, 1) +
                        " \xC2\xB0"
                        "C"
                  : Number(celsius * 9 / 5 + 32, 1) +
                        " \xC2\xB0"
                        "F";
}

std::string LiquefiesText(Gas gas, double psig, double celsius, const char* outletName, bool metric) {
    std::string text = std::string(Properties(gas).displayName) + " liquefies at the " + outletName + " of " +
                       PressureText(psig, metric) + " at " + TenthsTemperatureText(celsius, metric);
    const std::optional<double> vapourBar = VapourPressureBar(gas, celsius);
    if (vapourBar)
        text += ", at and above its vapour pressure of " +
                PressureText(*vapourBar * units::PsiPerBar - units::AtmospherePsi, metric) + " there";
    return text;
}

std::string LimitText(Rejection why, const TPumpRecord& pump, double inlet, double outlet, double drive, double ratio,
                      const char* outletName, bool metric) {
    switch (why) {
        case Rejection::InletBelowMinimum:
            return "Inlet pressure " + PressureText(inlet, metric) + " is below this model's minimum of " +
                   PressureText(pump.MinInletPsi, metric);
        case Rejection::InletAboveMaximum:
            return "Inlet pressure " + PressureText(inlet, metric) + " is above this model's maximum of " +
                   PressureText(SelectionMaxInletPsi(pump, drive), metric) + " at this drive pressure";
        case Rejection::OutletAboveMaximum:
            return std::string(outletName) + " " + PressureText(outlet, metric) + " is above this model's maximum of " +
                   PressureText(pump.MaxOutletPsi, metric);
        case Rejection::RatioAboveMaximum:
            return "Compression ratio " + Number(ratio, 2) + " is above this model's maximum of " +
                   Number(pump.MaxCompressionRatio, 1);
        case Rejection::InletNotDriveAir:
            return "Boosts its own drive air: the inlet pressure must equal the drive pressure of " +
                   PressureText(drive, metric);
        default:
            return {};
    }
}

std::string FlowRejectionText(const TPumpRecord& pump, const FlowDuty& duty, const FlowCandidate& c, bool metric) {
    switch (c.rejection) {
        case Rejection::None:
            return {};
        case Rejection::FlowBelowRequired:
            if (!(c.delivered.flowScfm > NoFlowScfm))
                return NoFlowText(pump, duty.Point(), "outlet pressure", metric) + "; " +
                       GasFlowText(duty.flowRequiredScfm, metric) + " is required";
            {
                const auto [delivered, required] = DistinctFlows(c.delivered.flowScfm, duty.flowRequiredScfm, metric);
                return "Delivers " + delivered + ", less than the " + required + " required" +
                       (c.delivered.airLimited ? " on the drive air available" : "");
            }
        case Rejection::NoFlow:
            return NoFlowText(pump, duty.Point(), "outlet pressure", metric);
        case Rejection::GasLiquefies:
            return LiquefiesText(duty.gas, duty.outletPsi, duty.gasCelsius, "outlet pressure", metric);
        default:
            return LimitText(c.rejection, pump, duty.inletPsi, duty.outletPsi, duty.drivePsi,
                             c.requested.compressionRatio, "Outlet pressure", metric);
    }
}

std::string ChargeRejectionText(const TPumpRecord& pump, const ChargeDuty& duty, const ChargeCandidate& c,
                                bool metric) {
    const OperatingPoint final{duty.drivePsi, duty.inletPsi, duty.finalPsi};
    const OperatingPoint start{duty.drivePsi, duty.inletPsi, duty.startPsi};
    switch (c.rejection) {
        case Rejection::None:
            return {};
        case Rejection::FinalFlowTooLow: {
            const double flow = OutletFlow(pump, final).flowScfm;
            if (!(flow > NoFlowScfm)) return NoFlowText(pump, final, "final pressure", metric);
            const auto [delivered, needed] = DistinctFlows(flow, MinFinalFlowScfm, metric);
            return "Delivers " + delivered + " at the final pressure of " + PressureText(duty.finalPsi, metric) +
                   ", less than the " + needed + " a charge needs";
        }
        case Rejection::TooFastAtStart:
            return "Would run at " + Number(EvaluatePoint(pump, start).cyclesPerMin, 0) +
                   " cycles/min at the initial pressure, above the " + Number(MaxCyclesPerMin, 0) + " allowed";
        case Rejection::StepTooSlow:
            return "Fill takes longer than " + Number(MaxStepMinutes, 0) + " minutes for one tenth of the charge";
        case Rejection::TooLittleGas:
            if (!(duty.finalPsi > duty.startPsi)) return NothingToChargeText(duty, metric);
            return "Each tenth of the charge is " + SmallAirAmountText(CountVesselGas(duty).SmallestStepScf(), metric) +
                   ", no more than the " + SmallAirAmountText(MinGasPerStep, metric) + " the sizing can step";
        case Rejection::GasLiquefies:
            return LiquefiesText(duty.gas, duty.finalPsi, duty.vesselCelsius, "final pressure", metric);
        case Rejection::NoGasCount: {
            const VesselGasCount count = CountVesselGas(duty);
            return "The real-gas count of the vessel fails: " +
                   GasRefusalText(duty.gas, count.refusal, AbsoluteBar(duty.finalPsi), duty.vesselCelsius);
        }
        case Rejection::FillTooQuick:
            return "Fill takes " + Number(c.fillMinutes, 3) + " minutes, no longer than the " +
                   Number(MinFillMinutes, 2) + " minutes the sizing can time";
        default:
            return LimitText(c.rejection, pump, duty.inletPsi, duty.finalPsi, duty.drivePsi, c.finalRatio,
                             "Final pressure", metric);
    }
}

std::string DischargeOverLimitText(double dischargeCelsius, double limitCelsius, bool metric) {
    return "Its discharge can reach " + TemperatureText(dischargeCelsius, metric) + ", above the " +
           TemperatureText(limitCelsius, metric) + " limit";
}

}  // namespace zorvik
