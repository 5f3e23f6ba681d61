#include "session.h"

namespace zorvik {

void Session::SelectPump(int n) {
    if (n < 1 || n > PumpCount) return;
    CurrentPump = CatalogueRow(n);
}

FlowDuty Session::LastFlowDuty() const {
    FlowDuty duty{AirDrivePsi,      AirAvailableScfm,   InletPsi,      OutletPsi,
                  FlowRequiredScfm, IgnoreAirAvailable, IgnoreFlowRate};
    duty.gas = GasBoosted;
    duty.gasCelsius = GasCelsius;
    duty.temperatureLimitCelsius = TemperatureLimitCelsius;
    return duty;
}

ChargeDuty Session::LastChargeDuty() const {
    ChargeDuty duty{AirDrivePsi, AirAvailableScfm, InletPsi,          OutStartPsi,
                    OutFinalPsi, OutCapacityFt3,   IgnoreAirAvailable};
    duty.gas = GasBoosted;
    duty.contents = RealGasContents ? ContentsCount::RealGas : ContentsCount::Ideal;
    duty.vesselCelsius = GasCelsius;
    duty.temperatureLimitCelsius = TemperatureLimitCelsius;
    return duty;
}

}  // namespace zorvik
