#pragma once
// An item's figures, always computed from its duty and never taken from a
// file: the chosen model evaluated at the duty by the comparison (the same
// procedure, air limit and running cost as the selection list and the
// comparison window), with the job's cost settings. The figures kept in a
// file are a few of those numbers and facts, compared on reopening with a
// tolerance for the last digits.

#include <optional>
#include <string>
#include <vector>

#include "comparison.h"
#include "job.h"

namespace zorvik::job {

struct ItemResult {
    DutyReading reading;
    // The chosen model at a readable duty, one of them by the application;
    // nothing when no model is chosen or the duty is refused.
    std::optional<FlowComparisonRow> flow;
    std::optional<ChargeComparisonRow> fill;
};

// The job's cost settings as they hold for one item: its own word on
// whether the gas comes from the drive air supply, where it has one.
CostSettings ItemCost(const JobItem& item, const CostSettings& cost);

ItemResult ComputeItem(const JobItem& item, const CostSettings& cost);

// Every item of the job, in order, with the job's cost settings.
std::vector<ItemResult> ComputeJob(const Job& job);

// The figures a file keeps of a result: what stopped the duty, and of the
// chosen model the comparison's numbers under its JSON keys (flow_scfm,
// fill_minutes, annual_cost, ...) and its facts (listed, air_limited,
// equalised).
ItemFigures FiguresOf(const ItemResult& result);

// The figures of the item computed now, as FiguresOf keeps them.
ItemFigures ComputeFigures(const JobItem& item, const CostSettings& cost);

// Two numbers agree when they differ by no more than a millionth of a
// percent of the larger (|a - b| <= 1e-8 x max(|a|, |b|)): the last digits
// may move with a compiler or a processor, an engineering change moves more.
bool NumbersAgree(double saved, double now);

// One figure that differs; a figure that is only on one side reads "none"
// on the other. Numbers are written at full precision, facts yes or no.
struct FigureChange {
    std::string name;
    std::string saved;
    std::string now;
};

// In the order refused, numbers, facts (each by name).
std::vector<FigureChange> ChangedFigures(const ItemFigures& saved, const ItemFigures& now);

}  // namespace zorvik::job
