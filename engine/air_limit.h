#pragma once
// The air-limit search shared by both selection procedures and the graph
// hand-off: when a model would use more drive air than is available, the
// outlet pressure at which its air use falls within the available air, and
// the flow there.

#include "catalogue.h"
#include "performance_model.h"

namespace zorvik {

// What a model delivers at a point, before or after the search.
struct DeliveredPoint {
    double flowScfm = 0;
    double airUseScfm = 0;
    double speedFraction = 0;
    bool airLimited = false;  // the search stepped at least once
};

// `unlimited` is the caller's evaluation at `point` (flow, air use, speed).
// The search tries up to 51 outlet pressures, from the inlet I up to the
// stall pressure P x AirStallFactor + I x SupplyStallFactor in fiftieths,
// and stops at the first whose air use is within airAvailableScfm; the
// no-compression point comes first. Then:
//  - when the last trial's flow is higher than the caller's, the caller's
//    flow, air use and speed stand;
//  - otherwise flow and air use are the last trial's, and so is the speed
//    once the search stepped.
// Models 1-4 and 15 read their air use at an outlet pressure and flow: the
// caller's for the no-compression point, then each trial's own, so once
// the search stepped their trial's values are always taken.
DeliveredPoint LimitByAvailableAir(const TPumpRecord& pump, const OperatingPoint& point, double airAvailableScfm,
                                   const DeliveredPoint& unlimited);

}  // namespace zorvik
