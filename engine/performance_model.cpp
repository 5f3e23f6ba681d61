#include "performance_model.h"

#include <cmath>
#include <cstring>

#include "air_use_lines.h"
#include "speed_tables.h"
#include "units.h"

namespace zorvik {
namespace {

using units::CatalogueAtmospherePsi;

// A catalogue text equal to a literal. The model runs this at every
// evaluation, thousands of times a search; with the length known here the
// comparison compiles to a few instructions.
template <std::size_t N>
bool Is(const std::string& text, const char (&literal)[N]) {
    return text.size() == N - 1 && std::memcmp(text.data(), literal, N - 1) == 0;
}

const SpeedTable& TableOf(const TPumpRecord& pump) {
    return Is(pump.Series, "8RBW") ? EightRbwSpeedTable() : StandardSpeedTable();
}

// Flow, scfm, of the eleven points 0, step .. 10 step at outlet x; see
// LineFlowAt.
double FlowAt(const double (&F)[11], double step, double x) {
    const double r = step > 0 ? x / step : 0;
    if (r >= 10) return F[10];
    // Below 0 psig (or on a line without points) the first point stands.
    if (!(r > 0)) return F[0];
    const int i = static_cast<int>(r);
    return F[i] + (F[i + 1] - F[i]) * (r - i);
}

// Air use from the lines of constant air use (models 1-4 and 15), at outlet
// x and flow y: linear between the two lines whose flows at x bracket y.
// The lines are read where they stand in their table: this runs inside
// every step of the air-limit search.
double AirUseFromLines(const TPumpRecord& pump, double x, double y) {
    const std::span<const AirUseLine> lines = AirUseLinesOf(pump.PumpNo);
    const int n = static_cast<int>(lines.size());
    double A[8] = {0};  // air use, rising from the lowest line
    double V[8] = {0};  // the lines' flows at x
    for (int i = 1; i <= n; ++i) {
        const AirUseLine& line = lines[n - i];  // line n + 1 - i
        A[i] = line.AirUseScfm;
        V[i] = FlowAt(line.FlowScfm, line.StepPsi, x);
    }
    // Scanning from the top, a line without a point at x (flow 0) counts as
    // delivering less than y, which gives the top air use.
    int j = 0;
    for (int k = n; k >= 0; --k) {
        if (V[k] < y) {
            j = k;
            break;
        }
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

double AirUseFromFormula(double D, double s) {
    if (s < 0.03) return 0;
    const double m = D * 10 / 35 + 1;
    if (s < 0.3) return 5 + (m - 5) * s / 0.3;
    if (s < 0.85) return m + 75 * (s - 0.3);
    return m + 41.25 + 46 * (s - 0.85);
}

}  // namespace

double StallOutletPsi(const TPumpRecord& pump, double drivePsi, double inletPsi) {
    return drivePsi * pump.AirStallFactor + inletPsi * pump.SupplyStallFactor;
}

bool InterstageStalls(const TPumpRecord& pump, double drivePsi, double inletPsi) {
    return pump.Stages == 2 && inletPsi / pump.InterstageFactor > drivePsi;
}

double ModelStallOutletPsi(const TPumpRecord& pump, double drivePsi, double inletPsi) {
    const double stall = StallOutletPsi(pump, drivePsi, inletPsi);
    if (!InterstageStalls(pump, drivePsi, inletPsi)) return stall;
    const double interstage = drivePsi * pump.InterstageOutletFactor;
    return interstage < stall ? interstage : stall;
}

double StallAirPsi(const TPumpRecord& pump, double outletPsi, double inletPsi) {
    double stall = (outletPsi - pump.SupplyStallFactor * inletPsi) / pump.AirStallFactor;
    // A two-stage model also stalls when its interstage does: the inlet must
    // stay below InterstageFactor x drive, and a stalled interstage limits
    // the outlet to InterstageOutletFactor x drive.
    if (pump.Stages == 2) {
        const double a = inletPsi / pump.InterstageFactor;
        const double b = outletPsi / pump.InterstageOutletFactor;
        const double m = a < b ? a : b;
        if (m > stall) stall = m;
    }
    return stall;
}

SpeedRow FindSpeedRow(const TPumpRecord& pump, double drivePsi) {
    const SpeedTable& t = TableOf(pump);
    const double D = drivePsi;
    int j = t.Columns - 1;
    for (int c = 1; c < t.Columns; ++c) {
        if (t.Row[0][c] >= D) {
            j = c;
            break;
        }
    }
    const double f = (D - t.Row[0][j - 1]) / (t.Row[0][j] - t.Row[0][j - 1]);
    SpeedRow R{};
    for (int k = 0; k < SpeedRows; ++k) R[k] = t.Row[k][j - 1] + f * (t.Row[k][j] - t.Row[k][j - 1]);
    return R;
}

double FindSpeedFraction(const TPumpRecord& pump, const SpeedRow& R, double drivePsi, double stallAirPsi) {
    int k = SpeedRows - 1;
    for (int r = 1; r < SpeedRows; ++r) {
        if (R[r] <= stallAirPsi) {
            k = r;
            break;
        }
    }
    const double rise = R[k - 1] - R[k];
    const double part = rise != 0 ? (stallAirPsi - R[k]) / rise : 0;
    double speed = (k - part) / 10;
    if (Is(pump.Series, "CRB19")) {
        const double gain = Is(pump.RatioText, "-4.5 ") ? 1.97 : 1.0;
        speed *= 1 + gain * (125 - drivePsi) / 500;
    }
    return speed;
}

FlowResult OutletFlow(const TPumpRecord& p, const OperatingPoint& point) {
    return OutletFlow(p, FindSpeedRow(p, point.drivePsi), point);
}

FlowResult OutletFlow(const TPumpRecord& p, const SpeedRow& row, const OperatingPoint& point) {
    FlowResult r;
    r.stallAirPsi = StallAirPsi(p, point.outletPsi, point.inletPsi);
    r.speedFraction = FindSpeedFraction(p, row, point.drivePsi, r.stallAirPsi);
    r.compressionRatio = (point.outletPsi + CatalogueAtmospherePsi) / (point.inletPsi + CatalogueAtmospherePsi);
    if (r.compressionRatio < 1.0) r.compressionRatio = 1.0;
    // A double-acting model loses a quarter less of its ratio to the
    // clearance volume.
    const double ratio = Is(p.ActionCode, "DA") ? r.compressionRatio - 0.25 : r.compressionRatio;
    r.volumetricEfficiency = 1 - ratio / p.ZeroFlowRatio;
    if (r.speedFraction >= 0 && r.volumetricEfficiency >= 0) {
        // Inlet gas swept per minute, in^3 at inlet pressure, to scfm.
        const double sweptIn3PerMin = r.speedFraction * r.volumetricEfficiency * p.MaxDisplacementIn3PerMin;
        r.flowScfm = (point.inletPsi + CatalogueAtmospherePsi) * sweptIn3PerMin / CatalogueAtmospherePsi /
                     units::CubicInchesPerCubicFoot;
    } else {
        r.flowScfm = 0.001;
    }
    return r;
}

double AirUse(const TPumpRecord& pump, double drivePsi, double speedFraction, double lineOutletPsi,
              double lineFlowScfm) {
    if (UsesAirUseLines(pump.PumpNo)) return AirUseFromLines(pump, lineOutletPsi, lineFlowScfm);
    return AirUseFromFormula(drivePsi, speedFraction);
}

AirUseBySpeedTable FillAirUseBySpeed(const TPumpRecord& pump, double drivePsi, double lineOutletPsi,
                                     double lineFlowScfm) {
    AirUseBySpeedTable table{};
    for (int i = 0; i < 12; ++i) table[i] = AirUse(pump, drivePsi, i / 10.0, lineOutletPsi, lineFlowScfm);
    return table;
}

double OutletAtAirUse(const TPumpRecord& p, const SpeedRow& R, const AirUseBySpeedTable& C, double airUseScfm,
                      double inletPsi) {
    const double q = airUseScfm;
    int n = 0;
    for (int i = 10; i >= 0; --i) {
        if (C[i] <= q) {
            n = i;
            break;
        }
    }
    const double step = C[n + 1] - C[n];
    const double s = (n + (step != 0 ? (q - C[n]) / step : 0)) / 10;

    const double tenths = 10 * s;
    if (!(tenths < 11)) return 0;
    const int i = tenths < 0 ? 0 : static_cast<int>(tenths);

    const double X = std::trunc(R[i] + (R[i + 1] - R[i]) * (tenths - i));
    if (p.Stages == 2 && inletPsi / p.InterstageFactor > X) return X * p.InterstageOutletFactor;
    return X * p.AirStallFactor + inletPsi * p.SupplyStallFactor;
}

std::optional<AirUseLineValues> LoadAirUseLine(int pumpNo, int line) {
    const AirUseLine* l = FindAirUseLine(pumpNo, line);
    if (l == nullptr) return std::nullopt;
    AirUseLineValues values;
    values.airUseScfm = l->AirUseScfm;
    for (int i = 0; i < 11; ++i) {
        values.outletPsi[i] = i * l->StepPsi;
        values.flowScfm[i] = l->FlowScfm[i];
    }
    return values;
}

double LineFlowAt(const AirUseLineValues& line, double outletPsi) {
    double F[11];
    for (int i = 0; i < 11; ++i) F[i] = line.flowScfm[i];
    return FlowAt(F, line.outletPsi[1], outletPsi);
}

PointResult EvaluatePoint(const TPumpRecord& pump, const OperatingPoint& point) {
    const FlowResult f = OutletFlow(pump, point);
    PointResult r;
    r.stallOutletPsi = ModelStallOutletPsi(pump, point.drivePsi, point.inletPsi);
    r.stallAirPsi = f.stallAirPsi;
    r.speedFraction = f.speedFraction;
    r.cyclesPerMin = f.speedFraction * pump.MaxCyclesPerMin;
    r.compressionRatio = f.compressionRatio;
    r.volumetricEfficiency = f.volumetricEfficiency;
    r.flowScfm = f.flowScfm;
    r.airUseScfm = AirUse(pump, point.drivePsi, f.speedFraction, point.outletPsi, f.flowScfm);
    return r;
}

}  // namespace zorvik
