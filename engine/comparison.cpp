#include "comparison.h"

#include "catalogue.h"
#include "comparison_reasons.h"
#include "duty_reasons.h"

namespace zorvik {
namespace {

// Units in parallel are offered only for a flow asked for; a model that
// delivers nothing, or would take too many, gets none.
void SizeParallelUnits(const FlowDuty& duty, FlowComparisonRow& row) {
    if (!AsksForFlow(duty) || !row.duty.Sized()) return;
    row.unitsNeeded = row.duty.unitsInParallel;
    row.unitsDriveAirScfm = row.duty.unitsDriveAirScfm;
}

// The gas flow is air the compressor makes only when the gas boosted is air
// taken from the drive supply: a cylinder of nitrogen costs no drive air.
bool FlowIsDriveAir(const FlowDuty& duty, const CostSettings& cost) {
    return cost.inletIsPlantAir && duty.gas == Gas::Air;
}

// The running cost is the air of the duty: the full output is capacity.
void CostAtTheDuty(const CostSettings& cost, FlowComparisonRow& row) {
    if (!row.duty.Sized()) return;
    const double gasAir = row.flowIsDriveAir ? row.duty.dutyFlowScfm : 0;
    row.dutyTotalAirScfm = row.duty.unitsDriveAirScfm + gasAir;
    row.annualKwh = AnnualKwh(cost, row.dutyTotalAirScfm);
    row.annualCost = CostOf(cost, row.annualKwh);
}

GasFigures GasFiguresOf(const TPumpRecord& pump, Gas gas, double inletPsi, double outletPsi, double inletCelsius,
                        std::optional<double> limitCelsius, double flowScfm) {
    GasFigures f;
    f.shown = gas != Gas::Air || limitCelsius.has_value();
    f.flowScfm = flowScfm;
    f.massFlowKgPerHour = MassFlowKgPerHour(gas, flowScfm);
    f.discharge = DischargeTemperatures(pump, gas, inletPsi, outletPsi, inletCelsius);
    f.overLimit = f.discharge && ExceedsTemperatureLimit(*f.discharge, limitCelsius);
    return f;
}

// A discharge above the limit is said beside why a model is not listed, or
// alone for a listed one.
void SayOverLimit(const GasFigures& gas, std::optional<double> limitCelsius, bool metric, Text& reason) {
    if (!gas.overLimit) return;
    const Text over = DischargeOverLimitText(gas.discharge->Highest(), *limitCelsius, metric);
    reason = reason.Empty() ? over : reason + "; " + over;
}

FlowComparisonRow FlowRow(const TPumpRecord& pump, const FlowDuty& duty, const CostSettings& cost, bool metric) {
    FlowComparisonRow row;
    row.candidate = EvaluateForFlow(pump, duty);
    row.duty = EvaluateFlowDuty(pump, duty, row.candidate.requested);
    row.name = pump.DisplayName();
    const DeliveredPoint& d = row.candidate.delivered;
    row.flowIsDriveAir = FlowIsDriveAir(duty, cost);
    row.totalAirScfm = d.airUseScfm + (row.flowIsDriveAir ? d.flowScfm : 0);
    row.speedPercent = d.speedFraction * 100;
    row.outletMarginPsi = pump.MaxOutletPsi - duty.outletPsi;
    SizeParallelUnits(duty, row);
    CostAtTheDuty(cost, row);
    row.reason = FlowDutyReasonText(pump, duty, row.candidate, row.duty, metric);
    row.gas = GasFiguresOf(pump, duty.gas, duty.inletPsi, duty.outletPsi, duty.gasCelsius, duty.temperatureLimitCelsius,
                           row.duty.Sized() ? row.duty.dutyFlowScfm : d.flowScfm);
    SayOverLimit(row.gas, duty.temperatureLimitCelsius, metric, row.reason);
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
    row.gas = GasFiguresOf(pump, duty.gas, duty.inletPsi, duty.finalPsi, duty.vesselCelsius,
                           duty.temperatureLimitCelsius, c.charged ? c.AverageGasScfm() : 0);
    SayOverLimit(row.gas, duty.temperatureLimitCelsius, metric, row.reason);
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
