#pragma once
// Output of the compare command: the window's table (one column per model)
// aligned or as CSV, or JSON with every model's figures at full precision
// in psig, scfm, scf and minutes.

#include <string>
#include <vector>

#include "comparison.h"
#include "comparison_table.h"

namespace zorvik::cli {

// The table with its columns lined up: labels left, cells right.
std::string AlignedTable(const ComparisonTable& table);

std::string FlowComparisonJson(const std::vector<FlowComparisonRow>& rows, bool metric);
std::string ChargeComparisonJson(const std::vector<ChargeComparisonRow>& rows, bool metric);

}  // namespace zorvik::cli
