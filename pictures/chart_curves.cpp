#include "chart_curves.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "air_use_lines.h"
#include "catalogue.h"
#include "chart_curve_points.h"
#include "performance_model.h"
#include "chart_labels.h"
#include "chart_text.h"

namespace zorvik {
namespace {

const QColor kCurveColors[5] = {colors::Red, colors::Purple, colors::Green, colors::Maroon, colors::Olive};

struct InletCurve {
    int step;  // of the five inlet steps, top first; sets the colour
    double inletPsi;
    std::vector<std::array<double, 2>> points;  // outlet psig, flow scfm
    QPoint start;                               // where the curve starts
    QPoint balloon;                             // where its balloon stands
};

// The plot inside the axes, less the rows that keep the labels clear of the
// drive pressure box above it: tags and balloons stay within it.
QRect PlotArea(const ChartAxes& a) {
    return {QPoint(a.x0 + 1, a.y0 - ChartAxisLengthY + LabelClearance), QPoint(a.x0 + ChartAxisLengthX, a.y0 - 1)};
}

// A balloon stands this far at least from the flow axis, and from the end
// of the pressure axis, and a curve that starts at the top of the plot has
// its balloon hung from the top, so that it stays on the plot.
constexpr int kBalloonFromAxis = 22;
constexpr int kBalloonFromEnd = 15;
constexpr int kBalloonHeight = 21;
constexpr int kBalloonReachLeft = 21;  // from the point it stands on to its left edge

// A balloon moved clear of `other`: up above it, or right of it where going
// up would take it off the plot.
QPoint BalloonClearOf(QPoint balloon, QPoint other, const ChartAxes& a) {
    const QPoint up(balloon.x(), BalloonBox(other).top() - LabelClearance);
    const QPoint right(BalloonBox(other).right() + 1 + LabelClearance + kBalloonReachLeft, balloon.y());
    const bool upLeavesPlot = BalloonBox(up).top() < PlotArea(a).top();
    return upLeavesPlot && right.x() <= a.x0 + ChartAxisLengthX - kBalloonFromEnd ? right : up;
}

// The inlet curves the chart draws, top curve first. Each balloon stands
// on its curve's start, kept off the axes' ends; where curves start so close
// that balloons would touch or hide each other, a balloon goes up above the
// one below it, or beside it at the top of the plot.
std::vector<InletCurve> InletCurves(const ChartView& v, const ChartAxes& a) {
    std::vector<InletCurve> curves;
    for (InletCurvePoints& c : ChartInletCurves(v.Pump(), v.drivePsi, v.inletPsi, a.barMode)) {
        const QPoint start(a.PressureX(c.inletPsi), a.y0 - a.FlowOffsetRounded(c.points.front()[1]));
        const int balloonX = std::clamp(start.x(), a.x0 + kBalloonFromAxis, a.x0 + ChartAxisLengthX - kBalloonFromEnd);
        const int balloonY = std::max(start.y(), PlotArea(a).top() + kBalloonHeight);
        curves.push_back({c.step, c.inletPsi, std::move(c.points), start, {balloonX - 5, balloonY}});
    }
    for (auto below = curves.rbegin(); below != curves.rend(); ++below)
        for (auto above = below + 1; above != curves.rend(); ++above)
            if (TooClose(BalloonBox(above->balloon), BalloonBox(below->balloon)))
                above->balloon = BalloonClearOf(above->balloon, below->balloon, a);
    return curves;
}

std::vector<QRect> BalloonBoxes(const ChartView& v, const ChartAxes& a) {
    std::vector<QRect> boxes;
    for (const InletCurve& curve : InletCurves(v, a)) boxes.push_back(BalloonBox(curve.balloon));
    return boxes;
}

// Single-acting models hang their air-use tags above the point.
bool SingleActing(const ChartView& v) { return v.Pump().ActionCode == "SA"; }

// Point i of a measured line.
QPoint MeasuredPoint(const ChartAxes& a, const AirUseLineValues& line, int i) {
    return {a.PressureX(line.outletPsi[i]), a.y0 - a.FlowOffset(line.flowScfm[i])};
}

constexpr int kMeasuredPoints = 11;

struct LineLabel {
    QPoint end;  // the line's last point, where its label hangs
    QString text;
};

// The labels of the measured lines, the lowest first: each goes up above
// those placed before it where it would come too close to them.
std::vector<LineLabel> LineLabelsLowestFirst(const ChartView& v, const ChartAxes& a, const Translator* reader) {
    std::vector<LineLabel> labels;
    for (int n = 1; n <= AirUseLineCount(v.model); ++n) {
        const AirUseLineValues line = LoadAirUseLine(v.model, n).value_or(AirUseLineValues{});
        labels.push_back(
            {MeasuredPoint(a, line, kMeasuredPoints - 1), LineLabelText(line.airUseScfm, a.barMode, reader)});
    }
    std::stable_sort(labels.begin(), labels.end(),
                     [](const LineLabel& p, const LineLabel& q) { return p.end.y() > q.end.y(); });
    return labels;
}

// The measured lines of models 1-4 and 15, each labelled at its last point.
// A line starts at its first point above the axis.
void DrawMeasuredAirUseLines(Canvas& c, const ChartView& v, const ChartAxes& a) {
    const int pumpNo = v.model;
    c.SetPenColor(colors::Magenta);
    c.SetPenStyle(PenStyle::Dotted);
    for (int n = 1; n <= AirUseLineCount(pumpNo); ++n) {
        const AirUseLineValues line = LoadAirUseLine(pumpNo, n).value_or(AirUseLineValues{});
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
    }
    c.SetPenStyle(PenStyle::Solid);
    std::vector<QRect> keepClear = BalloonBoxes(v, a);
    for (const LineLabel& label : LineLabelsLowestFirst(v, a, c.Language()))
        keepClear.push_back(DrawLineLabel(c, label.end.x(), label.end.y(), label.text, keepClear));
}

std::vector<QRect> MeasuredLineLabelBoxes(const Canvas& c, const ChartView& v, const ChartAxes& a) {
    std::vector<QRect> keepClear = BalloonBoxes(v, a);
    std::vector<QRect> boxes;
    for (const LineLabel& label : LineLabelsLowestFirst(v, a, c.Language())) {
        boxes.push_back(LineLabelBox(c, label.end.x(), label.end.y(), label.text, keepClear));
        keepClear.push_back(boxes.back());
    }
    return boxes;
}

// Where level k's tag stands: on the top inlet curve, or nothing once the
// level falls off the chart (which ends the levels above it too).
std::optional<QPoint> TagPoint(const ChartAxes& a, const AirUseLevelPoints& level) {
    const int dx = a.PressureOffset(level.outletPsi[0]);
    const int dy = std::min(a.FlowOffset(level.flowScfm[0]), ChartAxisLengthY);
    if (dx <= 0 || dy <= 0) return std::nullopt;
    return QPoint(a.x0 + dx, a.y0 - dy);
}

// The computed levels of models 5-14, tagged where they meet the top inlet
// curve and joined across the lower inlet curves.
void DrawComputedAirUseLevels(Canvas& c, const ChartView& v, const ChartAxes& a) {
    const std::array<double, 5> inlets = InletPressures(v.inletPsi, a.barMode);
    const auto levels = ChartAirUseLevels(v.Pump(), v.drivePsi, inlets, a.barMode);
    const bool above = SingleActing(v);
    std::vector<QRect> keepClear = BalloonBoxes(v, a);
    c.SetPenColor(colors::Magenta);
    for (int k = ChartLowestAirUseLevel; k <= ChartHighestAirUseLevel; ++k) {
        const std::optional<QPoint> tag = TagPoint(a, levels[k]);
        if (!tag) return;
        c.MoveTo(tag->x(), tag->y());
        c.SetPenStyle(PenStyle::Solid);
        const QString text = AirUseTagText(k, a.barMode, c.Language());
        keepClear.push_back(DrawAirUseTag(c, tag->x(), tag->y(), text, above, keepClear, PlotArea(a)));
        c.LineTo(tag->x(), tag->y());
        c.SetPenStyle(PenStyle::Dotted);
        for (int j = 1; j < 5; ++j) {
            if (inlets[j] < v.Pump().MinInletPsi) break;
            const int px = a.PressureOffset(levels[k].outletPsi[j]);
            const int py = a.FlowOffset(levels[k].flowScfm[j]);
            if (px <= 0 || py <= 0) break;
            c.LineTo(a.x0 + px, a.y0 - py);
        }
    }
}

std::vector<QRect> ComputedLevelTagBoxes(const Canvas& c, const ChartView& v, const ChartAxes& a) {
    const auto levels = ChartAirUseLevels(v.Pump(), v.drivePsi, InletPressures(v.inletPsi, a.barMode), a.barMode);
    const bool above = SingleActing(v);
    std::vector<QRect> keepClear = BalloonBoxes(v, a);
    std::vector<QRect> boxes;
    for (int k = ChartLowestAirUseLevel; k <= ChartHighestAirUseLevel; ++k) {
        const std::optional<QPoint> tag = TagPoint(a, levels[k]);
        if (!tag) break;
        boxes.push_back(AirUseTagBox(c, tag->x(), tag->y(), AirUseTagText(k, a.barMode, c.Language()), above, keepClear,
                                     PlotArea(a)));
        keepClear.push_back(boxes.back());
    }
    return boxes;
}

// One inlet curve from its inlet pressure to stall, with its balloon.
void DrawInletCurve(Canvas& c, const ChartAxes& a, const InletCurve& curve) {
    DrawBalloon(c, curve.balloon.x(), curve.balloon.y(), InletLabelText(curve.inletPsi, a.barMode, c.Language()));
    QPoint previous = curve.start;
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
        const auto [outlet, flow] = curve.points[i];
        const QPoint next(a.PressureX(outlet), a.y0 - std::max(0, a.FlowOffsetRounded(flow)));
        c.MoveTo(previous.x(), previous.y());
        c.LineTo(next.x(), next.y());
        previous = next;
    }
}

// The required flow on the outlet pressure's line: a dot, labelled with
// the speed and drive air it takes, on the side of the dot with room for
// the label within the plot. The label's ground is left clear, so that the
// curves it crosses stay readable.
void DrawRequiredFlow(Canvas& c, const ChartAxes& a, double outletPsi, const ChartRequiredFlow& required) {
    constexpr int kDot = 4;
    const int x = a.PressureX(outletPsi);
    const int y = std::clamp(a.FlowY(required.flowScfm), a.y0 - ChartAxisLengthY, a.y0);
    c.SetPenWidth(1);
    c.SetPenColor(colors::Blue);
    c.SetBrushColor(colors::Blue);
    c.SetBrushStyle(BrushStyle::Solid);
    c.Ellipse(x - kDot, y - kDot, x + kDot + 1, y + kDot + 1);
    c.SetBrushStyle(BrushStyle::Clear);
    c.SetFontColor(colors::Blue);
    const QString label = DutyLabelText(required.speedPercent, required.driveAirScfm, a.barMode, c.Language());
    const int width = c.TextWidth(label);
    const bool right = x + kDot + 3 + width <= a.x0 + ChartAxisLengthX;
    const int top = std::max(y - c.TextHeight(label) - 2, a.y0 - ChartAxisLengthY + 1);
    c.TextOut(right ? x + kDot + 3 : x - kDot - 3 - width, top, label);
}

void DrawFlowPoint(Canvas& c, const ChartAxes& a, const ChartDutyPoint& duty) {
    c.SetPenWidth(2);
    c.SetPenColor(colors::Blue);
    const int x = a.PressureX(duty.outletPsi);
    const int y = a.FlowY(duty.flowScfm);
    c.MoveTo(x, y);
    c.LineTo(a.x0, y);
    c.MoveTo(x, y);
    c.LineTo(x, a.y0);
    if (duty.required) DrawRequiredFlow(c, a, duty.outletPsi, *duty.required);
}

// The flows of the charge, at the start pressure and ten equal steps to
// the final one.
void DrawChargingPoints(Canvas& c, const ChartAxes& a, const ChartChargePoints& charge) {
    c.SetBrushColor(colors::Red);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetPenColor(colors::Red);
    for (int i = 0; i < ChargeCurvePoints; ++i) {
        const double pressure = charge.startPsi + (charge.finalPsi - charge.startPsi) * i / ChargeSteps;
        const int x = a.PressureX(pressure);
        const int y = a.FlowY(charge.flowScfm[i]);
        c.Ellipse(x - 3, y - 3, x + 3, y + 3);
    }
}

}  // namespace

