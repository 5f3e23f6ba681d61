#pragma once
// The comparison as the window shows it: one column per model, one row per
// figure, every cell a text in the selection window's units. The same table
// is copied as tab-separated text and saved as CSV. Why a model is not
// listed comes near the top, after whether it is listed and meets the duty:
// it is what an engineer reads first.

#include <string>
#include <vector>

#include "comparison.h"
#include "text.h"

namespace zorvik {

struct ComparisonTable {
    std::vector<std::string> models;  // column headings: the models' names
    std::vector<int> modelNumbers;    // and their catalogue numbers
    std::vector<bool> listed;         // whether the selection lists each one
    struct Row {
        Text label;               // the figure and its unit
        std::vector<Text> cells;  // one per model
        bool reasons = false;     // the row of why each model is not listed
    };
    std::vector<Row> rows;
};

ComparisonTable FlowComparisonTable(const std::vector<FlowComparisonRow>& rows, bool metric);
ComparisonTable ChargeComparisonTable(const std::vector<ChargeComparisonRow>& rows, bool metric);

// Tab between cells, a line per row, the headings first (a spreadsheet
// pastes it cell for cell), in the translator's language.
std::string TabSeparated(const ComparisonTable& table, const Translator* translator);

// The same as CSV: every text cell quoted, quotes doubled.
std::string CommaSeparated(const ComparisonTable& table, const Translator* translator);

// The reason row's label in English (translated in the context
// "Comparison"). Its sentences say why a model is not listed, and what to
// look at in one that is (a discharge above the temperature limit), so the
// label claims neither.
inline constexpr const char* ReasonRowLabel = ZORVIK_TR_NOOP("Comparison", "Remarks");

}  // namespace zorvik

namespace zorvik {

// One line naming the duty and the cost settings the comparison is for.
Text FlowConditionsText(const FlowDuty& duty, const CostSettings& cost, bool metric);
Text ChargeConditionsText(const ChargeDuty& duty, const CostSettings& cost, bool metric);

}  // namespace zorvik
