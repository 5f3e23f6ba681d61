#pragma once
// --kw-per-100scfm, --hours, --price and --inlet-is-plant-air: the running
// cost settings of compare and job new, each within what the windows take.

#include <string>

#include "arguments.h"
#include "running_cost.h"

namespace zorvik::cli {

inline constexpr const char* CostOptionNames[] = {"kw-per-100scfm", "hours", "price"};

// The options given, over `cost`; false with the usage error for a value
// that is no number, negative or above its highest.
bool ReadCostOptions(const Arguments& parsed, CostSettings& cost, std::string& error);

}  // namespace zorvik::cli
