#pragma once
// Why the selection leaves a model out, in plain words: the first
// qualification test it fails, with the figures that fail it, in the units
// the selection window shows. Empty for a listed model.

#include "catalogue.h"
#include "charge_search.h"
#include "flow_search.h"
#include "gases.h"
#include "model_limits.h"
#include "performance_model.h"
#include "text.h"

namespace zorvik {

// The outlet a sentence names: the outlet pressure of a continuous process
// or the final pressure of a charge.
enum class OutletName { Outlet, Final };

// "Delivers no flow: ..." for a model that delivers nothing at `point`: where
// it stalls (and why, when its interstage stalls), or the compression ratio
// its stroke cannot reach.
Text NoFlowText(const TPumpRecord& pump, const OperatingPoint& point, OutletName outlet, bool metric);

// "Carbon dioxide liquefies at the outlet pressure of 1200 psig at 68.0 °F,
// at and above its vapour pressure of 816 psig there".
Text LiquefiesText(Gas gas, double psig, double celsius, OutletName outletName, bool metric);

// The words of a failed catalogue limit, or empty for another rejection.
Text LimitText(Rejection why, const TPumpRecord& pump, double inlet, double outlet, double drive, double ratio,
               OutletName outletName, bool metric);

// "%1; %2 is required": a reason followed by the flow the duty asks for.
Text WithFlowRequired(const Text& reason, double flowRequiredScfm, bool metric);

Text FlowRejectionText(const TPumpRecord& pump, const FlowDuty& duty, const FlowCandidate& candidate, bool metric);

// "Its discharge can reach 192 \u00B0F, above the 150 \u00B0F limit".
Text DischargeOverLimitText(double dischargeCelsius, double limitCelsius, bool metric);

Text ChargeRejectionText(const TPumpRecord& pump, const ChargeDuty& duty, const ChargeCandidate& candidate,
                         bool metric);

}  // namespace zorvik
