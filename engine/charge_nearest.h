#pragma once
// For a vessel charge that no model can do, the model nearest to doing it
// and why it does not, so that an empty list still says what to change.

#include <optional>
#include <string>

#include "charge_search.h"

namespace zorvik {

struct NearestCharge {
    ChargeCandidate candidate;
    Text text;  // ChargeRejectionText of the model, in the window's units
};

// Of the models the list leaves out: one that charged the vessel (the
// quickest fill; it fails a limit afterwards), else the one whose stall
// pressure at the duty comes nearest the final pressure. Nothing when the
// list leaves no model out.
std::optional<NearestCharge> NearestModelToCharge(const ChargeDuty& duty, bool metric);

}  // namespace zorvik
