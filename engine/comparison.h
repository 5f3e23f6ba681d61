#pragma once
// Candidates side by side: every chosen model evaluated at one duty with the
// same procedure and air limit as the selection list, the figures an
// engineer weighs them by, how it does the duty itself (the flow asked for,
// at the pressures typed), the running cost of the air at that duty and, for
// a model the selection would not list, why not. Internal units: psig, scfm,
// scf, minutes; `metric` only decides the units of the reasons' texts.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "charge_search.h"
#include "duty_point.h"
#include "flow_search.h"
#include "gas_figures.h"
#include "running_cost.h"

namespace zorvik {

// What the gas makes of a model's duty: the mass it delivers (kg/h), how
// hot it gets in each stage at the outlet or final pressure, and whether
// that passes the duty's limit. Shown only where the gas is not air or a
// limit is set (`shown`), so a comparison of air reads as before.
struct GasFigures {
    bool shown = false;
    double flowScfm = 0;  // the standard flow whose mass is shown: at the duty where sized
    double massFlowKgPerHour = 0;
    std::optional<StageTemperatures> discharge;
    bool overLimit = false;
};

struct FlowComparisonRow {
    FlowCandidate candidate;         // as the selection list has it
    FlowDutyPoint duty;              // the model doing the duty, throttled to the flow asked for
    std::string name;                // series and ratio, as listed
    bool flowIsDriveAir = false;     // the gas is air from the drive supply: its flow is compressor air too
    double totalAirScfm = 0;         // the list's drive air, + its outlet flow when flowIsDriveAir
    double dutyTotalAirScfm = 0;     // the units' drive air at the duty, + the duty's flow when flowIsDriveAir
    double speedPercent = 0;         // the list's speed, % of the maximum
    double outletMarginPsi = 0;      // model's maximum outlet - required outlet
    std::optional<int> unitsNeeded;  // = duty.unitsInParallel when a flow is asked for and units are sized
    double unitsDriveAirScfm = 0;    // = duty.unitsDriveAirScfm: each unit at its share of the flow
    double annualKwh = 0;            // of the air at the duty (duty.Sized()), else 0
    double annualCost = 0;
    Text reason;  // empty when listed; judged at the duty (FlowDutyReasonText), and the discharge limit
    GasFigures gas;

    int Model() const { return candidate.pumpNo; }
    bool Listed() const { return candidate.Listed(); }
};

// Vessel pressure, psig, after `minutes` of the charge.
struct FillCurvePoint {
    double minutes = 0;
    double psig = 0;
};

struct ChargeComparisonRow {
    ChargeCandidate candidate;
    std::string name;
    // The ten steps of the charge: start, then each step's end; the last is
    // at the fill time. Empty when the model could not be charged.
    std::vector<FillCurvePoint> curve;
    double kwhPerFill = 0;
    double costPerFill = 0;
    Text reason;
    GasFigures gas;  // at the final pressure

    int Model() const { return candidate.pumpNo; }
    bool Listed() const { return candidate.Listed(); }
};

std::vector<FlowComparisonRow> CompareForFlow(const FlowDuty& duty, const std::vector<int>& models,
                                              const CostSettings& cost, bool metric);

std::vector<ChargeComparisonRow> CompareForCharge(const ChargeDuty& duty, const std::vector<int>& models,
                                                  const CostSettings& cost, bool metric);

// All fifteen models, 1 to 15.
std::vector<int> AllModels();

}  // namespace zorvik
