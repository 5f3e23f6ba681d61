#include "session.h"

namespace zorvik {

void Session::SelectPump(int n) {
    if (n < 1 || n > PumpCount) return;
    CurrentPump = CatalogueRow(n);
}

FlowDuty Session::LastFlowDuty() const {
    return {AirDrivePsi, AirAvailableScfm, InletPsi, OutletPsi, FlowRequiredScfm, IgnoreAirAvailable, IgnoreFlowRate};
}

ChargeDuty Session::LastChargeDuty() const {
    return {AirDrivePsi, AirAvailableScfm, InletPsi, OutStartPsi, OutFinalPsi, OutCapacityFt3, IgnoreAirAvailable};
}

}  // namespace zorvik
