#pragma once
// A model at the duty a continuous process asks for: at the drive, inlet and
// outlet pressures typed, an amplifier runs only as fast as the required flow
// needs, and its drive air and running cost are those of that speed, not of
// its full output. The selection list answers a different question (what the
// model delivers flat out on the air available, raising the outlet pressure
// until the air fits); both stand side by side.
//
// Units: pressures psig, flows and air uses scfm, speeds as a fraction of
// MaxCyclesPerMin (percent where the name says so).

#include <optional>

#include "catalogue.h"
#include "flow_search.h"
#include "performance_model.h"

namespace zorvik {

// Below this speed the air-use figures (formula and lines alike) fall to no
// air at all; a running amplifier never uses none, so the duty air is read
// at this speed instead. Fraction of the maximum speed, from the drive-air
// formula of the performance model (air use 0 below speed 0.03).
inline constexpr double MinRunningSpeed = 0.03;

// The program's own Operational Guidelines window (Maximum cycle rate):
// derate to about 50 % of the maximum cycle rate for continuous duty.
inline constexpr double ContinuousDutySpeed = 0.5;

// A model short of the flow or of the air by less than this share of what
// the duty needs is a near miss.
inline constexpr double NearMissShortfall = 0.10;

// More units than this in parallel are no longer a choice of amplifier; the
// figures then stay unsized.
inline constexpr int MaxUnitsInParallel = 100;

// The first test a model fails at the duty, in the order the list tests
// them: its flow, then its catalogue limits, then the drive air.
enum class DutyTest {
    None,
    GasLiquefies,  // the gas is liquid at the outlet pressure: no model can deliver it as a gas
    NoFlow,        // delivers nothing at the typed pressures (stalled, or beyond its stroke)
    FlowShort,     // one unit flat out delivers less than the required flow
    ModelLimits,   // the list's catalogue limits (FirstExceededLimit)
    AirShort,      // the drive air at the duty is more than the air available
};

struct FlowDutyPoint {
    // Capacity: one unit flat out at the typed pressures, before any air limit.
    double fullSpeedFlowScfm = 0;
    double fullSpeedPercent = 0;
    double fullSpeedAirScfm = 0;

    // The installation that does the duty: `unitsInParallel` identical units
    // share the duty flow equally. 0 units: none is sized (the model delivers
    // nothing, or it would take more than MaxUnitsInParallel), and the duty
    // figures below are 0.
    int unitsInParallel = 0;
    double dutyFlowScfm = 0;  // the required flow; with any flow, what one unit gives on the air
    double unitFlowScfm = 0;  // each unit's share = dutyFlow / units

    // Each unit at its share.
    double dutySpeedPercent = 0;
    double dutyCyclesPerMin = 0;
    double dutyAirScfm = 0;

    // All units together.
    double unitsDriveAirScfm = 0;           // units x dutyAir
    std::optional<double> airMarginScfm;    // air available - unitsDriveAir; nothing when air is ignored
    bool aboveContinuousGuideline = false;  // each unit above ContinuousDutySpeed

    DutyTest failedTest = DutyTest::None;
    double shortfall = 0;  // FlowShort, AirShort: the share of the flow or air needed that is missing
    bool nearMiss = false;

    bool MeetsDuty() const { return failedTest == DutyTest::None; }
    bool Sized() const { return unitsInParallel > 0; }
};

// The duty asks for a flow: the flow rate is not ignored and is above 0.
inline bool AsksForFlow(const FlowDuty& duty) { return !duty.ignoreFlowRate && duty.flowRequiredScfm > 0; }

// The duty point, from the model's full-speed evaluation at the duty
// (EvaluatePoint(pump, duty.Point())), with F = its flow, s = its speed:
//   units n = ceil(Q / F), at least 1             Q = required flow, scfm
//   each unit's speed s_d = s x (Q / n) / F        flow is proportional to the
//                                                  cycle rate at fixed pressures
//   cycles per minute = s_d x MaxCyclesPerMin
//   drive air a = AirUse(D, max(s_d, 0.03))        models 5-14
//               = AirUse at the outlet and the flow F x max(s_d, 0.03) / s
//                                                  models 1-4, 15 (their lines)
//   units' air = n x a; margin = available - n x a
// With the flow rate ignored (or no flow above 0) the duty is what one unit
// gives: flat out, or as fast as the air available allows (the highest
// speed whose air fits, found to within 1e-9 of the speed).
// A model meets the duty when the gas stays a gas at the outlet pressure
// (real_gas.h), it delivers something, one unit flat out
// reaches Q (F >= Q), it is within the list's catalogue limits at the duty's
// compression ratio, and n x a fits the air available (or air is ignored).
FlowDutyPoint EvaluateFlowDuty(const TPumpRecord& pump, const FlowDuty& duty, const PointResult& fullSpeed);

// The same, evaluating the full-speed point itself.
FlowDutyPoint EvaluateFlowDuty(const TPumpRecord& pump, const FlowDuty& duty);

}  // namespace zorvik
