#include "duty_reasons.h"

#include <utility>

#include "comparison_reasons.h"
#include "comparison_units.h"
#include "fixed_format.h"
#include "model_limits.h"
#include "units.h"

namespace zorvik {
namespace {

std::string Number(double value, int decimals) { return FormatFixed(value, 7, decimals); }

std::string Percent(double percent) { return Number(percent, 0) + " %"; }

// A shortfall as a share: tenths under 10 %, so a near miss never reads "0 %".
std::string ShortfallText(double share) {
    if (share < 0.0005) return "under 0.1 %";
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

std::string Required(const FlowDuty& duty, bool metric) {
    return AsksForFlow(duty) ? "; " + GasFlowText(duty.flowRequiredScfm, metric) + " is required" : std::string();
}

std::string NearMiss(const FlowDutyPoint& p) { return p.nearMiss ? " (a near miss)" : ""; }

// "... on 0.71 of the 0.80 n.m3/min available", or of drive air when air is ignored.
std::string OnAir(const FlowDuty& duty, double airScfm, bool metric) {
    if (duty.ignoreAirAvailable) return " on " + AirText(airScfm, metric) + " of drive air";
    const auto [used, available] = Airs(airScfm, duty.airAvailableScfm, metric);
    return " on " + used + " of the " + available + " " + DriveAirUnit(metric) + " available";
}

std::string MeetsText(const FlowDuty& duty, const FlowDutyPoint& p, bool metric) {
    std::string text = "Meets the duty";
    if (!AsksForFlow(duty)) text += " delivering " + GasFlowText(p.dutyFlowScfm, metric);
    text += " at " + Percent(p.dutySpeedPercent) + " of maximum speed";
    if (p.aboveContinuousGuideline)
        text += " (above the " + Percent(ContinuousDutySpeed * 100) + " advised for continuous duty)";
    return text + OnAir(duty, p.dutyAirScfm, metric);
}

std::string FlowShortText(const FlowDuty& duty, const FlowDutyPoint& p, bool metric) {
    const auto [full, required] = Flows(p.fullSpeedFlowScfm, duty.flowRequiredScfm, metric);
    const char* unit = GasFlowUnit(metric);
    std::string text = "Delivers " + full + " " + unit + " flat out, " + ShortfallText(p.shortfall) + " short of the " +
                       required + " " + unit + " required" + NearMiss(p);
    if (!p.Sized())
        return text + "; it would take more than " + std::to_string(MaxUnitsInParallel) + " units in parallel";
    text += "; " + std::to_string(p.unitsInParallel) + " units in parallel, each at " + Percent(p.dutySpeedPercent) +
            " of maximum speed, use " + AirText(p.unitsDriveAirScfm, metric) + " of drive air together";
    if (duty.ignoreAirAvailable) return text;
    const bool fits = p.airMarginScfm && *p.airMarginScfm >= 0;
    return text + (fits ? ", within the " : ", more than the ") + AirText(duty.airAvailableScfm, metric) + " available";
}

std::string AirShortText(const FlowDuty& duty, const FlowDutyPoint& p, bool metric) {
    const auto [needed, available] = Airs(p.unitsDriveAirScfm, duty.airAvailableScfm, metric);
    const char* unit = DriveAirUnit(metric);
    return "Needs " + needed + " " + unit + " of drive air at " + Percent(p.dutySpeedPercent) +
           " of maximum speed; the " + available + " " + unit + " available is " + ShortfallText(p.shortfall) +
           " short" + NearMiss(p);
}

}  // namespace

std::string FlowDutyText(const TPumpRecord& pump, const FlowDuty& duty, const FlowDutyPoint& p, bool metric) {
    switch (p.failedTest) {
        case DutyTest::None:
            return MeetsText(duty, p, metric);
        case DutyTest::GasLiquefies:
            return LiquefiesText(duty.gas, duty.outletPsi, duty.gasCelsius, "outlet pressure", metric);
        case DutyTest::NoFlow:
            return NoFlowText(pump, duty.Point(), "outlet pressure", metric) + Required(duty, metric);
        case DutyTest::FlowShort:
            return FlowShortText(duty, p, metric);
        case DutyTest::ModelLimits: {
            const double ratio = EvaluatePoint(pump, duty.Point()).compressionRatio;
            return LimitText(FirstExceededLimit(pump, duty.inletPsi, duty.outletPsi, duty.drivePsi, ratio), pump,
                             duty.inletPsi, duty.outletPsi, duty.drivePsi, ratio, "Outlet pressure", metric);
        }
        case DutyTest::AirShort:
            return AirShortText(duty, p, metric);
    }
    return {};
}

std::string FlowDutyReasonText(const TPumpRecord& pump, const FlowDuty& duty, const FlowCandidate& c,
                               const FlowDutyPoint& p, bool metric) {
    if (c.Listed()) return {};
    const std::string text = FlowDutyText(pump, duty, p, metric);
    if (!p.MeetsDuty()) return text;
    // Meeting the duty, a model is left out only by the list's own method:
    // cut back to the air at a raised outlet pressure, or a flow no more
    // than exactly the one required.
    if (c.delivered.airLimited)
        return text + "; the list's method, which runs the amplifier flat out on the air available, leaves it out";
    return text + "; the list leaves it out as it asks for more than exactly the flow required";
}

}  // namespace zorvik
