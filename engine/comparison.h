#pragma once
// Candidates side by side: every chosen model evaluated at one duty with the
// same procedure and air limit as the selection list, the figures an
// engineer weighs them by, the running cost of its air and, for a model the
// selection would not list, why not. Internal units: psig, scfm, scf,
// minutes; `metric` only decides the units of the reasons' texts.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "charge_search.h"
#include "flow_search.h"
#include "running_cost.h"

namespace zorvik {

struct FlowComparisonRow {
    FlowCandidate candidate;         // as the selection list has it
    std::string name;                // series and ratio, as listed
    double totalAirScfm = 0;         // outlet flow + drive air
    double speedPercent = 0;         // delivered speed, % of the maximum
    double outletMarginPsi = 0;      // model's maximum outlet - required outlet
    std::optional<int> unitsNeeded;  // identical units in parallel for the required flow
    double unitsDriveAirScfm = 0;    // their drive air together
    double annualKwh = 0;
    double annualCost = 0;
    std::string reason;  // empty when listed

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
    std::string reason;

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
