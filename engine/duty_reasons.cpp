#include "duty_reasons.h"

#include <utility>

#include "comparison_reasons.h"
#include "comparison_units.h"
#include "fixed_format.h"
#include "model_limits.h"
#include "text.h"
#include "units.h"

namespace zorvik {
namespace {

std::string Number(double value, int decimals) { return FormatFixed(value, 7, decimals); }

std::string Percent(double percent) { return Number(percent, 0) + " %"; }

// A shortfall as a share: tenths under 10 %, so a near miss never reads "0 %".
Text ShortfallText(double share) {
    if (share < 0.0005) return Tr("Reasons", "under 0.1 %");
    return Number(share * 100, share < 0.1 ? 1 : 0) + " %";
}

// Two figures side by side ("1.92 ... short of the 2.00") never read alike:
// more decimals until they differ.
std::pair<std::string, std::string> Distinct(double a, double b, int decimals, double scale) {
    std::pair<std::string, std::string> texts{Number(a * scale, decimals), Number(b * scale, decimals)};
    for (int more = decimals + 1; texts.first == texts.second && more <= decimals + 4; ++more)
        texts = {Number(a * scale, more), Number(b * scale, more)};
    return texts;
}

// Gas flows at the list's decimals, drive air in scfm or n.m3/min with the
// decimals a sentence about a shortfall needs.
std::pair<std::string, std::string> Flows(double a, double b, bool metric) {
    std::pair<std::string, std::string> texts{GasFlowNumber(a, metric), GasFlowNumber(b, metric)};
    if (texts.first != texts.second) return texts;
    return metric ? Distinct(a, b, 2, units::LitresPerCubicFoot) : Distinct(a, b, 3, 1);
}

constexpr double kNormalCubicMetresPerScf = units::LitresPerCubicFoot / 1000;

std::pair<std::string, std::string> Airs(double a, double b, bool metric) {
    return metric ? Distinct(a, b, 2, kNormalCubicMetresPerScf) : Distinct(a, b, 1, 1);
}

std::string AirText(double scfm, bool metric) {
    return (metric ? Number(scfm * kNormalCubicMetresPerScf, 2) : Number(scfm, 1)) + " " + DriveAirUnit(metric);
}

Text NearMiss(const Text& text, const FlowDutyPoint& p) {
    return p.nearMiss ? Tr("Reasons", "%1 (a near miss)").With({text}) : text;
}

// "... on 0.71 of the 0.80 n.m3/min available", or of drive air when air is ignored.
Text OnAir(const Text& text, const FlowDuty& duty, double airScfm, bool metric) {
    if (duty.ignoreAirAvailable) return Tr("Reasons", "%1 on %2 of drive air").With({text, AirText(airScfm, metric)});
    const auto [used, available] = Airs(airScfm, duty.airAvailableScfm, metric);
    return Tr("Reasons", "%1 on %2 of the %3 available").With({text, used, available + " " + DriveAirUnit(metric)});
}

Text MeetsText(const FlowDuty& duty, const FlowDutyPoint& p, bool metric) {
    const std::string speed = Percent(p.dutySpeedPercent);
    Text text = AsksForFlow(duty) ? Tr("Reasons", "Meets the duty at %1 of maximum speed").With({speed})
                                  : Tr("Reasons", "Meets the duty delivering %1 at %2 of maximum speed")
                                        .With({GasFlowText(p.dutyFlowScfm, metric), speed});
    if (p.aboveContinuousGuideline)
        text = Tr("Reasons", "%1 (above the %2 advised for continuous duty)")
                   .With({text, Percent(ContinuousDutySpeed * 100)});
    return OnAir(text, duty, p.dutyAirScfm, metric);
}

Text FlowShortText(const FlowDuty& duty, const FlowDutyPoint& p, bool metric) {
    const auto [full, required] = Flows(p.fullSpeedFlowScfm, duty.flowRequiredScfm, metric);
    const std::string unit = GasFlowUnit(metric);
    const Text text = NearMiss(Tr("Reasons", "Delivers %1 flat out, %2 short of the %3 required")
                                   .With({full + " " + unit, ShortfallText(p.shortfall), required + " " + unit}),
                               p);
    if (!p.Sized())
        return Tr("Reasons", "%1; it would take more than %2 units in parallel")
            .With({text, WholeNumber(MaxUnitsInParallel)});
    const Text units =
        Tr("Reasons", "%1; %2 units in parallel, each at %3 of maximum speed, use %4 of drive air together")
            .With({text, WholeNumber(p.unitsInParallel), Percent(p.dutySpeedPercent),
                   AirText(p.unitsDriveAirScfm, metric)});
    if (duty.ignoreAirAvailable) return units;
    const bool fits = p.airMarginScfm && *p.airMarginScfm >= 0;
    if (fits) return Tr("Reasons", "%1, within the %2 available").With({units, AirText(duty.airAvailableScfm, metric)});
    return Tr("Reasons", "%1, more than the %2 available").With({units, AirText(duty.airAvailableScfm, metric)});
}

Text AirShortText(const FlowDuty& duty, const FlowDutyPoint& p, bool metric) {
    const auto [needed, available] = Airs(p.unitsDriveAirScfm, duty.airAvailableScfm, metric);
    const std::string unit = DriveAirUnit(metric);
    return NearMiss(Tr("Reasons", "Needs %1 of drive air at %2 of maximum speed; the %3 available is %4 short")
                        .With({needed + " " + unit, Percent(p.dutySpeedPercent), available + " " + unit,
                               ShortfallText(p.shortfall)}),
                    p);
}

}  // namespace

Text FlowDutyText(const TPumpRecord& pump, const FlowDuty& duty, const FlowDutyPoint& p, bool metric) {
    switch (p.failedTest) {
        case DutyTest::None:
            return MeetsText(duty, p, metric);
        case DutyTest::GasLiquefies:
            return LiquefiesText(duty.gas, duty.outletPsi, duty.gasCelsius, OutletName::Outlet, metric);
        case DutyTest::NoFlow: {
            const Text text = NoFlowText(pump, duty.Point(), OutletName::Outlet, metric);
            return AsksForFlow(duty) ? WithFlowRequired(text, duty.flowRequiredScfm, metric) : text;
        }
        case DutyTest::FlowShort:
            return FlowShortText(duty, p, metric);
        case DutyTest::ModelLimits: {
            const double ratio = EvaluatePoint(pump, duty.Point()).compressionRatio;
            return LimitText(FirstExceededLimit(pump, duty.inletPsi, duty.outletPsi, duty.drivePsi, ratio), pump,
                             duty.inletPsi, duty.outletPsi, duty.drivePsi, ratio, OutletName::Outlet, metric);
        }
        case DutyTest::AirShort:
            return AirShortText(duty, p, metric);
    }
    return {};
}

Text FlowDutyReasonText(const TPumpRecord& pump, const FlowDuty& duty, const FlowCandidate& c, const FlowDutyPoint& p,
                        bool metric) {
    if (c.Listed()) return {};
    const Text text = FlowDutyText(pump, duty, p, metric);
    if (!p.MeetsDuty()) return text;
    // Meeting the duty, a model is left out only by the list's own method:
    // cut back to the air at a raised outlet pressure, or a flow no more
    // than exactly the one required.
    if (c.delivered.airLimited)
        return Tr("Reasons",
                  "%1; the list's method, which runs the amplifier flat out on the air available, leaves "
                  "it out")
            .With({text});
    return Tr("Reasons", "%1; the list leaves it out as it asks for more than exactly the flow required").With({text});
}

}  // namespace zorvik
