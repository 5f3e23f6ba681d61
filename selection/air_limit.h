#pragma once
// The air-limit search shared by both selection procedures and the graph
// hand-off: when a model would use more drive air than is available, the
// outlet pressure at which its air use falls within the available air, and
// the flow there.

namespace zorvik {

// P is the air drive pressure, I the inlet pressure (psig). Every caller
// passes Shared.FlowScfm, Shared.AirUseScfm and Shared.AirLimited as flow,
// airUse and limited, after setting AirUseOutletPsi and FlowScfm for its own
// operating point and computing SpeedFraction there.
//
// The search tries up to 51 outlet pressures, from I up to the stall
// pressure P x AirStallFactor + I x SupplyStallFactor in fiftieths, and
// stops at the first whose air use is within Shared.AirAvailableScfm.
// limited is set when it stepped at least once. Then:
//  - when the last trial's flow is higher than flow, flow and airUse stand
//    and SpeedFraction is put back to the caller's;
//  - otherwise flow and airUse take the trial's values and SpeedFraction
//    keeps the last trial's - unless the search never stepped.
// Models 1-4 and 15 read their air use from FlowScfm, so for them flow
// follows every trial and the trial's values are always taken once the
// search stepped.
//
// Reads Shared.AirAvailableScfm, CurrentPump and SpeedFraction; writes
// AirUseOutletPsi, SpeedFraction and the other results of OutletFlow
// (CompressionRatio is left at the last evaluation's, which is the
// no-compression point when the search did not step).
void LimitByAvailableAir(double& flow, double& airUse, bool& limited, double airDrivePsi, double inletPsi);

}  // namespace zorvik