void DrawAirUseLines(Canvas& canvas, const ChartView& view, const ChartAxes& axes) {
    if (UsesAirUseLines(view.model))
        DrawMeasuredAirUseLines(canvas, view, axes);
    else
        DrawComputedAirUseLevels(canvas, view, axes);
}

std::vector<QRect> AirUseLabelBoxes(const Canvas& canvas, const ChartView& view, const ChartAxes& axes) {
    return UsesAirUseLines(view.model) ? MeasuredLineLabelBoxes(canvas, view, axes)
                                       : ComputedLevelTagBoxes(canvas, view, axes);
}

std::vector<QRect> InletBalloonBoxes(const ChartView& view, const ChartAxes& axes) { return BalloonBoxes(view, axes); }

double TopCurveEndPsi(const ChartView& view) {
    const TPumpRecord& pump = view.Pump();
    const double top = pump.InletIsDriveAir ? view.drivePsi : view.inletPsi;
    if (top < pump.MinInletPsi || top < 0) return 0;
    return std::max(top, StallOutletPsi(pump, view.drivePsi, top));
}

void DrawInletCurves(Canvas& canvas, const ChartView& view, const ChartAxes& axes) {
    canvas.SetPenStyle(PenStyle::Solid);
    for (const InletCurve& curve : InletCurves(view, axes)) {
        canvas.SetPenColor(kCurveColors[curve.step]);
        DrawInletCurve(canvas, axes, curve);
    }
}

void DrawSelectionOverlay(Canvas& canvas, const ChartView& view, const ChartAxes& axes) {
    if (!view.duty && !view.charge) return;
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenWidth(1);
    if (view.duty)
        DrawFlowPoint(canvas, axes, *view.duty);
    else
        DrawChargingPoints(canvas, axes, *view.charge);
}

}  // namespace zorvik
