#pragma once
// The engineering of an air-driven pressure amplifier, for the current model
// (Shared.CurrentPump) at one operating point. Pressures are gauge psi,
// flows and air uses scfm; atmosphere is 14.5 psi and a cubic foot 1728 in^3.
//
// The operations talk to one another through the shared state, so the order
// of calls is part of their contract:
//   1. OutletFlow sets StallAirPsi, SpeedFraction, SpeedRowAtDrive,
//      CompressionRatio and VolumetricEfficiency for its operating point. It
//      does not store its result: a caller that needs the flow later stores
//      it in Shared.FlowScfm itself.
//   2. SpeedFraction right after OutletFlow belongs to that point; cycles per
//      minute = SpeedFraction x MaxCyclesPerMin.
//   3. Before AirUse on models 1-4 and 15 the caller sets AirUseOutletPsi and
//      FlowScfm to the outlet pressure and flow of the same point; for
//      models 5-14 AirUse depends only on its arguments.
//   4. OutletAtAirUse needs FindSpeedFraction (directly or through
//      OutletFlow) and FillAirUseBySpeed for the same drive pressure.
// Nothing here resets the working tables; selecting another model does not
// clear them either.

namespace zorvik {

// Outlet stall pressure, psig = drive psig x AirStallFactor
//                               + inlet psig x SupplyStallFactor.
// No two-stage correction.
double StallOutletPsi(double airDrivePsi, double inletPsi);

// Delivered flow, scfm, at outlet, inlet and drive pressures (psig):
//   flow = (Pin + 14.5) x SpeedFraction x VolumetricEfficiency
//          x MaxDisplacementIn3PerMin / 14.5 / 1728
// or the token flow 0.001 when the speed or the efficiency is negative
// (beyond stall, or a compression ratio beyond ZeroFlowRatio).
double OutletFlow(double outletPsi, double inletPsi, double airDrivePsi);

// Speed fraction at drive pressure D for the stall-equivalent pressure in
// Shared.StallAirPsi, interpolated from the model's speed table.
void FindSpeedFraction(double airDrivePsi);

// Drive air use, scfm, at drive pressure D and speed fraction s.
double AirUse(double airDrivePsi, double speedFraction);

// Shared.AirUseBySpeed[i] := AirUse(Shared.AirDrivePsi, i / 10), i = 0..11.
void FillAirUseBySpeed();

// Outlet pressure, psig, at which the drive air use reaches airUseScfm at
// inlet inletPsi; 0 when that needs more than speed 1.1.
double OutletAtAirUse(double airUseScfm, double inletPsi);

// Loads line `line` of model `pumpNo` into Shared.LineAirUseScfm,
// LineOutletPsi and LineFlowScfm; an unknown pair changes nothing.
void LoadAirUseLine(int pumpNo, int line);

// Flow, scfm, of the loaded line at an outlet pressure, linear between its
// points; beyond the last point, the last point's flow.
double LineFlowAt(double outletPsi);

}  // namespace zorvik
