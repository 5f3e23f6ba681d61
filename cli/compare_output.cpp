#include "compare_output.h"

#include <algorithm>
#include <optional>

#include "output.h"

namespace zorvik::cli {
namespace {

struct Field {
    const char* key;
    std::string json;
};

std::string Number(double value) { return FullPrecision(value); }
std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Object(const std::vector<Field>& fields) {
    std::string out = "{";
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += (i == 0 ? "\"" : ", \"") + std::string(fields[i].key) + "\": " + fields[i].json;
    return out + "}";
}

template <typename Row>
std::vector<Field> Common(const Row& r) {
    return {{"model", std::to_string(r.Model())},
            {"name", JsonString(r.name)},
            {"listed", Bool(r.Listed())},
            {"reason", r.reason.empty() ? "null" : JsonString(r.reason)}};
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
        {"duty_total_air_scfm", sized(Number(d.dutyTotalAirScfm))},
        {"duty_air_margin_scfm", sized(Optional(d.airMarginScfm))},
        {"above_continuous_guideline", sized(Bool(d.aboveContinuousGuideline))},
    };
}

std::string FlowJsonRow(const FlowComparisonRow& r) {
    const FlowCandidate& c = r.candidate;
    std::vector<Field> f = Common(r);
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
                          {"units_needed", r.unitsNeeded ? std::to_string(*r.unitsNeeded) : "null"},
                          {"units_air_scfm", r.unitsNeeded ? Number(r.unitsDriveAirScfm) : "null"},
                      });
    const std::vector<Field> duty = DutyFields(r);
    f.insert(f.end(), duty.begin(), duty.end());
    const auto sized = [&r](double v) { return r.duty.Sized() ? Number(v) : std::string("null"); };
    f.insert(f.end(), {{"annual_kwh", sized(r.annualKwh)}, {"annual_cost", sized(r.annualCost)}});
    return Object(f);
}

std::string Curve(const std::vector<FillCurvePoint>& curve) {
    std::string out = "[";
    for (std::size_t i = 0; i < curve.size(); ++i)
        out += (i == 0 ? "[" : ", [") + Number(curve[i].minutes) + ", " + Number(curve[i].psig) + "]";
    return out + "]";
}

std::string ChargeJsonRow(const ChargeComparisonRow& r) {
    const ChargeCandidate& c = r.candidate;
    const auto charged = [&c](double v) { return c.charged ? Number(v) : std::string("null"); };
    std::vector<Field> f = Common(r);
    f.insert(f.end(), {
                          {"fill_minutes", charged(c.fillMinutes)},
                          {"total_air_scf", charged(c.driveAirScf)},
                          {"average_air_scfm", charged(c.AverageAirScfm())},
                          {"average_cycles_per_min", charged(c.averageCyclesPerMin)},
                          {"air_limited", Bool(c.airLimited)},
                          {"kwh_per_fill", charged(r.kwhPerFill)},
                          {"cost_per_fill", charged(r.costPerFill)},
                          {"curve", Curve(r.curve)},
                      });
    return Object(f);
}

template <typename Row, typename Json>
std::string Document(const char* application, const std::vector<Row>& rows, bool metric, Json json) {
    std::string out = std::string("{\"application\": \"") + application + "\", \"units\": \"" +
                      (metric ? "metric" : "imperial") + "\", \"rows\": [";
    for (std::size_t i = 0; i < rows.size(); ++i) out += (i == 0 ? "\n  " : ",\n  ") + json(rows[i]);
    return out + (rows.empty() ? "]}\n" : "\n]}\n");
}

}  // namespace

std::string AlignedTable(const ComparisonTable& table) {
    std::vector<std::vector<std::string>> lines = {{""}};
    for (const std::string& m : table.models) lines[0].push_back(m);
    for (const ComparisonTable::Row& row : table.rows) {
        if (row.reasons) continue;
        lines.push_back({row.label});
        for (const std::string& c : row.cells) lines.back().push_back(c);
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
                if (!row.cells[i].empty()) out += table.models[i] + " not listed: " + row.cells[i] + "\n";
    return out;
}

std::string FlowComparisonJson(const std::vector<FlowComparisonRow>& rows, bool metric) {
    return Document("flow", rows, metric, FlowJsonRow);
}

std::string ChargeComparisonJson(const std::vector<ChargeComparisonRow>& rows, bool metric) {
    return Document("fill", rows, metric, ChargeJsonRow);
}

}  // namespace zorvik::cli
