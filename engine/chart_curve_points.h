#pragma once
// The inlet curves of the performance chart as figures: what the chart
// draws, and what its table gives a reader who cannot see the picture. Both
// take their points from here, so the two never disagree.
//
// Units: psig and scfm; ChartPressureValue and ChartFlowValue (chart_scale.h)
// turn them into the chart's axis units.

#include <array>
#include <vector>

#include "catalogue.h"

namespace zorvik {

// Points along each inlet curve after its start, up to the stall.
inline constexpr int InletCurveSteps = 24;

struct InletCurvePoints {
    int step = 0;  // of the chart's five inlet pressures, top first
    double inletPsi = 0;
    // {outlet psig, delivered flow scfm}: the start at the inlet pressure,
    // then InletCurveSteps equal steps to the stall outlet pressure
    // (StallOutletPsi), each flow OutletFlow at the chart's drive pressure.
    std::vector<std::array<double, 2>> points;
};

// The curves of a chart at `drivePsi` whose top inlet curve is at
// `topInletPsi`: the five InletPressures of the chart's units, top first, as
// far as they stay at or above the model's MinInletPsi (one below zero is
// left out). A model that boosts its own drive air has one curve, at the
// drive pressure.
std::vector<InletCurvePoints> ChartInletCurves(const TPumpRecord& pump, double drivePsi, double topInletPsi,
                                               bool barMode);

}  // namespace zorvik
