#include "duty_checks.h"

#include "real_gas.h"

namespace zorvik {
namespace {

bool InsideGasModel(double celsius) { return celsius >= RealGasMinCelsius && celsius <= RealGasMaxCelsius; }

// A vessel temperature outside the real-gas model matters to the real-gas
// count and to a gas that can liquefy.
bool VesselTemperatureCounts(const ChargeDuty& duty) {
    return duty.contents == ContentsCount::RealGas || CanLiquefy(duty.gas);
}

}  // namespace

DutyCheck FlowCheck(const FlowDuty& duty) {
    DutyCheck check = DutyCheck::None;
    if (!(duty.flowRequiredScfm > 0)) check = DutyCheck::FlowZero;
    if (duty.drivePsi < MinDrivePsi) check = DutyCheck::DriveTooLow;
    if (duty.drivePsi > MaxDrivePsi) check = DutyCheck::DriveTooHigh;
    if (duty.outletPsi < duty.inletPsi) check = DutyCheck::OutletBelowInlet;
    if (CanLiquefy(duty.gas) && !InsideGasModel(duty.gasCelsius)) check = DutyCheck::GasTemperature;
    return check;
}

DutyCheck ChargeCheck(const ChargeDuty& duty) {
    DutyCheck check = DutyCheck::None;
    if (duty.drivePsi < MinDrivePsi) check = DutyCheck::DriveTooLow;
    if (duty.drivePsi > MaxDrivePsi) check = DutyCheck::DriveTooHigh;
    if (duty.startPsi > duty.finalPsi) check = DutyCheck::InitialAboveFinal;
    if (VesselTemperatureCounts(duty) && !InsideGasModel(duty.vesselCelsius)) check = DutyCheck::VesselTemperature;
    if (duty.contents == ContentsCount::RealGas && AbsoluteBar(duty.finalPsi) > RealGasMaxBar)
        check = DutyCheck::FinalAboveGasModel;
    return check;
}

const char* DutyCheckName(DutyCheck check) {
    static constexpr const char* kNames[] = {"",
                                             "flow_zero",
                                             "drive_too_low",
                                             "drive_too_high",
                                             "outlet_below_inlet",
                                             "gas_temperature_outside_model",
                                             "initial_above_final",
                                             "vessel_temperature_outside_model",
                                             "final_above_gas_model"};
    return kNames[static_cast<int>(check)];
}

Text DutyCheckText(DutyCheck check) {
    switch (check) {
        case DutyCheck::None:
            return {};
        case DutyCheck::FlowZero:
            return Tr("Validation", "Flow rate cannot be zero!\rNo Amplifier needed.");
        case DutyCheck::DriveTooLow:
            return Tr("Validation", "Drive air pressure is too low!");
        case DutyCheck::DriveTooHigh:
            return Tr("Validation", "Drive air pressure is too high!");
        case DutyCheck::OutletBelowInlet:
            return Tr("Validation", "Outlet pressure must be greater\rthan inlet pressure!");
        case DutyCheck::GasTemperature:
            return Tr("Validation",
                      "Gas temperature must be from -20 to 60 \xC2\xB0"
                      "C (-4 to 140 \xC2\xB0"
                      "F)!");
        case DutyCheck::InitialAboveFinal:
            return Tr("Validation", "Initial outlet pressure must be less than final outlet pressure!");
        case DutyCheck::VesselTemperature:
            return Tr("Validation",
                      "Vessel temperature must be from -20 to 60 \xC2\xB0"
                      "C (-4 to 140 \xC2\xB0"
                      "F)!");
        case DutyCheck::FinalAboveGasModel:
            return Tr("Validation", "Final pressure is above the real-gas model's 700 bar absolute (10138 psig)!");
    }
    return {};
}

}  // namespace zorvik
