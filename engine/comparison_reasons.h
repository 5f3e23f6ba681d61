#pragma once
// Why the selection leaves a model out, in plain words: the first
// qualification test it fails, with the figures that fail it, in the units
// the selection window shows. Empty for a listed model.

#include <string>

#include "catalogue.h"
#include "charge_search.h"
#include "flow_search.h"

namespace zorvik {

std::string FlowRejectionText(const TPumpRecord& pump, const FlowDuty& duty, const FlowCandidate& candidate,
                              bool metric);

std::string ChargeRejectionText(const TPumpRecord& pump, const ChargeDuty& duty, const ChargeCandidate& candidate,
                                bool metric);

}  // namespace zorvik
