#include "chart_curves.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "air_use_lines.h"
#include "catalogue.h"
#include "performance_model.h"
#include "shared_state.h"
#include "units.h"
#include "chart_labels.h"
#include "chart_text.h"

namespace zorvik {
namespace {

// Air-use levels of models 5-14: level k stands for 10 x k scfm.
constexpr int kLowestLevel = 2;
constexpr int kHighestLevel = 24;

// Points along each inlet curve, from the inlet pressure to stall.
constexpr int kCurveSteps = 24;

const QColor kCurveColors[5] = {colors::Red, colors::Purple, colors::Green, colors::Maroon, colors::Olive};

// Delivered flow, scfm, of the current model at the chart's drive pressure.
double ChartFlow(double outletPsi, double inletPsi) {
    return OutletFlow(Shared.CurrentPump, {Shared.AirDrivePsi, inletPsi, outletPsi}).flowScfm;
}

struct InletCurve {
    int step;  // of the five inlet steps, top first; sets the colour
    double inletPsi;
    QPoint start;    // where the curve starts
    QPoint balloon;  // where its balloon stands
};

// A balloon stands this far at least from the flow axis, and from the end
// of the pressure axis, and a curve that starts at the top of the plot has
// its balloon hung from the top, so that it stays on the plot.
constexpr int kBalloonFromAxis = 22;
constexpr int kBalloonFromEnd = 15;
constexpr int kBalloonHeight = 21;

// The inlet curves the chart draws, top curve first. Each balloon stands
// on its curve's start, kept off the axes' ends; where curves start so close
// that balloons would hide each other, a balloon goes up above the one
// below it.
std::vector<InletCurve> InletCurves(const ChartAxes& a) {
    const TPumpRecord& pump = Shared.CurrentPump;
    std::array<double, 5> inlets = InletPressures(Shared.InletPsi, a.barMode);
    if (pump.InletIsDriveAir) inlets[0] = Shared.AirDrivePsi;
    std::vector<InletCurve> curves;
    for (int j = 0; j < 5; ++j) {
        if (inlets[j] < pump.MinInletPsi) break;
        if (inlets[j] < 0) continue;
        const double p = inlets[j];
        const QPoint start(a.PressureX(p), a.y0 - a.FlowOffsetRounded(ChartFlow(p, p)));
        const int balloonX = std::clamp(start.x(), a.x0 + kBalloonFromAxis, a.x0 + ChartAxisLengthX - kBalloonFromEnd);
        const int balloonY = std::max(start.y(), a.y0 - ChartAxisLengthY + kBalloonHeight);
        curves.push_back({j, p, start, {balloonX - 5, balloonY}});
        if (pump.InletIsDriveAir) break;
    }
    for (auto below = curves.rbegin(); below != curves.rend(); ++below)
        for (auto above = below + 1; above != curves.rend(); ++above)
            if (BalloonBox(above->balloon).intersects(BalloonBox(below->balloon)))
                above->balloon.setY(BalloonBox(below->balloon).top() - 1);
    return curves;
}

std::vector<QRect> BalloonBoxes(const ChartAxes& a) {
    std::vector<QRect> boxes;
    for (const InletCurve& curve : InletCurves(a)) boxes.push_back(BalloonBox(curve.balloon));
    return boxes;
}

// The plot inside the axes: tags stay within it.
QRect PlotArea(const ChartAxes& a) {
    return {QPoint(a.x0 + 1, a.y0 - ChartAxisLengthY), QPoint(a.x0 + ChartAxisLengthX, a.y0 - 1)};
}

// Point i of a measured line.
QPoint MeasuredPoint(const ChartAxes& a, const AirUseLineValues& line, int i) {
    return {a.PressureX(line.outletPsi[i]), a.y0 - a.FlowOffset(line.flowScfm[i])};
}

constexpr int kMeasuredPoints = 11;

// The measured lines of models 1-4 and 15, each labelled at its last point.
// A line starts at its first point above the axis.
void DrawMeasuredAirUseLines(Canvas& c, const ChartAxes& a) {
    const int pumpNo = Shared.CurrentPump.PumpNo;
    c.SetPenColor(colors::Magenta);
    for (int n = 1; n <= AirUseLineCount(pumpNo); ++n) {
        const AirUseLineValues line = LoadAirUseLine(pumpNo, n).value_or(AirUseLineValues{});
        c.SetPenStyle(PenStyle::Dotted);
        bool started = false;
        for (int i = 0; i < kMeasuredPoints; ++i) {
            const QPoint p = MeasuredPoint(a, line, i);
            if (started) {
                c.LineTo(p.x(), p.y());
            } else {
                c.MoveTo(p.x(), p.y());
                started = p.y() < a.y0;
            }
        }
        c.SetPenStyle(PenStyle::Solid);
        DrawLineLabel(c, c.PenPos().x(), c.PenPos().y(), LineLabelText(line.airUseScfm, a.barMode));
    }
}

std::vector<QRect> MeasuredLineLabelBoxes(const Canvas& c, const ChartAxes& a) {
    const int pumpNo = Shared.CurrentPump.PumpNo;
    std::vector<QRect> boxes;
    for (int n = 1; n <= AirUseLineCount(pumpNo); ++n) {
        const AirUseLineValues line = LoadAirUseLine(pumpNo, n).value_or(AirUseLineValues{});
        const QPoint end = MeasuredPoint(a, line, kMeasuredPoints - 1);
        boxes.push_back(LineLabelBox(c, end.x(), end.y(), LineLabelText(line.airUseScfm, a.barMode)));
    }
    return boxes;
}

struct LevelPoints {
    std::array<double, 5> outletPsi;
    std::array<double, 5> flowScfm;
};

// Where each air-use level meets each inlet pressure (models 5-14, whose
// air use depends on drive and speed alone).
std::array<LevelPoints, kHighestLevel + 1> ComputeLevels(const std::array<double, 5>& inlets, bool barMode) {
    const TPumpRecord& pump = Shared.CurrentPump;
    const SpeedRow row = FindSpeedRow(pump, Shared.AirDrivePsi);
    const AirUseBySpeedTable airUseBySpeed = FillAirUseBySpeed(pump, Shared.AirDrivePsi, 0, 0);
    std::array<LevelPoints, kHighestLevel + 1> levels{};
    for (int k = kHighestLevel; k >= kLowestLevel; --k) {
        const double airUse = barMode ? 10.0 * k * units::ChartNormalPerStandard : 10.0 * k;
        for (int j = 0; j < 5; ++j) {
            levels[k].outletPsi[j] = OutletAtAirUse(pump, row, airUseBySpeed, airUse, inlets[j]);
            levels[k].flowScfm[j] = ChartFlow(levels[k].outletPsi[j], inlets[j]);
        }
    }
    return levels;
}

// Where level k's tag stands: on the top inlet curve, or nothing once the
// level falls off the chart (which ends the levels above it too).
std::optional<QPoint> TagPoint(const ChartAxes& a, const LevelPoints& level) {
    const int dx = a.PressureOffset(level.outletPsi[0]);
    const int dy = std::min(a.FlowOffset(level.flowScfm[0]), ChartAxisLengthY);
    if (dx <= 0 || dy <= 0) return std::nullopt;
    return QPoint(a.x0 + dx, a.y0 - dy);
}

// The computed levels of models 5-14, tagged where they meet the top inlet
// curve and joined across the lower inlet curves.
void DrawComputedAirUseLevels(Canvas& c, const ChartAxes& a) {
    const std::array<double, 5> inlets = InletPressures(Shared.InletPsi, a.barMode);
    const auto levels = ComputeLevels(inlets, a.barMode);
    std::vector<QRect> keepClear = BalloonBoxes(a);
    c.SetPenColor(colors::Magenta);
    for (int k = kLowestLevel; k <= kHighestLevel; ++k) {
        const std::optional<QPoint> tag = TagPoint(a, levels[k]);
        if (!tag) return;
        c.MoveTo(tag->x(), tag->y());
        c.SetPenStyle(PenStyle::Solid);
        const QString text = AirUseTagText(k, a.barMode);
        keepClear.push_back(DrawAirUseTag(c, tag->x(), tag->y(), text, keepClear, PlotArea(a)));
        c.LineTo(tag->x(), tag->y());
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

std::vector<QRect> ComputedLevelTagBoxes(const Canvas& c, const ChartAxes& a) {
    const auto levels = ComputeLevels(InletPressures(Shared.InletPsi, a.barMode), a.barMode);
    std::vector<QRect> keepClear = BalloonBoxes(a);
    std::vector<QRect> boxes;
    for (int k = kLowestLevel; k <= kHighestLevel; ++k) {
        const std::optional<QPoint> tag = TagPoint(a, levels[k]);
        if (!tag) break;
        boxes.push_back(AirUseTagBox(c, tag->x(), tag->y(), AirUseTagText(k, a.barMode), keepClear, PlotArea(a)));
        keepClear.push_back(boxes.back());
    }
    return boxes;
}

// One inlet curve from its inlet pressure to stall, with its balloon.
void DrawInletCurve(Canvas& c, const ChartAxes& a, const InletCurve& curve) {
    const double p = curve.inletPsi;
    const double stall = StallOutletPsi(Shared.CurrentPump, Shared.AirDrivePsi, p);
    const double d = (stall - p) / kCurveSteps;
    DrawBalloon(c, curve.balloon.x(), curve.balloon.y(), InletLabelText(p, a.barMode));
    QPoint previous = curve.start;
    for (int i = 1; i <= kCurveSteps; ++i) {
        const double outlet = p + i * d;
        const double flow = ChartFlow(outlet, p);
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
    if (UsesAirUseLines(Shared.CurrentPump.PumpNo))
        DrawMeasuredAirUseLines(canvas, axes);
    else
        DrawComputedAirUseLevels(canvas, axes);
}

std::vector<QRect> AirUseLabelBoxes(const Canvas& canvas, const ChartAxes& axes) {
    return UsesAirUseLines(Shared.CurrentPump.PumpNo) ? MeasuredLineLabelBoxes(canvas, axes)
                                                      : ComputedLevelTagBoxes(canvas, axes);
}

std::vector<QRect> InletBalloonBoxes(const ChartAxes& axes) { return BalloonBoxes(axes); }

double TopCurveEndPsi() {
    const TPumpRecord& pump = Shared.CurrentPump;
    const double top = pump.InletIsDriveAir ? Shared.AirDrivePsi : Shared.InletPsi;
    if (top < pump.MinInletPsi || top < 0) return 0;
    return std::max(top, StallOutletPsi(pump, Shared.AirDrivePsi, top));
}

void DrawInletCurves(Canvas& canvas, const ChartAxes& axes) {
    canvas.SetPenStyle(PenStyle::Solid);
    for (const InletCurve& curve : InletCurves(axes)) {
        canvas.SetPenColor(kCurveColors[curve.step]);
        DrawInletCurve(canvas, axes, curve);
    }
}

void DrawSelectionOverlay(Canvas& canvas, const ChartAxes& axes) {
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenWidth(1);
    if (Shared.ApplicationType == ApplicationFlow)
        DrawFlowPoint(canvas, axes);
    else if (Shared.ApplicationType == ApplicationFillCylinder)
        DrawChargingPoints(canvas, axes);
}

}  // namespace zorvik
