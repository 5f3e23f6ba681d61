#pragma once
// The numbers behind the performance chart: axis ticks, the spacing of the
// lower inlet curves, and where a pressure or a flow lands on the picture.
// Nothing here draws, so each rule can be checked on its own.
//
// Axis units: psi and scfm on the psi chart; bar (psig / 14.50377) and
// normal litres per minute (scfm x 28.317) on the bar chart.

#include <array>

namespace zorvik {

inline constexpr int ChartAxisLengthX = 520;  // pixels of the outlet-pressure axis
inline constexpr int ChartAxisLengthY = 312;  // pixels of the flow axis

struct TickSpacing {
    int step;   // axis units between ticks
    int count;  // ticks after the origin
};

// Tick step and count for an axis whose maximum is the whole number n.
TickSpacing TickStep(int n);

// Step between the lower inlet curves, psi: the largest round step that
// fits at least 4.5 times into the inlet pressure.
double NiceInletStep(double inletPsi);
// The same in round bar values, returned in psi.
double NiceInletStepBar(double inletPsi);

// The five inlet pressures of the chart, psig: the inlet itself, then four
// lower ones, falling, one step apart and ending one or two steps above 0.
std::array<double, 5> InletPressures(double inletPsi, bool barMode);

// A pressure, psig, and a flow, scfm, in the chart's axis units:
//   bar chart  barg = psig / 14.50377;  nl/min = scfm x 28.317
//   psi chart  unchanged.
double ChartPressureValue(double psi, bool barMode);
double ChartFlowValue(double scfm, bool barMode);

// The two axes of one chart and the mapping from psig and scfm to pixels.
// Offsets from the origin are truncated toward zero; only the inlet curves
// round their flows to the nearest pixel.
struct ChartAxes {
    bool barMode = false;
    int x0 = 0;  // origin, pixels; y grows downwards
    int y0 = 0;
    TickSpacing x{1, 0};
    TickSpacing y{1, 0};
    double XUnitsPerPixel = 0;  // psi or bar per pixel
    double YUnitsPerPixel = 0;  // scfm or nl/min per pixel

    // Both scales above 0; otherwise only the cleared picture is drawn.
    bool Drawable() const { return XUnitsPerPixel > 0 && YUnitsPerPixel > 0; }

    int PressureOffset(double psi) const;
    int FlowOffset(double scfm) const;
    int FlowOffsetRounded(double scfm) const;
    int PressureX(double psi) const { return x0 + PressureOffset(psi); }
    int FlowY(double scfm) const { return y0 - FlowOffset(scfm); }
};

// The axes for an outlet-pressure maximum (psig) and a flow maximum (scfm).
// The pressure axis reaches curvesEndPsi too (the highest pressure of the
// top inlet curve), so no curve runs past its end: the bar axis, counted
// from the whole bar below, takes one tick more where it would end short.
ChartAxes MakeChartAxes(int x0, int y0, double outletMaxPsi, double flowMaxScfm, bool barMode, double curvesEndPsi = 0);

// Offsets are held within this many pixels of the origin, so a point far
// off the picture can neither overflow a pixel coordinate nor send the
// rasteriser along a line thousands of pictures long.
inline constexpr int ChartFarPixels = 20000;

// Axis maxima are held to this whole number before the ticks are counted,
// which keeps every axis at 50 ticks or fewer.
inline constexpr int ChartLargestAxisNumber = 1000000;

}  // namespace zorvik
