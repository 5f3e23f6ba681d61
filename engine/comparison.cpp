#include "comparison.h"

#include <cmath>

#include "catalogue.h"
#include "comparison_reasons.h"

namespace zorvik {
namespace {

// Parallel units only make sense when a flow is asked for and one unit
// delivers something.
void SizeParallelUnits(const FlowDuty& duty, FlowComparisonRow& row) {
    const DeliveredPoint& d = row.candidate.delivered;
    if (duty.ignoreFlowRate || !(duty.flowRequiredScfm > 0) || !(d.flowScfm > NoFlowScfm)) return;
    const int units = std::max(1, static_cast<int>(std::ceil(duty.flowRequiredScfm / d.flowScfm)));
    row.unitsNeeded = units;
    row.unitsDriveAirScfm = units * d.airUseScfm;
}

FlowComparisonRow FlowRow(const TPumpRecord& pump, const FlowDuty& duty, const CostSettings& cost, bool metric) {
    FlowComparisonRow row;
    row.candidate = EvaluateForFlow(pump, duty);
    row.name = pump.DisplayName();
    const DeliveredPoint& d = row.candidate.delivered;
    row.totalAirScfm = d.flowScfm + d.airUseScfm;
    row.speedPercent = d.speedFraction * 100;
    row.outletMarginPsi = pump.MaxOutletPsi - duty.outletPsi;
    SizeParallelUnits(duty, row);
    row.annualKwh = AnnualKwh(cost, d.airUseScfm, d.flowScfm);
    row.annualCost = CostOf(cost, row.annualKwh);
    row.reason = FlowRejectionText(pump, duty, row.candidate, metric);
    return row;
}

ChargeComparisonRow ChargeRow(const TPumpRecord& pump, const ChargeDuty& duty, const CostSettings& cost, bool metric) {
    ChargeComparisonRow row;
    row.candidate = EvaluateForCharge(pump, duty);
    row.name = pump.DisplayName();
    const ChargeCandidate& c = row.candidate;
    if (c.charged)
        for (int j = 0; j < ChargeCurvePoints; ++j) row.curve.push_back({c.minutes[j], duty.PressureAtStep(j)});
    row.kwhPerFill = KwhPerFill(cost, c.driveAirScf);
    row.costPerFill = CostOf(cost, row.kwhPerFill);
    row.reason = ChargeRejectionText(pump, duty, c, metric);
    return row;
}

}  // namespace

std::vector<FlowComparisonRow> CompareForFlow(const FlowDuty& duty, const std::vector<int>& models,
                                              const CostSettings& cost, bool metric) {
    std::vector<FlowComparisonRow> rows;
    rows.reserve(models.size());
    for (const int n : models) rows.push_back(FlowRow(CatalogueRow(n), duty, cost, metric));
    return rows;
}

std::vector<ChargeComparisonRow> CompareForCharge(const ChargeDuty& duty, const std::vector<int>& models,
                                                  const CostSettings& cost, bool metric) {
    std::vector<ChargeComparisonRow> rows;
    rows.reserve(models.size());
    for (const int n : models) rows.push_back(ChargeRow(CatalogueRow(n), duty, cost, metric));
    return rows;
}

std::vector<int> AllModels() {
    std::vector<int> models;
    for (int n = 1; n <= PumpCount; ++n) models.push_back(n);
    return models;
}

}  // namespace zorvik
