#pragma once
// Output of the compare command: the window's table (one column per model)
// aligned or as CSV, or JSON with every model's figures at full precision
// in psig, scfm, scf and minutes. A gas other than air, or a temperature
// limit, adds its rows to the table; JSON always has its figures.

#include <string>
#include <vector>

#include "comparison.h"
#include "comparison_table.h"
#include "gas_options.h"
#include "selection_result.h"

namespace zorvik::cli {

// One comparison: the models at the duty a selection run read, in its
// application and units, with the gas options.
struct Comparison {
    bool fill = false;
    bool metric = false;
    GasOptions gas;
    FlowDuty flowDuty;
    ChargeDuty chargeDuty;
    std::vector<FlowComparisonRow> flowRows;
    std::vector<ChargeComparisonRow> chargeRows;
    // Why a model is not listed is written for people, in the language of
    // --language; the table and the JSON around it stay English.
    const Translator* reader = nullptr;
};

Comparison CompareModels(const SelectionResult& run, const std::vector<int>& models, const CostSettings& cost,
                         const GasOptions& gas, const Translator* reader);

// The window's table, with the gas's rows after its figures when it shows
// them; the reasons said in the comparison's language, the rest English.
ComparisonTable TableOf(const Comparison& comparison);

// The table with its columns lined up: labels left, cells right; the
// reasons as sentences under it.
std::string AlignedTable(const ComparisonTable& table);

// The JSON document, and its parts for a batch: the members that open it
// (each followed by ", ") and the rows.
std::string ComparisonJson(const Comparison& comparison);
std::string ComparisonJsonHead(bool fill, bool metric, const GasOptions& gas);
std::string ComparisonJsonRows(const Comparison& comparison, const std::string& indent, const std::string& closing);

}  // namespace zorvik::cli
