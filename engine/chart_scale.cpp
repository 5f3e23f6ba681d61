#include "chart_scale.h"

#include <cmath>

#include "units.h"

namespace zorvik {
namespace {

struct TickRow {
    int from;  // applies from this n up to the next row's n
    int step;
};

// clang-format off
constexpr TickRow kTickRows[] = {
//   n from  step
    {0,      1},
    {10,     2},
    {20,     4},
    {30,     5},
    {50,     8},
    {70,     10},
    {120,    20},
    {300,    50},
    {800,    100},
    {1500,   200},
    {2500,   500},
    {6000,   1000},
    {12000,  2000},
    {20000,  2500},
    {25000,  5000},
    {50000,  10000},  // 50000 only
};
// clang-format on
constexpr int kTableEnd = 50000;

constexpr double kInletStepsPsi[] = {
    10000, 7500, 6000, 5000, 4000, 3000, 2500, 2000, 1500, 1000, 750, 600, 500, 400, 300,
    250,   200,  150,  125,  100,  75,   50,   40,   25,   20,   10,  5,   2,   1,
};

constexpr double kInletStepsBar[] = {
    600, 500, 400, 300, 250, 200, 175, 150, 125, 100, 75,  50, 40,  30,
    25,  20,  15,  10,  7.5, 6,   5,   4,   3,   2,   1.5, 1,  0.8, 0.5,
};

// A curve is spaced so that at least 4.5 steps fit below the inlet.
constexpr double kStepsBelowInlet = 4.5;

// The whole number of an axis maximum, held in range; not a number is 0.
int AxisNumber(double maximum) {
    if (std::isnan(maximum)) return 0;
    const double held = std::fmax(-ChartLargestAxisNumber, std::fmin(maximum, ChartLargestAxisNumber));
    return static_cast<int>(std::trunc(held));
}

int Pixels(double offset) {
    if (std::isnan(offset)) return 0;
    return static_cast<int>(std::trunc(std::fmax(-ChartFarPixels, std::fmin(offset, ChartFarPixels))));
}

// The bar axis counts its ticks from the whole bar below the highest
// pressure, so the top curve could run up to a bar past the axis end; one
// more tick then takes the axis past it.
void ReachCurvesEnd(TickSpacing& ticks, double curvesEndBar) {
    if (ticks.count > 0 && ticks.count < 50 && static_cast<double>(ticks.count) * ticks.step < curvesEndBar)
        ++ticks.count;
}

}  // namespace

TickSpacing TickStep(int n) {
    if (n >= 0 && n <= kTableEnd) {
        int step = kTickRows[0].step;
        for (const TickRow& row : kTickRows)
            if (n >= row.from) step = row.step;
        return {step, (n + step - 1) / step};
    }
    if (n > 10000) return {20000, static_cast<int>(n / 20000.0 + 0.99)};
    return {10000, static_cast<int>(n / 10000.0 + 0.99)};
}

double NiceInletStep(double inletPsi) {
    for (double s : kInletStepsPsi)
        if (inletPsi / s >= kStepsBelowInlet) return s;
    return 1;
}

double NiceInletStepBar(double inletPsi) {
    for (double s : kInletStepsBar)
        if (inletPsi / units::PsiPerBar / s >= kStepsBelowInlet) return s * units::PsiPerBar;
    return 0.5 * units::PsiPerBar;
}

std::array<double, 5> InletPressures(double inletPsi, bool barMode) {
    const double s = barMode ? NiceInletStepBar(inletPsi) : NiceInletStep(inletPsi);
    const double base = inletPsi / s >= 5.5 ? 2 * s : s;
    return {inletPsi, base + 3 * s, base + 2 * s, base + s, base};
}

ChartAxes MakeChartAxes(int x0, int y0, double outletMaxPsi, double flowMaxScfm, bool barMode, double curvesEndPsi) {
    ChartAxes a;
    a.barMode = barMode;
    a.x0 = x0;
    a.y0 = y0;
    const double reachPsi = curvesEndPsi > outletMaxPsi ? curvesEndPsi : outletMaxPsi;
    const double outletMax = barMode ? std::trunc(reachPsi / units::PsiPerBar) : reachPsi;
    a.x = TickStep(AxisNumber(outletMax + 0.49));
    if (barMode) ReachCurvesEnd(a.x, curvesEndPsi / units::PsiPerBar);
    a.XUnitsPerPixel = static_cast<double>(a.x.count) * a.x.step / ChartAxisLengthX;
    const double flowMax = barMode ? std::trunc(flowMaxScfm * units::LitresPerCubicFootChart) : flowMaxScfm;
    a.y = TickStep(AxisNumber(flowMax + 0.49));
    a.YUnitsPerPixel = static_cast<double>(a.y.count) * a.y.step / ChartAxisLengthY;
    return a;
}

double ChartPressureValue(double psi, bool barMode) { return barMode ? psi / units::PsiPerBar : psi; }

double ChartFlowValue(double scfm, bool barMode) { return barMode ? scfm * units::LitresPerCubicFootChart : scfm; }

int ChartAxes::PressureOffset(double psi) const { return Pixels(ChartPressureValue(psi, barMode) / XUnitsPerPixel); }

int ChartAxes::FlowOffset(double scfm) const { return Pixels(ChartFlowValue(scfm, barMode) / YUnitsPerPixel); }

int ChartAxes::FlowOffsetRounded(double scfm) const {
    return Pixels(std::round(ChartFlowValue(scfm, barMode) / YUnitsPerPixel));
}

}  // namespace zorvik
