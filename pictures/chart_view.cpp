#include "chart_view.h"

#include <cmath>

#include "performance_model.h"

namespace zorvik {
namespace {

// The chart draws nothing below this inlet pressure, psig.
constexpr double kLowestChartInletPsi = 5;

// Share of the drive-pressure multiple allowed as inlet on the chart.
constexpr double kChartInletShareOfDrive = 0.8;

// clang-format off
constexpr FixedAxisRange kGraphFixedRanges[] = {
//   model outlet  flow  at least
    {1,    350,    6,    false},
    {2,    450,    4,    false},
    {3,    600,    3,    false},
    {4,    250,    40,   true},
    {15,   250,    225,  true},
};

// The picture viewer's: model 3's outlet axis ends at 550 psig.
constexpr FixedAxisRange kViewerFixedRanges[] = {
//   model outlet  flow  at least
    {1,    350,    6,    false},
    {2,    450,    4,    false},
    {3,    550,    3,    false},
    {4,    250,    40,   true},
    {15,   250,    225,  true},
};
// clang-format on

constexpr double kSmallFlowAxisScfm = 11;
constexpr double kSmallFlowAxisPadScfm = 2;

// Share of the top curve's starting flow an axis raised to it ends at.
constexpr double kBalloonHeadroom = 1.1;

}  // namespace

double MaxInletFor(const TPumpRecord& pump, double airDrivePsi) {
    if (pump.MaxInletPsi >= 0) return pump.MaxInletPsi;
    return std::fabs(pump.MaxInletPsi) * airDrivePsi * kChartInletShareOfDrive;
}

PreparedChart PrepareGraphChart(int model, double graphDrivePsi, double graphInletScale, bool bar) {
    PreparedChart prepared;
    ChartView& v = prepared.view;
    v.model = model;
    v.bar = bar;
    const TPumpRecord& pump = v.Pump();
    v.drivePsi = graphDrivePsi;
    if (v.drivePsi > pump.MaxAirDrivePsi) {
        prepared.warning =
            Tr("PerformanceChart", "Air drive pressure is too high!\rReset to maximum air drive pressure");
        v.drivePsi = pump.MaxAirDrivePsi;
    }
    v.inletPsi = std::trunc(pump.GraphInletPsi * graphInletScale + 0.5);
    const double maxInletPsi = MaxInletFor(pump, v.drivePsi);
    if (v.inletPsi > maxInletPsi) v.inletPsi = maxInletPsi;
    if (v.inletPsi < pump.MinInletPsi) v.inletPsi = pump.MinInletPsi;
    if (v.inletPsi < kLowestChartInletPsi) v.inletPsi = kLowestChartInletPsi;
    if (pump.InletIsDriveAir) v.inletPsi = v.drivePsi;
    return prepared;
}

GraphAxisRange AxisRangeWith(const ChartView& view, std::span<const FixedAxisRange> fixedRanges) {
    const TPumpRecord& pump = view.Pump();
    GraphAxisRange r{};
    r.outletMaxPsi = StallOutletPsi(pump, view.drivePsi, view.inletPsi);
    double probePsi = 0.6666666 * r.outletMaxPsi;
    if (1.3333 * view.inletPsi < probePsi) probePsi = 1.3333 * view.inletPsi;
    r.flowMaxScfm = OutletFlow(pump, {pump.MaxAirDrivePsi, view.inletPsi, probePsi}).flowScfm;
    for (const FixedAxisRange& f : fixedRanges) {
        if (f.pumpNo != pump.PumpNo) continue;
        if (!f.atLeast || r.outletMaxPsi < f.outletPsi) r.outletMaxPsi = f.outletPsi;
        if (!f.atLeast || r.flowMaxScfm < f.flowScfm) r.flowMaxScfm = f.flowScfm;
    }
    r.flowMaxScfm = PadSmallFlowAxis(r.flowMaxScfm);
    // The top curve starts at its highest flow, which a raised inlet
    // pressure can put above the axis: the curve and its balloon would run
    // off the chart. The axis then takes that flow, with room for the balloon.
    const double inletPsi = pump.InletIsDriveAir ? view.drivePsi : view.inletPsi;
    const double startFlowScfm = OutletFlow(pump, {view.drivePsi, inletPsi, inletPsi}).flowScfm;
    if (startFlowScfm > r.flowMaxScfm) r.flowMaxScfm = startFlowScfm * kBalloonHeadroom;
    return r;
}

GraphAxisRange GraphRange(const ChartView& view) { return AxisRangeWith(view, kGraphFixedRanges); }

GraphAxisRange ComputeViewRange(const ChartView& view) { return AxisRangeWith(view, kViewerFixedRanges); }

GraphAxisRange ChartAxisRange(const ChartView& view) {
    return view.axes == ChartAxisRule::SelectionViewer ? ComputeViewRange(view) : GraphRange(view);
}

double PadSmallFlowAxis(double flowScfm) {
    return flowScfm <= kSmallFlowAxisScfm ? flowScfm + kSmallFlowAxisPadScfm : flowScfm;
}

}  // namespace zorvik
