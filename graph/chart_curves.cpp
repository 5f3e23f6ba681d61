#include "graph/chart_curves.h"

#include <algorithm>
#include <array>

#include "core/air_use_lines.h"
#include "core/catalogue.h"
#include "core/performance_model.h"
#include "core/shared_state.h"
#include "core/units.h"
#include "graph/chart_labels.h"
#include "graph/chart_text.h"

namespace zorvik {
namespace {

// Air-use levels of models 5-14: level k stands for 10 x k scfm.
constexpr int kLowestLevel = 2;
constexpr int kHighestLevel = 24;

// Points along each inlet curve, from the inlet pressure to stall.
constexpr int kCurveSteps = 24;

const QColor kCurveColors[5] = {colors::Red, colors::Purple, colors::Green, colors::Maroon, colors::Olive};

// The measured lines of models 1-4 and 15, each labelled at its last point.
// A line starts at its first point above the axis.
void DrawMeasuredAirUseLines(Canvas& c, const ChartAxes& a) {
    const int pumpNo = Shared.CurrentPump.PumpNo;
    c.SetPenColor(colors::Magenta);
    for (int line = 1; line <= AirUseLineCount(pumpNo); ++line) {
        LoadAirUseLine(pumpNo, line);
        c.SetPenStyle(PenStyle::Dotted);
        bool started = false;
        for (int i = 0; i < 11; ++i) {
            const int x = a.PressureX(Shared.LineOutletPsi[i]);
            const int dy = a.FlowOffset(Shared.LineFlowScfm[i]);
            if (started) {
                c.LineTo(x, a.y0 - dy);
            } else {
                c.MoveTo(x, a.y0 - dy);
                started = dy > 0;
            }
        }
        c.SetPenStyle(PenStyle::Solid);
        DrawLineLabel(c, c.PenPos().x(), c.PenPos().y(), LineLabelText(Shared.LineAirUseScfm, a.barMode));
    }
}

struct LevelPoints {
    std::array<double, 5> outletPsi;
    std::array<double, 5> flowScfm;
};

// Where each air-use level meets each inlet pressure. The speed row and the
// air use by speed are refreshed for every level, as OutletAtAirUse needs.
std::array<LevelPoints, kHighestLevel + 1> ComputeLevels(const std::array<double, 5>& inlets, bool barMode) {
    std::array<LevelPoints, kHighestLevel + 1> levels{};
    for (int k = kHighestLevel; k >= kLowestLevel; --k) {
        const double airUse = barMode ? 10.0 * k * units::ChartNormalPerStandard : 10.0 * k;
        FindSpeedFraction(Shared.AirDrivePsi);
        FillAirUseBySpeed();
        for (int j = 0; j < 5; ++j) {
            levels[k].outletPsi[j] = OutletAtAirUse(airUse, inlets[j]);
            levels[k].flowScfm[j] = OutletFlow(levels[k].outletPsi[j], inlets[j], Shared.AirDrivePsi);
        }
    }
    return levels;
}

// The computed levels of models 5-14, tagged where they meet the top inlet
// curve and joined across the lower inlet curves. The first level that
// falls off the chart ends them all.
void DrawComputedAirUseLevels(Canvas& c, const ChartAxes& a) {
    const std::array<double, 5> inlets = InletPressures(Shared.InletPsi, a.barMode);
    const auto levels = ComputeLevels(inlets, a.barMode);
    c.SetPenColor(colors::Magenta);
    for (int k = kLowestLevel; k <= kHighestLevel; ++k) {
        const int dx = a.PressureOffset(levels[k].outletPsi[0]);
        const int dy = std::min(a.FlowOffset(levels[k].flowScfm[0]), ChartAxisLengthY);
        if (dx <= 0 || dy <= 0) return;
        c.MoveTo(a.x0 + dx, a.y0 - dy);
        c.SetPenStyle(PenStyle::Solid);
        DrawAirUseTag(c, a.x0 + dx, a.y0 - dy, AirUseTagText(k, a.barMode));
        c.LineTo(a.x0 + dx, a.y0 - dy);
        c.SetPenStyle(PenStyle::Dotted);
        for (int j = 1; j < 5; ++j) {
            if (inlets[j] < Shared.CurrentPump.MinInletPsi) break;
            const int px = a.PressureOffset(levels[k].outletPsi[j]);
            const int py = a.FlowOffset(levels[k].flowScfm[j]);
            if (px <= 0 || py <= 0) break;
            c.LineTo(a.x0 + px, a.y0 - py);
        }
    }
}

// One inlet curve from inlet pressure p to stall, labelled at its start.
void DrawInletCurve(Canvas& c, const ChartAxes& a, double p) {
    const double stall = StallOutletPsi(Shared.AirDrivePsi, p);
    const double d = (stall - p) / kCurveSteps;
    const int sx = a.PressureX(p);
    const int sy = a.y0 - a.FlowOffsetRounded(OutletFlow(p, p, Shared.AirDrivePsi));
    DrawBalloon(c, std::max(sx, a.x0 + 22) - 5, sy, InletLabelText(p, a.barMode));
    QPoint previous(sx, sy);
    for (int i = 1; i <= kCurveSteps; ++i) {
        const double outlet = p + i * d;
        const double flow = OutletFlow(outlet, p, Shared.AirDrivePsi);
        const QPoint next(a.PressureX(outlet), a.y0 - std::max(0, a.FlowOffsetRounded(flow)));
        c.MoveTo(previous.x(), previous.y());
        c.LineTo(next.x(), next.y());
        previous = next;
    }
}

void DrawFlowPoint(Canvas& c, const ChartAxes& a) {
    c.SetPenWidth(2);
    c.SetPenColor(colors::Blue);
    const int x = a.PressureX(Shared.OutletPsi);
    const int y = a.FlowY(Shared.FlowScfm);
    c.MoveTo(x, y);
    c.LineTo(a.x0, y);
    c.MoveTo(x, y);
    c.LineTo(x, a.y0);
}

// The flows the vessel-charging search recorded for the model in
// PumpIndex, at the start pressure and ten equal steps to the final one.
void DrawChargingPoints(Canvas& c, const ChartAxes& a) {
    c.SetBrushColor(colors::Red);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetPenColor(colors::Red);
    // A model number outside the table has no recorded charge.
    if (Shared.PumpIndex < 1 || Shared.PumpIndex > PumpCount) return;
    const auto& flows = Shared.ChargeFlowTable[Shared.PumpIndex - 1];
    for (int i = 0; i < ChargePoints; ++i) {
        const double pressure = Shared.OutStartPsi + (Shared.OutFinalPsi - Shared.OutStartPsi) * i / 10;
        const int x = a.PressureX(pressure);
        const int y = a.FlowY(flows[i]);
        c.Ellipse(x - 3, y - 3, x + 3, y + 3);
    }
}

}  // namespace

void DrawAirUseLines(Canvas& canvas, const ChartAxes& axes) {
    if (UsesAirUseLines(Shared.CurrentPump.PumpNo)) DrawMeasuredAirUseLines(canvas, axes);
    else DrawComputedAirUseLevels(canvas, axes);
}

void DrawInletCurves(Canvas& canvas, const ChartAxes& axes) {
    const TPumpRecord& pump = Shared.CurrentPump;
    std::array<double, 5> inlets = InletPressures(Shared.InletPsi, axes.barMode);
    if (pump.InletIsDriveAir) inlets[0] = Shared.AirDrivePsi;
    canvas.SetPenStyle(PenStyle::Solid);
    for (int j = 0; j < 5; ++j) {
        if (inlets[j] < pump.MinInletPsi) return;
        if (inlets[j] < 0) continue;
        canvas.SetPenColor(kCurveColors[j]);
        DrawInletCurve(canvas, axes, inlets[j]);
        if (pump.InletIsDriveAir) return;
    }
}

void DrawSelectionOverlay(Canvas& canvas, const ChartAxes& axes) {
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenWidth(1);
    if (Shared.ApplicationType == ApplicationFlow) DrawFlowPoint(canvas, axes);
    else if (Shared.ApplicationType == ApplicationFillCylinder) DrawChargingPoints(canvas, axes);
}

}  // namespace zorvik
