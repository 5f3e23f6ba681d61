#include "core/performance_model.h"

#include <cmath>

#include "core/air_use_lines.h"
#include "core/shared_state.h"
#include "core/speed_tables.h"
#include "core/units.h"

namespace zorvik {
namespace {

using units::AtmospherePsi;

const SpeedTable& TableOf(const TPumpRecord& pump) {
    return pump.Series == "8RBW" ? EightRbwSpeedTable() : StandardSpeedTable();
}

// Air use from the lines of constant air use (models 1-4 and 15), at outlet
// x = AirUseOutletPsi and flow y = FlowScfm: linear between the two lines
// whose flows at x bracket y.
double AirUseFromLines(const TPumpRecord& pump) {
    const double x = Shared.AirUseOutletPsi;
    const double y = Shared.FlowScfm;
    const int n = AirUseLineCount(pump.PumpNo);
    double A[8] = {0};  // air use, rising from the lowest line
    double V[8] = {0};  // the lines' flows at x
    for (int i = 1; i <= n; ++i) {
        LoadAirUseLine(pump.PumpNo, n + 1 - i);
        A[i] = Shared.LineAirUseScfm;
        V[i] = LineFlowAt(x);
    }
    // Scanning from the top, a line without a point at x (flow 0) counts as
    // delivering less than y, which gives the top air use.
    int j = 0;
    for (int k = n; k >= 0; --k) {
        if (V[k] < y) { j = k; break; }
    }
    if (j < n) {
        const double span = V[j + 1] - V[j];
        if (span <= 0) return A[j];
        return A[j] + (A[j + 1] - A[j]) * (y - V[j]) / span;
    }
    if (pump.PumpNo != 15) return A[n];
    // Above its top line, model 15 follows the straight line 275 - 0.36 x
    // (scfm) that continues the top line's flow from 125 psig upwards.
    const double topFlow = 275 - 0.36 * x;
    return topFlow > 0 ? y / topFlow * A[n] : A[n];
}

// Air use of models 5-14, scfm, at drive D (psig) and speed s, with
// m = D x 10 / 35 + 1:
//   s < 0.03          0
//   s < 0.3           5 + (m - 5) x s / 0.3
//   0.3 <= s < 0.85   m + 75 x (s - 0.3)
//   s >= 0.85         m + 41.25 + 46 x (s - 0.85)
double AirUseFromFormula(double D, double s) {
    if (s < 0.03) return 0;
    const double m = D * 10 / 35 + 1;
    if (s < 0.3) return 5 + (m - 5) * s / 0.3;
    if (s < 0.85) return m + 75 * (s - 0.3);
    return m + 41.25 + 46 * (s - 0.85);
}

}  // namespace

double StallOutletPsi(double airDrivePsi, double inletPsi) {
    const TPumpRecord& p = Shared.CurrentPump;
    return airDrivePsi * p.AirStallFactor + inletPsi * p.SupplyStallFactor;
}

double OutletFlow(double outletPsi, double inletPsi, double airDrivePsi) {
    const TPumpRecord& p = Shared.CurrentPump;

    // Drive pressure that just balances the outlet:
    //   StallAirPsi = (Pout - SupplyStallFactor x Pin) / AirStallFactor
    Shared.StallAirPsi = (outletPsi - p.SupplyStallFactor * inletPsi) / p.AirStallFactor;

    // A two-stage model also stalls when its interstage does: the inlet must
    // stay below InterstageFactor x drive, and a stalled interstage limits
    // the outlet to InterstageOutletFactor x drive.
    if (p.Stages == 2) {
        const double a = inletPsi / p.InterstageFactor;
        const double b = outletPsi / p.InterstageOutletFactor;
        const double m = a < b ? a : b;
        if (m > Shared.StallAirPsi) Shared.StallAirPsi = m;
    }

    FindSpeedFraction(airDrivePsi);

    // Absolute compression ratio, never below 1:
    //   CompressionRatio = (Pout + 14.5) / (Pin + 14.5)
    Shared.CompressionRatio = (outletPsi + AtmospherePsi) / (inletPsi + AtmospherePsi);
    if (Shared.CompressionRatio < 1.0) Shared.CompressionRatio = 1.0;

    // Share of the swept volume delivered; a double-acting model loses a
    // quarter less of its ratio to the clearance volume:
    //   SA, TS: 1 - CR / ZeroFlowRatio      DA: 1 - (CR - 0.25) / ZeroFlowRatio
    const double ratio = p.ActionCode == "DA" ? Shared.CompressionRatio - 0.25 : Shared.CompressionRatio;
    Shared.VolumetricEfficiency = 1 - ratio / p.ZeroFlowRatio;

    if (Shared.SpeedFraction >= 0 && Shared.VolumetricEfficiency >= 0) {
        // Inlet gas swept per minute, in^3 at inlet pressure, to scfm.
        const double sweptIn3PerMin =
            Shared.SpeedFraction * Shared.VolumetricEfficiency * p.MaxDisplacementIn3PerMin;
        return (inletPsi + AtmospherePsi) * sweptIn3PerMin / AtmospherePsi / units::CubicInchesPerCubicFoot;
    }
    // A token flow rather than 0; the selection treats 0.0011 scfm or less as
    // no flow at all.
    return 0.001;
}

void FindSpeedFraction(double airDrivePsi) {
    const TPumpRecord& p = Shared.CurrentPump;
    const SpeedTable& t = TableOf(p);
    const double D = airDrivePsi;
    auto& R = Shared.SpeedRowAtDrive;

    // The first column from column 1 whose drive pressure reaches D, else the
    // last: below 40 psig and above the last column the two outer columns
    // extrapolate.
    int j = t.Columns - 1;
    for (int c = 1; c < t.Columns; ++c) {
        if (t.Row[0][c] >= D) { j = c; break; }
    }
    const double f = (D - t.Row[0][j - 1]) / (t.Row[0][j] - t.Row[0][j - 1]);
    for (int k = 0; k < SpeedRows; ++k) R[k] = t.Row[k][j - 1] + f * (t.Row[k][j] - t.Row[k][j - 1]);

    // The first row at or below the stall-equivalent pressure; speed is
    // linear between rows k-1 and k:
    //   SpeedFraction = (k - (StallAirPsi - R[k]) / (R[k-1] - R[k])) / 10
    // Beyond stall (StallAirPsi > D) row 1 gives a negative speed; below the
    // last row, row 11 extrapolates past speed 1.1.
    int k = SpeedRows - 1;
    for (int r = 1; r < SpeedRows; ++r) {
        if (R[r] <= Shared.StallAirPsi) { k = r; break; }
    }
    const double rise = R[k - 1] - R[k];
    const double part = rise != 0 ? (Shared.StallAirPsi - R[k]) / rise : 0;
    Shared.SpeedFraction = (k - part) / 10;

    // The CRB19 series runs faster at low drive pressures than the common
    // table says: x (1 + (125 - D) / 500), and x (1 + 1.97 (125 - D) / 500)
    // for the -4.5 ratio.
    if (p.Series == "CRB19") {
        const double gain = p.RatioText == "-4.5 " ? 1.97 : 1.0;
        Shared.SpeedFraction *= 1 + gain * (125 - D) / 500;
    }
}

double AirUse(double airDrivePsi, double speedFraction) {
    const TPumpRecord& p = Shared.CurrentPump;
    if (UsesAirUseLines(p.PumpNo)) return AirUseFromLines(p);
    return AirUseFromFormula(airDrivePsi, speedFraction);
}

void FillAirUseBySpeed() {
    for (int i = 0; i < 12; ++i) Shared.AirUseBySpeed[i] = AirUse(Shared.AirDrivePsi, i / 10.0);
}

double OutletAtAirUse(double airUseScfm, double inletPsi) {
    const TPumpRecord& p = Shared.CurrentPump;
    const auto& C = Shared.AirUseBySpeed;
    const auto& R = Shared.SpeedRowAtDrive;
    const double q = airUseScfm;

    // Speed at which the air use reaches q, linear between table speeds.
    int n = 0;
    for (int i = 10; i >= 0; --i) {
        if (C[i] <= q) { n = i; break; }
    }
    const double step = C[n + 1] - C[n];
    const double s = (n + (step != 0 ? (q - C[n]) / step : 0)) / 10;

    const double tenths = 10 * s;
    if (!(tenths < 11)) return 0;  // beyond speed 1.1
    const int i = tenths < 0 ? 0 : static_cast<int>(tenths);

    // Stall-equivalent drive pressure at that speed, in whole psi; the outlet
    // follows from the stall formula, or from the interstage stall of a
    // two-stage model whose inlet is too high for it.
    const double X = std::trunc(R[i] + (R[i + 1] - R[i]) * (tenths - i));
    if (p.Stages == 2 && inletPsi / p.InterstageFactor > X) return X * p.InterstageOutletFactor;
    return X * p.AirStallFactor + inletPsi * p.SupplyStallFactor;
}

void LoadAirUseLine(int pumpNo, int line) {
    const AirUseLine* l = FindAirUseLine(pumpNo, line);
    if (l == nullptr) return;
    Shared.LineAirUseScfm = l->AirUseScfm;
    for (int i = 0; i < 11; ++i) {
        Shared.LineOutletPsi[i] = i * l->StepPsi;
        Shared.LineFlowScfm[i] = l->FlowScfm[i];
    }
}

double LineFlowAt(double outletPsi) {
    const auto& F = Shared.LineFlowScfm;
    const double step = Shared.LineOutletPsi[1];
    const double r = step > 0 ? outletPsi / step : 0;
    if (r >= 10) return F[10];
    // Below 0 psig (or without a loaded line) the first point stands.
    if (!(r > 0)) return F[0];
    const int i = static_cast<int>(r);
    return F[i] + (F[i + 1] - F[i]) * (r - i);
}

}  // namespace zorvik
