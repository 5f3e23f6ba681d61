#include "graph_settings.h"

#include <cmath>

#include "notices.h"
#include "performance_model.h"
#include "shared_state.h"
#include "chart_text.h"
#include "performance_chart.h"
#include "state_picture.h"

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
// clang-format on

constexpr double kSmallFlowAxisScfm = 11;
constexpr double kSmallFlowAxisPadScfm = 2;

// Share of the top curve's starting flow an axis raised to it ends at.
constexpr double kBalloonHeadroom = 1.1;

}  // namespace

double GraphMaxInletFor(const TPumpRecord& pump, double airDrivePsi) {
    if (pump.MaxInletPsi >= 0) return pump.MaxInletPsi;
    return std::fabs(pump.MaxInletPsi) * airDrivePsi * kChartInletShareOfDrive;
}

void ApplyGraphSettings() {
    const TPumpRecord& pump = Shared.CurrentPump;
    Shared.AirDrivePsi = Shared.GraphAirDrivePsi;
    if (Shared.AirDrivePsi > pump.MaxAirDrivePsi) {
        CurrentNotices().Beep();
        CurrentNotices().Warning("Air drive pressure is too high!\rReset to maximum air drive pressure");
        Shared.AirDrivePsi = pump.MaxAirDrivePsi;
    }
    Shared.InletPsi = std::trunc(pump.GraphInletPsi * Shared.GraphInletScale + 0.5);
    Shared.GraphMaxInletPsi = GraphMaxInletFor(pump, Shared.AirDrivePsi);
    if (Shared.InletPsi > Shared.GraphMaxInletPsi) Shared.InletPsi = Shared.GraphMaxInletPsi;
    if (Shared.InletPsi < pump.MinInletPsi) Shared.InletPsi = pump.MinInletPsi;
    if (Shared.InletPsi < kLowestChartInletPsi) Shared.InletPsi = kLowestChartInletPsi;
    if (pump.InletIsDriveAir) Shared.InletPsi = Shared.AirDrivePsi;
}

GraphAxisRange AxisRangeWith(std::span<const FixedAxisRange> fixedRanges) {
    const TPumpRecord& pump = Shared.CurrentPump;
    GraphAxisRange r{};
    r.outletMaxPsi = StallOutletPsi(pump, Shared.AirDrivePsi, Shared.InletPsi);
    double probePsi = 0.6666666 * r.outletMaxPsi;
    if (1.3333 * Shared.InletPsi < probePsi) probePsi = 1.3333 * Shared.InletPsi;
    r.flowMaxScfm = OutletFlow(pump, {pump.MaxAirDrivePsi, Shared.InletPsi, probePsi}).flowScfm;
    for (const FixedAxisRange& f : fixedRanges) {
        if (f.pumpNo != pump.PumpNo) continue;
        if (!f.atLeast || r.outletMaxPsi < f.outletPsi) r.outletMaxPsi = f.outletPsi;
        if (!f.atLeast || r.flowMaxScfm < f.flowScfm) r.flowMaxScfm = f.flowScfm;
    }
    r.flowMaxScfm = PadSmallFlowAxis(r.flowMaxScfm);
    // The top curve starts at its highest flow, which a raised inlet
    // pressure can put above the axis: the curve and its balloon would run
    // off the chart. The axis then takes that flow, with room for the balloon.
    const double inletPsi = pump.InletIsDriveAir ? Shared.AirDrivePsi : Shared.InletPsi;
    const double startFlowScfm = OutletFlow(pump, {Shared.AirDrivePsi, inletPsi, inletPsi}).flowScfm;
    if (startFlowScfm > r.flowMaxScfm) r.flowMaxScfm = startFlowScfm * kBalloonHeadroom;
    return r;
}

GraphAxisRange GraphRange() { return AxisRangeWith(kGraphFixedRanges); }

double PadSmallFlowAxis(double flowScfm) {
    return flowScfm <= kSmallFlowAxisScfm ? flowScfm + kSmallFlowAxisPadScfm : flowScfm;
}

void DrawGraphSettings(Canvas& canvas) {
    ApplyGraphSettings();
    const GraphAxisRange range = GraphRange();
    DrawPerformanceGraph(canvas, ChartOriginX, ChartOriginY, range.outletMaxPsi, range.flowMaxScfm);
}

PictureDrawing GraphSettingsPicture() {
    ApplyGraphSettings();
    const GraphAxisRange range = GraphRange();
    return PictureOfStateNow([range](Canvas& canvas) {
        DrawPerformanceGraph(canvas, ChartOriginX, ChartOriginY, range.outletMaxPsi, range.flowMaxScfm);
    });
}

void DrawGraphSettings(GraphWindowSurface& window) {
    window.ShowPicture(GraphSettingsPicture());
    window.SetDrivePressureCaption(DrivePressureCaption(Shared.AirDrivePsi, Shared.DisplayMode == DisplayChartBar));
}

}  // namespace zorvik
