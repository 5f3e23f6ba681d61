#pragma once
// The duty the last selection run read, from the shared operating point: a
// comparison evaluates at exactly the conditions that made the list.

#include "charge_search.h"
#include "flow_search.h"

namespace zorvik {

FlowDuty FlowDutyOfLastRun();
ChargeDuty ChargeDutyOfLastRun();

}  // namespace zorvik
