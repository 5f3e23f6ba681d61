#pragma once
// A model at the duty in plain words, in the units the selection window
// shows: how it meets the duty, or the test it fails and by how much.

#include "catalogue.h"
#include "duty_point.h"
#include "flow_search.h"
#include "text.h"

namespace zorvik {

// Any model: "Meets the duty at 29 % of maximum speed on 0.71 of the 0.80
// n.m3/min available", or the first test it fails at the duty with the
// figures that fail it ("... 4.0 % short of the 2.00 scfm required (a near
// miss)").
Text FlowDutyText(const TPumpRecord& pump, const FlowDuty& duty, const FlowDutyPoint& point, bool metric);

// Why the list leaves a model out, judged at the duty: when the model meets
// the duty throttled, that, and why the list's own method does not take it;
// otherwise FlowDutyText. Empty for a listed model.
Text FlowDutyReasonText(const TPumpRecord& pump, const FlowDuty& duty, const FlowCandidate& candidate,
                        const FlowDutyPoint& point, bool metric);

}  // namespace zorvik
