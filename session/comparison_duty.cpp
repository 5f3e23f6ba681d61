#include "comparison_duty.h"

#include "shared_state.h"

namespace zorvik {

FlowDuty FlowDutyOfLastRun() {
    return {Shared.AirDrivePsi,      Shared.AirAvailableScfm,   Shared.InletPsi,      Shared.OutletPsi,
            Shared.FlowRequiredScfm, Shared.IgnoreAirAvailable, Shared.IgnoreFlowRate};
}

ChargeDuty ChargeDutyOfLastRun() {
    return {Shared.AirDrivePsi, Shared.AirAvailableScfm, Shared.InletPsi,          Shared.OutStartPsi,
            Shared.OutFinalPsi, Shared.OutCapacityFt3,   Shared.IgnoreAirAvailable};
}

}  // namespace zorvik
