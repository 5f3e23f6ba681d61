#pragma once
// Selection for application type 1: a gas source at constant pressure
// charges a closed vessel of known capacity from an initial to a final
// pressure through the amplifier.

#include "selection_controls.h"
#include "selection_result.h"
#include "session.h"

namespace zorvik {

// Reads, in this order, the drive pressure, drive air flow, inlet, initial,
// final and capacity fields of controls (into the session's AirDrivePsi,
// AirAvailableScfm, InletPsi, OutStartPsi, OutFinalPsi, OutCapacityFt3,
// converted to psig, scfm and cubic feet from the session's units), after
// taking the two option boxes.
//
// An initial pressure below the inlet pressure asks "Initial outlet
// pressure is lower than supply pressure!\requalise pressures before
// starting amplifier." (OK/Cancel): Cancel ends the run with no rows; OK
// copies the inlet field's text into the initial pressure field, raises
// OutStartPsi to InletPsi and goes on.
//
// Then validates - only the last failing check's message is shown:
//   1. drive below 40 psig        "Drive air pressure is too low!"
//   2. drive above 150 psig       "Drive air pressure is too high!"
//   3. initial above final        "Initial outlet pressure must be less than final outlet pressure!"
// and charges the vessel with models 1 to 15 in turn, in ten equal pressure
// steps, listing the models that qualify with fill time, average air,
// average cycles and total air, and their charges.
//
// Leaves PumpIndex 15 and model 15 current.
SelectionResult VesselChargingSelection(Session& session, const SelectionControls& controls);

}  // namespace zorvik
