#pragma once
// The checks a duty passes before any model is searched, as codes: a job
// file keeps the code of the check that stopped a duty, and the edge that
// shows it says it in its reader's language (DutyCheckText).

#include "charge_search.h"
#include "flow_search.h"
#include "text.h"

namespace zorvik {

enum class DutyCheck {
    None,
    FlowZero,            // "Flow rate cannot be zero!\rNo Amplifier needed."
    DriveTooLow,         // below 40 psig: "Drive air pressure is too low!"
    DriveTooHigh,        // above 150 psig: "Drive air pressure is too high!"
    OutletBelowInlet,    // "Outlet pressure must be greater\rthan inlet pressure!"
    GasTemperature,      // outside the real-gas model, for a gas that can liquefy
    InitialAboveFinal,   // "Initial outlet pressure must be less than final outlet pressure!"
    VesselTemperature,   // outside the real-gas model, where the vessel's temperature counts
    FinalAboveGasModel,  // the real-gas count above its 700 bar absolute
};

// The last failing check of a flow duty, in the order: flow, drive low,
// drive high, outlet below inlet, gas temperature.
DutyCheck FlowCheck(const FlowDuty& duty);

// The last failing check of a charge: drive low, drive high, initial above
// final, vessel temperature (the real-gas count, or a gas that can
// liquefy), final pressure above the real-gas model.
DutyCheck ChargeCheck(const ChargeDuty& duty);

// The code as a job file keeps it: "drive_too_high"; "" for None.
const char* DutyCheckName(DutyCheck check);

// The message the window shows for the check; empty for None.
Text DutyCheckText(DutyCheck check);

}  // namespace zorvik
