#pragma once
// Selection for application type 1: a gas source at constant pressure
// charges a closed vessel of known capacity from an initial to a final
// pressure through the amplifier.

#include "selection_controls.h"
#include "selection_result.h"

namespace zorvik {

// Reads, in this order, the drive pressure, drive air flow, inlet, initial,
// final and capacity fields of controls (into AirDrivePsi, AirAvailableScfm,
// InletPsi, OutStartPsi, OutFinalPsi, OutCapacityFt3, converted to psig,
// scfm and cubic feet), after taking the two option boxes.
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
// average cycles and total air. Call with Shared.ApplicationType 1: the rows
// follow it.
//
// Writes ChargeFlowTable's row of every model whose flow at the final
// pressure reaches 0.3 scfm (other rows keep what they held), and leaves
// PumpIndex 15 and model 15 current.
SelectionResult VesselChargingSelection(const SelectionControls& controls);

}  // namespace zorvik
