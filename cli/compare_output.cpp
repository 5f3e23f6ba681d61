#include "compare_output.h"

#include <algorithm>
#include <optional>

#include "fixed_format.h"
#include "output.h"

namespace zorvik::cli {
namespace {

struct Field {
    const char* key;
    std::string json;
};

std::string Number(double value) { return FullPrecision(value); }
std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Object(const std::vector<Field>& fields, const std::string& more) {
    std::string out = "{";
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += (i == 0 ? "\"" : ", \"") + std::string(fields[i].key) + "\": " + fields[i].json;
    return out + more + "}";
}

template <typename Row>
std::vector<Field> Common(const Row& r, const Translator* reader) {
    return {{"model", WholeNumber(r.Model())},
            {"name", JsonString(ModelName(r.name, ""))},
            {"listed", Bool(r.Listed())},
            {"reason", r.reason.Empty() ? "null" : JsonString(Say(r.reason, reader))}};
}

std::string Optional(const std::optional<double>& value) { return value ? Number(*value) : "null"; }

// The model doing the duty; its figures are null where no installation is sized.
std::vector<Field> DutyFields(const FlowComparisonRow& r) {
    const FlowDutyPoint& d = r.duty;
    const auto sized = [&d](const std::string& json) { return d.Sized() ? json : std::string("null"); };
    return {
        {"meets_duty", Bool(d.MeetsDuty())},
        {"near_miss", Bool(d.nearMiss)},
        {"full_speed_flow_scfm", Number(d.fullSpeedFlowScfm)},
        {"full_speed_percent", Number(d.fullSpeedPercent)},
        {"full_speed_air_scfm", Number(d.fullSpeedAirScfm)},
        {"duty_speed_percent", sized(Number(d.dutySpeedPercent))},
        {"duty_cycles_per_min", sized(Number(d.dutyCyclesPerMin))},
        {"duty_air_scfm", sized(Number(d.dutyAirScfm))},
        {"duty_total_air_scfm", sized(Number(r.dutyTotalAirScfm))},
        {"duty_air_margin_scfm", sized(Optional(d.airMarginScfm))},
        {"above_continuous_guideline", sized(Bool(d.aboveContinuousGuideline))},
    };
}

// The gas figures the window's table shows: the mass at the duty, the
// discharge bound at the outlet or final pressure.
GasRowFigures GasFiguresOf(const Comparison& c, const GasFigures& g, bool delivers) {
    GasRowFigures f{c.gas.gas, std::nullopt, g.discharge, g.overLimit};
    if (delivers) f.flowScfm = g.flowScfm;
    return f;
}

GasRowFigures GasFiguresOf(const Comparison& c, const FlowComparisonRow& r) { return GasFiguresOf(c, r.gas, true); }

GasRowFigures GasFiguresOf(const Comparison& c, const ChargeComparisonRow& r) {
    return GasFiguresOf(c, r.gas, r.candidate.charged);
}

// A row with the gas members after its own.
std::string FlowJsonRow(const FlowComparisonRow& r, const std::string& gasMembers, const Translator* reader) {
    const FlowCandidate& c = r.candidate;
    std::vector<Field> f = Common(r, reader);
    f.insert(f.end(), {
                          {"flow_scfm", Number(c.delivered.flowScfm)},
                          {"air_scfm", Number(c.delivered.airUseScfm)},
                          {"total_air_scfm", Number(r.totalAirScfm)},
                          {"cycles_per_min", Number(c.cyclesPerMin)},
                          {"speed_percent", Number(r.speedPercent)},
                          {"compression_ratio", Number(c.requested.compressionRatio)},
                          {"volumetric_efficiency", Number(c.requested.volumetricEfficiency)},
                          {"stall_psi", Number(c.requested.stallOutletPsi)},
                          {"outlet_margin_psi", Number(r.outletMarginPsi)},
                          {"air_limited", Bool(c.delivered.airLimited)},
                          {"cut_back_to_air", Bool(c.CutBackToAir())},
                          {"units_needed", r.unitsNeeded ? WholeNumber(*r.unitsNeeded) : "null"},
                          {"units_air_scfm", r.unitsNeeded ? Number(r.unitsDriveAirScfm) : "null"},
                      });
    const std::vector<Field> duty = DutyFields(r);
    f.insert(f.end(), duty.begin(), duty.end());
    const auto sized = [&r](double v) { return r.duty.Sized() ? Number(v) : std::string("null"); };
    f.insert(f.end(), {{"annual_kwh", sized(r.annualKwh)}, {"annual_cost", sized(r.annualCost)}});
    return Object(f, gasMembers);
}

std::string Curve(const std::vector<FillCurvePoint>& curve) {
    std::string out = "[";
    for (std::size_t i = 0; i < curve.size(); ++i)
        out += (i == 0 ? "[" : ", [") + Number(curve[i].minutes) + ", " + Number(curve[i].psig) + "]";
    return out + "]";
}

std::string ChargeJsonRow(const ChargeComparisonRow& r, const std::string& gasMembers, const Translator* reader) {
    const ChargeCandidate& c = r.candidate;
    const auto charged = [&c](double v) { return c.charged ? Number(v) : std::string("null"); };
    std::vector<Field> f = Common(r, reader);
    f.insert(f.end(), {
                          {"fill_minutes", charged(c.fillMinutes)},
                          {"total_air_scf", charged(c.driveAirScf)},
                          {"average_air_scfm", charged(c.AverageAirScfm())},
                          {"average_cycles_per_min", charged(c.averageCyclesPerMin)},
                          {"air_limited", Bool(c.airLimited)},
                          {"cut_back_to_air", Bool(c.cutBackToAir)},
                          {"kwh_per_fill", charged(r.kwhPerFill)},
                          {"cost_per_fill", charged(r.costPerFill)},
                          {"curve", Curve(r.curve)},
                      });
    return Object(f, gasMembers);
}

// The gas members of a row: a fill's figure of the gas delivered after
// those of every row.
std::string RowGasJson(const Comparison& c, const FlowComparisonRow& r) { return GasRowJson(GasFiguresOf(c, r)); }

std::string RowGasJson(const Comparison& c, const ChargeComparisonRow& r) {
    return GasRowJson(GasFiguresOf(c, r)) +
           ", \"gas_delivered_scf\": " + (r.candidate.charged ? Number(r.candidate.gasDeliveredScf) : "null");
}

template <typename Row, typename Json>
std::string JsonRows(const std::vector<Row>& rows, const Comparison& comparison, Json json, const std::string& indent,
                     const std::string& closing) {
    if (rows.empty()) return "[]";
    std::string out = "[";
    for (std::size_t i = 0; i < rows.size(); ++i)
        out += (i == 0 ? "\n" : ",\n") + indent + json(rows[i], RowGasJson(comparison, rows[i]), comparison.reader);
    return out + "\n" + closing + "]";
}

}  // namespace

Comparison CompareModels(const SelectionResult& run, const std::vector<int>& models, const CostSettings& cost,
                         const GasOptions& gas, const Translator* reader) {
    Comparison c{run.IsFill(), run.metric, gas, run.flowDuty, run.chargeDuty, {}, {}, reader};
    if (c.fill)
        c.chargeRows = CompareForCharge(c.chargeDuty, models, cost, c.metric);
    else
        c.flowRows = CompareForFlow(c.flowDuty, models, cost, c.metric);
    return c;
}

ComparisonTable TableOf(const Comparison& comparison) {
    ComparisonTable table = comparison.fill ? ChargeComparisonTable(comparison.chargeRows, comparison.metric)
                                            : FlowComparisonTable(comparison.flowRows, comparison.metric);
    for (ComparisonTable::Row& row : table.rows)
        if (row.reasons)
            for (Text& cell : row.cells) cell = Say(cell, comparison.reader);
    return table;
}

std::string AlignedTable(const ComparisonTable& table) {
    std::vector<std::vector<std::string>> lines = {{""}};
    for (const std::string& m : table.models) lines[0].push_back(m);
    for (const ComparisonTable::Row& row : table.rows) {
        if (row.reasons) continue;
        lines.push_back({English(row.label)});
        for (const Text& c : row.cells) lines.back().push_back(English(c));
    }
    std::vector<std::size_t> widths(lines[0].size(), 0);
    for (const auto& line : lines)
        for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());
    std::string out;
    for (const auto& line : lines) {
        std::string text = line[0] + std::string(widths[0] - line[0].size(), ' ');
        for (std::size_t i = 1; i < line.size(); ++i)
            text += "  " + std::string(widths[i] - line[i].size(), ' ') + line[i];
        out += text + "\n";
    }
    // The reasons are sentences: a line each under the table.
    for (const ComparisonTable::Row& row : table.rows)
        if (row.reasons)
            for (std::size_t i = 0; i < row.cells.size(); ++i)
                if (!row.cells[i].Empty()) out += table.models[i] + ": " + English(row.cells[i]) + "\n";
    return out;
}

std::string ComparisonJsonHead(bool fill, bool metric, const GasOptions& gas) {
    return std::string("{\"application\": \"") + (fill ? "fill" : "flow") + "\", \"units\": \"" +
           (metric ? "metric" : "imperial") + "\"" + GasJsonMembers(gas, fill) + ", ";
}

std::string ComparisonJsonRows(const Comparison& comparison, const std::string& indent, const std::string& closing) {
    return comparison.fill ? JsonRows(comparison.chargeRows, comparison, ChargeJsonRow, indent, closing)
                           : JsonRows(comparison.flowRows, comparison, FlowJsonRow, indent, closing);
}

std::string ComparisonJson(const Comparison& comparison) {
    return ComparisonJsonHead(comparison.fill, comparison.metric, comparison.gas) +
           "\"rows\": " + ComparisonJsonRows(comparison, "  ", "") + "}\n";
}

}  // namespace zorvik::cli
