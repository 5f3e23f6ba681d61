#pragma once
// compare --batch: every duty point of a file compared across the chosen
// models, one comparison a case, with the case's line number and the
// columns carried along.

#include <memory>
#include <vector>

#include "batch_command.h"
#include "running_cost.h"

namespace zorvik::cli {

struct CompareBatchSettings {
    bool fill = false;
    bool metric = false;
    std::vector<int> models;
    CostSettings cost;
    GasOptions gas;
    SelectionFormat format = SelectionFormat::Table;
    const Translator* reader = nullptr;  // the reasons' language
};

// Table: each case's heading, then its table or message. CSV: one line per
// figure of each case under the header "case,<carried>,figure,<models>,
// message"; a point that could not be compared gets one line with its
// message. JSON: the comparison's document with "cases" in place of "rows".
std::unique_ptr<BatchWriter> CompareBatchWriter(const CompareBatchSettings& settings);

}  // namespace zorvik::cli
