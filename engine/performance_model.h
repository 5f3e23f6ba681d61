#pragma once
// The engineering of an air-driven pressure amplifier: pure functions from a
// catalogue model and an operating point to what it does there. Nothing here
// reads or writes any process-wide state; the working tables (the speed row
// at a drive pressure, the air use by speed, a line of constant air use) are
// values the caller holds and passes on.
//
// Units: pressures gauge psi (psig), flows and air uses scfm (standard cubic
// feet per minute); atmosphere is 14.5 psi and a cubic foot 1728 in^3.

#include <array>
#include <optional>

#include "catalogue.h"

namespace zorvik {

// Where a model works: drive air, gas inlet and outlet pressures, psig.
struct OperatingPoint {
    double drivePsi = 0;
    double inletPsi = 0;
    double outletPsi = 0;
};

// Everything the compression at one operating point decides.
struct FlowResult {
    double stallAirPsi = 0;           // drive pressure that just balances the outlet, psig
    double speedFraction = 0;         // cycling speed / MaxCyclesPerMin; negative beyond stall
    double compressionRatio = 1;      // absolute outlet / absolute inlet, never below 1
    double volumetricEfficiency = 0;  // share of the swept volume delivered
    double flowScfm = 0;              // delivered flow, or the token 0.001 scfm
};

// One operating point in full: the compression, the stall pressure at the
// drive pressure, and the drive air used there.
struct PointResult {
    double stallOutletPsi = 0;  // outlet pressure at which the model stalls, psig (ModelStallOutletPsi)
    double stallAirPsi = 0;
    double speedFraction = 0;
    double cyclesPerMin = 0;  // speedFraction x MaxCyclesPerMin
    double compressionRatio = 1;
    double volumetricEfficiency = 0;
    double flowScfm = 0;
    double airUseScfm = 0;  // at the point's own outlet pressure and flow
};

// The model's speed table interpolated at one drive pressure D:
// psi[0] is D (as interpolated), psi[k] the stall-equivalent air pressure,
// psig, at which the model cycles at speed k/10 (k = 1..11).
using SpeedRow = std::array<double, 12>;

// Drive air use, scfm, at speeds 0, 0.1 .. 1.1 for one drive pressure.
using AirUseBySpeedTable = std::array<double, 12>;

// One line of constant air use (models 1-4 and 15): its air use and eleven
// points, outlet psig and flow scfm (flow 0 = no point there).
struct AirUseLineValues {
    double airUseScfm = 0;
    std::array<double, 11> outletPsi{};
    std::array<double, 11> flowScfm{};
};

// Outlet stall pressure, psig = drive psig x AirStallFactor
//                               + inlet psig x SupplyStallFactor.
// No two-stage correction: the air-limit search and the charts step their
// outlet pressures up to this figure.
double StallOutletPsi(const TPumpRecord& pump, double drivePsi, double inletPsi);

// A two-stage model's interstage stalls when the inlet is above
// InterstageFactor x drive: inlet psig / InterstageFactor > drive psig.
bool InterstageStalls(const TPumpRecord& pump, double drivePsi, double inletPsi);

// Outlet pressure, psig, at which the model really stops at drive D and
// inlet Pin, i.e. where StallAirPsi reaches D:
//   StallOutletPsi, or, once the interstage stalls,
//   min(StallOutletPsi, D x InterstageOutletFactor).
double ModelStallOutletPsi(const TPumpRecord& pump, double drivePsi, double inletPsi);

// Drive pressure that just balances the outlet, psig:
//   (Pout - SupplyStallFactor x Pin) / AirStallFactor,
// raised for a two-stage model to its interstage stall,
//   min(Pin / InterstageFactor, Pout / InterstageOutletFactor).
double StallAirPsi(const TPumpRecord& pump, double outletPsi, double inletPsi);

// The speed row at drive pressure D: the first table column from column 1
// whose drive pressure reaches D (else the last) and the one before it,
// interpolated linearly; below 40 psig and above the last column the two
// outer columns extrapolate.
SpeedRow FindSpeedRow(const TPumpRecord& pump, double drivePsi);

// Speed fraction at drive pressure D for a stall-equivalent pressure S,
// linear between the first row k at or below S and row k-1:
//   s = (k - (S - R[k]) / (R[k-1] - R[k])) / 10
// negative beyond stall; past 1.1 below the last row. The CRB19 series runs
// faster at low drive: x (1 + (125 - D) / 500), x (1 + 1.97 (125 - D) / 500)
// for the -4.5 ratio.
double FindSpeedFraction(const TPumpRecord& pump, const SpeedRow& row, double drivePsi, double stallAirPsi);

// The compression at one operating point:
//   CompressionRatio = max(1, (Pout + 14.5) / (Pin + 14.5))
//   VolumetricEfficiency = 1 - CR / ZeroFlowRatio   (SA, TS)
//                          1 - (CR - 0.25) / ZeroFlowRatio   (DA)
//   flow, scfm = (Pin + 14.5) x s x VE x MaxDisplacementIn3PerMin / 14.5 / 1728
// or the token flow 0.001 when s or VE is negative (beyond stall, or a ratio
// beyond ZeroFlowRatio); the selection treats 0.0011 scfm or less as none.
FlowResult OutletFlow(const TPumpRecord& pump, const OperatingPoint& point);

// The same with the speed row of the point's drive pressure already at hand
// (FindSpeedRow(pump, point.drivePsi)), for searches that try many outlet
// pressures at one drive pressure.
FlowResult OutletFlow(const TPumpRecord& pump, const SpeedRow& row, const OperatingPoint& point);

// Drive air use, scfm. Models 5-14 follow a formula of drive D and speed s,
// with m = D x 10 / 35 + 1:
//   s < 0.03  0;  s < 0.3  5 + (m - 5) x s / 0.3;
//   s < 0.85  m + 75 (s - 0.3);  else  m + 41.25 + 46 (s - 0.85).
// Models 1-4 and 15 read their measured lines instead, at outlet pressure
// lineOutletPsi and flow lineFlowScfm (linear between the two lines whose
// flows there bracket the flow; above the top line, the top air use, and
// for model 15 the top air use scaled by flow / (275 - 0.36 x outlet)).
// Callers pass the outlet and flow of the point they are working on, which
// is not always the point whose speed they pass: the selection procedures
// read the lines at the flow they started from.
double AirUse(const TPumpRecord& pump, double drivePsi, double speedFraction, double lineOutletPsi,
              double lineFlowScfm);

// AirUse at speeds i/10, i = 0..11, at drive pressure D (and, for the
// line models, at the given outlet and flow).
AirUseBySpeedTable FillAirUseBySpeed(const TPumpRecord& pump, double drivePsi, double lineOutletPsi,
                                     double lineFlowScfm);

// Outlet pressure, psig, at which the drive air use reaches airUseScfm at
// inlet Pin, from the speed row and the air use by speed of the same drive
// pressure: the speed where the air use is reached (linear between table
// speeds), the stall-equivalent drive pressure X there (whole psi), then
//   outlet = X x AirStallFactor + Pin x SupplyStallFactor,
// or X x InterstageOutletFactor for a two-stage model whose inlet is too
// high for its interstage. 0 when that needs more than speed 1.1.
double OutletAtAirUse(const TPumpRecord& pump, const SpeedRow& row, const AirUseBySpeedTable& airUseBySpeed,
                      double airUseScfm, double inletPsi);

// Line `line` of model `pumpNo`, points at outlet 0, s .. 10 s; nothing for
// an unknown pair.
std::optional<AirUseLineValues> LoadAirUseLine(int pumpNo, int line);

// Flow, scfm, of a line at an outlet pressure, linear between its points;
// beyond the last point the last point's flow, below 0 psig the first's.
double LineFlowAt(const AirUseLineValues& line, double outletPsi);

// OutletFlow at the point, then the air use at its speed, outlet and flow.
PointResult EvaluatePoint(const TPumpRecord& pump, const OperatingPoint& point);

}  // namespace zorvik
