#pragma once
// An item's typed duty read as the selection window reads its fields: each
// text trimmed of blanks, refused when empty, malformed or negative, and
// converted from metric (barg x 14.50377 = psig; nl/min or litres /
// 28.316847 = scfm or cubic feet, units.h); then the search's own checks.
// A duty that is refused keeps its texts; the reading says why.

#include <string>

#include "charge_search.h"
#include "flow_search.h"
#include "job.h"

namespace zorvik::job {

struct DutyReading {
    // The first refused field ("outlet: -5 is not valid value") or the last
    // failing check of the search ("Drive air pressure is too high!");
    // empty when the duty can be computed.
    std::string problem;
    FlowDuty flow;    // for a flow item: psig, scfm
    ChargeDuty fill;  // for a fill item: psig, scfm, cubic feet
    // Fill: the initial pressure was below the inlet, so the vessel is
    // equalised first and charged from the inlet pressure, as the window
    // does when its question is answered OK.
    bool equalised = false;

    bool Readable() const { return problem.empty(); }
};

DutyReading ReadDuty(Application application, const ItemDuty& duty);

}  // namespace zorvik::job
