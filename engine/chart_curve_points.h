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

// Air-use levels of models 5-14: level k stands for 10 x k scfm (in the
// bar chart 10 x k normal m3 a minute's worth, x 0.88286).
inline constexpr int ChartLowestAirUseLevel = 2;
inline constexpr int ChartHighestAirUseLevel = 24;

// Where one air-use level meets each of the five inlet pressures: the
// outlet psig at which the model uses that much air, and its flow there.
struct AirUseLevelPoints {
    std::array<double, 5> outletPsi;
    std::array<double, 5> flowScfm;
};

// Every level from the lowest to the highest, indexed by k (the entries
// below the lowest are left empty), at the chart's drive pressure.
std::array<AirUseLevelPoints, ChartHighestAirUseLevel + 1> ChartAirUseLevels(const TPumpRecord& pump, double drivePsi,
                                                                             const std::array<double, 5>& inlets,
                                                                             bool barMode);

}  // namespace zorvik
