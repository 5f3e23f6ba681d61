#pragma once
// The duty across the range: every model that meets it (the selection window
// shows those the list leaves out, which meet it only throttled, under its
// list), and, for a list left empty, the model nearest to meeting it and why
// it does not. Pressures psig, flows scfm.

#include <optional>
#include <string>
#include <vector>

#include "duty_point.h"
#include "flow_search.h"

namespace zorvik {

// One model at the duty: the list's view and the duty's.
struct DutyMatch {
    FlowCandidate candidate;  // as the selection list has it
    FlowDutyPoint point;

    int Model() const { return candidate.pumpNo; }
    bool Listed() const { return candidate.Listed(); }
};

// Models 1 to 15 that meet the duty, in model order, listed or not.
std::vector<DutyMatch> ModelsMeetingDuty(const FlowDuty& duty);

struct NearestModel {
    DutyMatch match;
    Text text;  // FlowDutyReasonText: how it meets the duty, or what it fails and by how much
};

// Of the models the list leaves out, the nearest to the duty: one that meets
// it (on the least drive air), else the smallest shortfall of flow or air,
// else the first model over a catalogue limit, else the first that delivers
// nothing. Nothing when the list leaves no model out.
std::optional<NearestModel> NearestModelToDuty(const FlowDuty& duty, bool metric);

}  // namespace zorvik
