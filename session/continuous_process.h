#pragma once
// Selection for application type 0: a gas source at constant pressure feeds
// an amplifier that must deliver at least a required flow continuously at a
// given outlet pressure.

#include "selection_controls.h"
#include "selection_result.h"
#include "session.h"

namespace zorvik {

// Reads, in this order, the drive pressure, drive air flow, outlet, inlet
// and required flow fields of controls (into the session's AirDrivePsi,
// AirAvailableScfm, OutletPsi, InletPsi, FlowRequiredScfm, converted to
// psig and scfm from the session's units), after taking the two option
// boxes. Then validates - only the last failing check's message is shown:
//   1. required flow not above 0   "Flow rate cannot be zero!\rNo Amplifier needed."
//   2. drive below 40 psig         "Drive air pressure is too low!"
//   3. drive above 150 psig        "Drive air pressure is too high!"
//   4. outlet below inlet          "Outlet pressure must be greater\rthan inlet pressure!"
// and evaluates models 1 to 15 in turn, with the air limit unless it is
// ignored, listing those that qualify with their figures.
//
// Leaves PumpIndex 15 and model 15 current.
SelectionResult ContinuousProcessSelection(Session& session, const SelectionControls& controls);

}  // namespace zorvik
