#include "comparison_reasons.h"

#include <utility>

#include "fixed_format.h"
#include "performance_model.h"
#include "units.h"
#include "comparison_units.h"
#include "model_limits.h"
#include "real_gas.h"
#include "text.h"

namespace zorvik {
namespace {

std::string Number(double value, int decimals) { return FormatFixed(value, 7, decimals); }

// Hundredths of a cubic foot: normal litres in metric.
Text SmallAirAmountText(double scf, bool metric) {
    if (metric) return Tr("Reasons", "%1 normal litres").With({Number(scf * units::LitresPerCubicFoot, 2)});
    return Number(scf, 3) + " scf";
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
Text NothingToChargeText(const ChargeDuty& duty, bool metric) {
    const std::string final = PressureText(duty.finalPsi, metric);
    if (duty.startPsi == duty.finalPsi)
        return Tr("Reasons", "Nothing to charge: the vessel is already at the final pressure of %1").With({final});
    return Tr("Reasons", "Nothing to charge: the vessel starts at %1, above the final pressure of %2")
        .With({PressureText(duty.startPsi, metric), final});
}

// Where a model stalls, said of the outlet the duty names.
Text StallsWhere(double stallPsi, double outletPsi, OutletName outletName, bool metric) {
    const std::string stall = PressureText(stallPsi, metric);
    const std::string outlet = PressureText(outletPsi, metric);
    const bool final = outletName == OutletName::Final;
    if (stall == outlet)
        return (final ? Tr("Reasons", "at the final pressure of %1").With({outlet})
                      : Tr("Reasons", "at the outlet pressure of %1").With({outlet}));
    return (final ? Tr("Reasons", "at %1, below the final pressure of %2").With({stall, outlet})
                  : Tr("Reasons", "at %1, below the outlet pressure of %2").With({stall, outlet}));
}

}  // namespace

// Nothing comes out when the model stalls below the outlet or the ratio is
// beyond what its stroke can compress. A two-stage model also stalls once
// its interstage does: when that is what stops it, the inlet is to blame.
Text NoFlowText(const TPumpRecord& pump, const OperatingPoint& point, OutletName outletName, bool metric) {
    const PointResult r = EvaluatePoint(pump, point);
    if (r.stallOutletPsi <= point.outletPsi) {
        const Text where = StallsWhere(r.stallOutletPsi, point.outletPsi, outletName, metric);
        if (r.stallOutletPsi < StallOutletPsi(pump, point.drivePsi, point.inletPsi))
            return Tr("Reasons",
                      "Delivers no flow: its interstage stalls, because an inlet of %1 needs more drive "
                      "pressure than the %2 available (at least %3); it stalls %4")
                .With({PressureText(point.inletPsi, metric), PressureText(point.drivePsi, metric),
                       PressureText(point.inletPsi / pump.InterstageFactor, metric), where});
        return Tr("Reasons", "Delivers no flow: it stalls %1").With({where});
    }
    return Tr("Reasons", "Delivers no flow: a compression ratio of %1 is more than its stroke can compress")
        .With({Number(r.compressionRatio, 1)});
}

Text WithFlowRequired(const Text& reason, double flowRequiredScfm, bool metric) {
    return Tr("Reasons", "%1; %2 is required").With({reason, GasFlowText(flowRequiredScfm, metric)});
}

// A temperature to a tenth of a degree, where a phase boundary is close.
std::string TenthsTemperatureText(double celsius, bool metric) {
    return metric ? Number(celsius, 1) +
                        " \xC2\xB0"
                        "C"
                  : Number(units::FahrenheitOf(celsius), 1) +
                        " \xC2\xB0"
                        "F";
}

// "Carbon dioxide liquefies at the final pressure of 1000 psig at 68.0 °F, at
// and above its vapour pressure of 816 psig there".
Text LiquefiesText(Gas gas, double psig, double celsius, OutletName outletName, bool metric) {
    const Text name = GasDisplayName(gas);
    const std::string pressure = PressureText(psig, metric);
    const std::string temperature = TenthsTemperatureText(celsius, metric);
    const std::optional<double> vapourBar = VapourPressureBar(gas, celsius);
    const bool final = outletName == OutletName::Final;
    if (!vapourBar)
        return (
            final
                ? Tr("Reasons", "%1 liquefies at the final pressure of %2 at %3").With({name, pressure, temperature})
                : Tr("Reasons", "%1 liquefies at the outlet pressure of %2 at %3").With({name, pressure, temperature}));
    const std::string vapour = PressureText(*vapourBar * units::PsiPerBar - units::CatalogueAtmospherePsi, metric);
    return (final ? Tr("Reasons",
                       "%1 liquefies at the final pressure of %2 at %3, at and above its vapour pressure "
                       "of %4 there")
                        .With({name, pressure, temperature, vapour})
                  : Tr("Reasons",
                       "%1 liquefies at the outlet pressure of %2 at %3, at and above its vapour pressure "
                       "of %4 there")
                        .With({name, pressure, temperature, vapour}));
}

Text LimitText(Rejection why, const TPumpRecord& pump, double inlet, double outlet, double drive, double ratio,
               OutletName outletName, bool metric) {
    switch (why) {
        case Rejection::InletBelowMinimum:
            return Tr("Reasons", "Inlet pressure %1 is below this model's minimum of %2")
                .With({PressureText(inlet, metric), PressureText(pump.MinInletPsi, metric)});
        case Rejection::InletAboveMaximum:
            return Tr("Reasons", "Inlet pressure %1 is above this model's maximum of %2 at this drive pressure")
                .With({PressureText(inlet, metric), PressureText(SelectionMaxInletPsi(pump, drive), metric)});
        case Rejection::OutletAboveMaximum:
            return (outletName == OutletName::Final
                        ? Tr("Reasons", "Final pressure %1 is above this model's maximum of %2")
                              .With({PressureText(outlet, metric), PressureText(pump.MaxOutletPsi, metric)})
                        : Tr("Reasons", "Outlet pressure %1 is above this model's maximum of %2")
                              .With({PressureText(outlet, metric), PressureText(pump.MaxOutletPsi, metric)}));
        case Rejection::RatioAboveMaximum:
            return Tr("Reasons", "Compression ratio %1 is above this model's maximum of %2")
                .With({Number(ratio, 2), Number(pump.MaxCompressionRatio, 1)});
        case Rejection::InletNotDriveAir:
            return Tr("Reasons", "Boosts its own drive air: the inlet pressure must equal the drive pressure of %1")
                .With({PressureText(drive, metric)});
        default:
            return {};
    }
}

Text FlowRejectionText(const TPumpRecord& pump, const FlowDuty& duty, const FlowCandidate& c, bool metric) {
    switch (c.rejection) {
        case Rejection::None:
            return {};
        case Rejection::FlowBelowRequired: {
            if (!(c.delivered.flowScfm > NoFlowScfm))
                return WithFlowRequired(NoFlowText(pump, duty.Point(), OutletName::Outlet, metric),
                                        duty.flowRequiredScfm, metric);
            const auto [delivered, required] = DistinctFlows(c.delivered.flowScfm, duty.flowRequiredScfm, metric);
            return (c.delivered.airLimited
                        ? Tr("Reasons", "Delivers %1, less than the %2 required on the drive air available")
                              .With({delivered, required})
                        : Tr("Reasons", "Delivers %1, less than the %2 required").With({delivered, required}));
        }
        case Rejection::NoFlow:
            return NoFlowText(pump, duty.Point(), OutletName::Outlet, metric);
        case Rejection::GasLiquefies:
            return LiquefiesText(duty.gas, duty.outletPsi, duty.gasCelsius, OutletName::Outlet, metric);
        default:
            return LimitText(c.rejection, pump, duty.inletPsi, duty.outletPsi, duty.drivePsi,
                             c.requested.compressionRatio, OutletName::Outlet, metric);
    }
}

Text ChargeRejectionText(const TPumpRecord& pump, const ChargeDuty& duty, const ChargeCandidate& c, bool metric) {
    const OperatingPoint final{duty.drivePsi, duty.inletPsi, duty.finalPsi};
    const OperatingPoint start{duty.drivePsi, duty.inletPsi, duty.startPsi};
    switch (c.rejection) {
        case Rejection::None:
            return {};
        case Rejection::FinalFlowTooLow: {
            const double flow = OutletFlow(pump, final).flowScfm;
            if (!(flow > NoFlowScfm)) return NoFlowText(pump, final, OutletName::Final, metric);
            const auto [delivered, needed] = DistinctFlows(flow, MinFinalFlowScfm, metric);
            return Tr("Reasons", "Delivers %1 at the final pressure of %2, less than the %3 a charge needs")
                .With({delivered, PressureText(duty.finalPsi, metric), needed});
        }
        case Rejection::TooFastAtStart:
            return Tr("Reasons", "Would run at %1 cycles/min at the initial pressure, above the %2 allowed")
                .With({Number(EvaluatePoint(pump, start).cyclesPerMin, 0), Number(MaxCyclesPerMin, 0)});
        case Rejection::StepTooSlow:
            return Tr("Reasons", "Fill takes longer than %1 minutes for one tenth of the charge")
                .With({Number(MaxStepMinutes, 0)});
        case Rejection::TooLittleGas:
            if (!(duty.finalPsi > duty.startPsi)) return NothingToChargeText(duty, metric);
            return Tr("Reasons", "Each tenth of the charge is %1, no more than the %2 the sizing can step")
                .With({SmallAirAmountText(CountVesselGas(duty).SmallestStepScf(), metric),
                       SmallAirAmountText(MinGasPerStep, metric)});
        case Rejection::GasLiquefies:
            return LiquefiesText(duty.gas, duty.finalPsi, duty.vesselCelsius, OutletName::Final, metric);
        case Rejection::NoGasCount: {
            const VesselGasCount count = CountVesselGas(duty);
            return Tr("Reasons", "The real-gas count of the vessel fails: %1")
                .With({GasRefusalText(duty.gas, count.refusal, AbsoluteBar(duty.finalPsi), duty.vesselCelsius)});
        }
        case Rejection::FillTooQuick:
            return Tr("Reasons", "Fill takes %1 minutes, no longer than the %2 minutes the sizing can time")
                .With({Number(c.fillMinutes, 3), Number(MinFillMinutes, 2)});
        default:
            return LimitText(c.rejection, pump, duty.inletPsi, duty.finalPsi, duty.drivePsi, c.finalRatio,
                             OutletName::Final, metric);
    }
}

Text DischargeOverLimitText(double dischargeCelsius, double limitCelsius, bool metric) {
    return Tr("Reasons", "Its discharge can reach %1, above the %2 limit")
        .With({TemperatureText(dischargeCelsius, metric), TemperatureText(limitCelsius, metric)});
}

}  // namespace zorvik
