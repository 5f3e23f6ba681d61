#include "item_figures.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "fixed_format.h"

namespace zorvik::job {
namespace {

struct FlowFigure {
    const char* key;
    double (*value)(const FlowComparisonRow&);
};

struct FillFigure {
    const char* key;
    double (*value)(const ChargeComparisonRow&);
};

// clang-format off
constexpr FlowFigure kFlowFigures[] = {
    {"flow_scfm",         [](const FlowComparisonRow& r) { return r.candidate.delivered.flowScfm; }},
    {"air_scfm",          [](const FlowComparisonRow& r) { return r.candidate.delivered.airUseScfm; }},
    {"cycles_per_min",    [](const FlowComparisonRow& r) { return r.candidate.cyclesPerMin; }},
    {"compression_ratio", [](const FlowComparisonRow& r) { return r.candidate.requested.compressionRatio; }},
    {"stall_psi",         [](const FlowComparisonRow& r) { return r.candidate.requested.stallOutletPsi; }},
    {"annual_kwh",        [](const FlowComparisonRow& r) { return r.annualKwh; }},
    {"annual_cost",       [](const FlowComparisonRow& r) { return r.annualCost; }},
};

// Only of a model that could be charged.
constexpr FillFigure kFillFigures[] = {
    {"fill_minutes",           [](const ChargeComparisonRow& r) { return r.candidate.fillMinutes; }},
    {"total_air_scf",          [](const ChargeComparisonRow& r) { return r.candidate.driveAirScf; }},
    {"average_air_scfm",       [](const ChargeComparisonRow& r) { return r.candidate.AverageAirScfm(); }},
    {"average_cycles_per_min", [](const ChargeComparisonRow& r) { return r.candidate.averageCyclesPerMin; }},
    {"kwh_per_fill",           [](const ChargeComparisonRow& r) { return r.kwhPerFill; }},
    {"cost_per_fill",          [](const ChargeComparisonRow& r) { return r.costPerFill; }},
};
// clang-format on

constexpr double kRelativeTolerance = 1e-8;

// A figure that is not finite has no value, as in the comparison's JSON.
void Put(ItemFigures& figures, const char* key, double value) {
    if (std::isfinite(value)) figures.numbers[key] = value;
}

void PutFlow(const FlowComparisonRow& row, ItemFigures& figures) {
    for (const FlowFigure& f : kFlowFigures) Put(figures, f.key, f.value(row));
    if (row.unitsNeeded) Put(figures, "units_needed", *row.unitsNeeded);
    figures.flags["listed"] = row.Listed();
    figures.flags["air_limited"] = row.candidate.delivered.airLimited;
}

void PutFill(const ChargeComparisonRow& row, ItemFigures& figures) {
    if (row.candidate.charged)
        for (const FillFigure& f : kFillFigures) Put(figures, f.key, f.value(row));
    figures.flags["listed"] = row.Listed();
    figures.flags["air_limited"] = row.candidate.airLimited;
}

template <typename Value, typename Text>
void CompareMaps(const std::map<std::string, Value>& saved, const std::map<std::string, Value>& now, Text text,
                 std::vector<FigureChange>& changes) {
    std::set<std::string> names;
    for (const auto& entry : saved) names.insert(entry.first);
    for (const auto& entry : now) names.insert(entry.first);
    for (const std::string& name : names) {
        const auto s = saved.find(name);
        const auto n = now.find(name);
        if (s != saved.end() && n != now.end() && NumbersAgree(s->second, n->second)) continue;
        changes.push_back(
            {name, s == saved.end() ? "none" : text(s->second), n == now.end() ? "none" : text(n->second)});
    }
}

}  // namespace

CostSettings ItemCost(const JobItem& item, const CostSettings& cost) {
    CostSettings own = cost;
    own.inletIsPlantAir = item.duty.inletIsPlantAir.value_or(cost.inletIsPlantAir);
    return own;
}

ItemResult ComputeItem(const JobItem& item, const CostSettings& cost) {
    ItemResult result;
    result.reading = ReadTypedDuty(item.application, item.duty);
    if (!result.reading.Readable() || !item.model) return result;
    const bool metric = item.duty.units == UnitSystem::Metric;
    if (item.application == Application::Flow)
        result.flow = CompareForFlow(result.reading.flow, {*item.model}, ItemCost(item, cost), metric).front();
    else
        result.fill = CompareForCharge(result.reading.fill, {*item.model}, cost, metric).front();
    return result;
}

std::vector<ItemResult> ComputeJob(const Job& job) {
    std::vector<ItemResult> results;
    results.reserve(job.items.size());
    for (const JobItem& item : job.items) results.push_back(ComputeItem(item, job.header.cost));
    return results;
}

ItemFigures FiguresOf(const ItemResult& result) {
    ItemFigures figures;
    figures.refused = ReadingCode(result.reading);
    if (result.reading.equalised) figures.flags["equalised"] = true;
    if (result.flow) PutFlow(*result.flow, figures);
    if (result.fill) PutFill(*result.fill, figures);
    return figures;
}

ItemFigures ComputeFigures(const JobItem& item, const CostSettings& cost) { return FiguresOf(ComputeItem(item, cost)); }

bool NumbersAgree(double saved, double now) {
    return std::fabs(saved - now) <= kRelativeTolerance * std::max(std::fabs(saved), std::fabs(now));
}

std::vector<FigureChange> ChangedFigures(const ItemFigures& saved, const ItemFigures& now) {
    std::vector<FigureChange> changes;
    if (saved.refused != now.refused)
        changes.push_back(
            {"refused", saved.refused.empty() ? "none" : saved.refused, now.refused.empty() ? "none" : now.refused});
    CompareMaps(saved.numbers, now.numbers, ShortestNumber, changes);
    CompareMaps(
        saved.flags, now.flags, [](bool b) { return std::string(b ? "yes" : "no"); }, changes);
    return changes;
}

}  // namespace zorvik::job
