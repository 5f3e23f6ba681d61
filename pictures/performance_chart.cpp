#include "performance_chart.h"

#include <algorithm>
#include <vector>

#include "chart_curves.h"
#include "chart_labels.h"
#include "chart_scale.h"
#include "chart_text.h"

namespace zorvik {
namespace {

const QString kFont = QStringLiteral("arial");

// The chart's words are translated as they are drawn, in the language its
// canvas is given.
QString Words(const Canvas& c, const char* text) { return c.Say(Tr("PerformanceChart", text)); }

void ClearPicture(Canvas& c) {
    c.SetBrushColor(colors::White);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetPenColor(colors::Black);
    c.FillRect(0, 0, c.Width(), c.Height());
    c.SetBrushColor(colors::Black);
    c.FrameRect(0, 0, c.Width(), c.Height());
    c.SetBrushColor(colors::White);
}

void DrawTitles(Canvas& c, const ChartView& v, const ChartAxes& a) {
    c.SetFont(kFont, 12, true, false, true);
    c.SetFontColor(colors::Blue);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenWidth(1);
    c.TextOut(a.x0 + 10, a.y0 + 22,
              Words(c, QT_TRANSLATE_NOOP("PerformanceChart", "Outlet pressure   %1"))
                  .arg(a.barMode ? QStringLiteral("bar") : QStringLiteral("psi")));
    c.TextOut(a.x0 - 40, a.y0 - 362, Words(c, QT_TRANSLATE_NOOP("PerformanceChart", "Outlet Flow")));
    c.TextOut(a.x0 - 40, a.y0 - 342, a.barMode ? QStringLiteral("nl / min") : QStringLiteral("scfm"));
    c.TextOut(450, 430, QString::fromStdString(v.Pump().DisplayName()));
}

void DrawNotes(Canvas& c, const ChartAxes& a) {
    c.SetFont(kFont, 10);
    c.SetFontColor(colors::Blue);
    c.SetBrushColor(colors::White);
    c.SetBrushStyle(BrushStyle::Clear);
    c.TextOut(
        a.x0 + 10, a.y0 + 43,
        Words(c, QT_TRANSLATE_NOOP("PerformanceChart", "Performance prediction and curves are for guidance only.")));
    c.TextOut(a.x0 + 10, a.y0 + 58,
              Words(c, QT_TRANSLATE_NOOP("PerformanceChart",
                                         "Should certified performance be required please contact factory.")));
    c.SetBrushStyle(BrushStyle::Solid);
}

void DrawLegends(Canvas& c, const ChartAxes& a) {
    c.SetPenColor(colors::Red);
    DrawBalloon(c, 150, 44, QStringLiteral(" Ps"));
    c.TextOut(175, 26,
              Words(c, QT_TRANSLATE_NOOP("PerformanceChart", "= Inlet gas supply  %1"))
                  .arg(a.barMode ? QStringLiteral("Barg") : QStringLiteral("Psig")));

    c.SetPenColor(colors::Magenta);
    c.TextOut(300, 4,
              Words(c, QT_TRANSLATE_NOOP("PerformanceChart", "Total input air volume required = outlet flow + QA")));
    c.Rectangle(360, 24, 389, 45);
    c.SetPenColor(colors::Black);
    c.TextOut(364, 26, QStringLiteral("QA"));
    c.TextOut(392, 26,
              Words(c, QT_TRANSLATE_NOOP("PerformanceChart", "= Air consumption  %1"))
                  .arg(a.barMode ? QStringLiteral("Nm3 / min") : QStringLiteral("Scfm")));
}

void DrawDrivePressureBox(Canvas& c, const ChartView& v, const ChartAxes& a) {
    c.SetPenColor(colors::Blue);
    c.Rectangle(360, 48, 570, 72);
    c.TextOut(367, 51, DrivePressureCaption(v.drivePsi, a.barMode, c.Language()));
}

// Olive from the model's maximum outlet pressure to the end of the axis.
void DrawShadedBand(Canvas& c, const ChartAxes& a, int m) {
    c.SetBrushColor(colors::Olive);
    c.FillRect(a.x0 + m, a.y0 - ChartAxisLengthY, a.x0 + ChartAxisLengthX, a.y0);
    c.SetBrushColor(colors::White);
}

// The labels drawn over the plot later: the air-use labels and tags and
// the inlet balloons.
std::vector<QRect> LabelBoxes(const Canvas& c, const ChartView& v, const ChartAxes& a) {
    std::vector<QRect> labels = AirUseLabelBoxes(c, v, a);
    const std::vector<QRect> balloons = InletBalloonBoxes(v, a);
    labels.insert(labels.end(), balloons.begin(), balloons.end());
    return labels;
}

// The note stands top right; where a label drawn later would cover it, it
// moves left of that label, as long as it stays on the chart.
void DrawShadedNote(Canvas& c, const ChartAxes& a, const std::vector<QRect>& labels) {
    constexpr int kWidth = 95;
    constexpr int kGap = 4;
    int left = a.x0 + 420;
    std::vector<QRect> byRight = labels;
    std::sort(byRight.begin(), byRight.end(), [](const QRect& p, const QRect& q) { return p.right() > q.right(); });
    for (const QRect& label : byRight) {
        const QRect note(left, a.y0 - 307, kWidth, 40);
        if (note.intersects(label) && label.left() - kGap - kWidth > a.x0) left = label.left() - kGap - kWidth;
    }
    c.FillRect(left, a.y0 - 307, left + kWidth, a.y0 - 267);
    c.TextOut(left + 5, a.y0 - 304, Words(c, QT_TRANSLATE_NOOP("PerformanceChart", "Do not use in")));
    c.TextOut(left + 5, a.y0 - 287, Words(c, QT_TRANSLATE_NOOP("PerformanceChart", "shaded area.")));
}

void DrawPressureTicks(Canvas& c, const ChartAxes& a) {
    for (int i = 1; i <= a.x.count; ++i) {
        const double v = static_cast<double>(i) * a.x.step;
        const int x = a.x0 + static_cast<int>(v / a.XUnitsPerPixel);
        c.SetPenColor(colors::Blue);
        c.MoveTo(x, a.y0 + 5);
        c.LineTo(x, a.y0);
        c.SetPenColor(colors::Silver);
        c.LineTo(x, a.y0 - ChartAxisLengthY);
        const QString label = ChartWholeNumber(v, c.Language());
        c.TextOut(x - c.TextWidth(label) / 2, a.y0 + 7, label);
    }
    c.SetPenColor(colors::Black);
    c.SetPenStyle(PenStyle::Solid);
    c.MoveTo(a.x0, a.y0);
    c.LineTo(a.x0 + ChartAxisLengthX + 5, a.y0);
}

void DrawFlowTicks(Canvas& c, const ChartAxes& a) {
    for (int i = 1; i <= a.y.count; ++i) {
        const double v = static_cast<double>(i) * a.y.step;
        const int y = a.y0 - static_cast<int>(v / a.YUnitsPerPixel);
        c.SetPenColor(colors::Blue);
        c.MoveTo(a.x0 - 5, y);
        c.LineTo(a.x0, y);
        c.SetPenColor(colors::Silver);
        c.LineTo(a.x0 + ChartAxisLengthX, y);
        const QString label = ChartWholeNumber(v, c.Language());
        c.TextOut(a.x0 - c.TextWidth(label) - 10, y - 5, label);
    }
    c.SetPenColor(colors::Black);
    c.SetPenStyle(PenStyle::Solid);
    c.MoveTo(a.x0, a.y0);
    c.LineTo(a.x0, a.y0 - ChartAxisLengthY - 5);
}

}  // namespace

void DrawPerformanceGraph(Canvas& canvas, const ChartView& view, int x0, int y0, double outletMaxPsi,
                          double flowMaxScfm) {
    ClearPicture(canvas);
    const ChartAxes axes = MakeChartAxes(x0, y0, outletMaxPsi, flowMaxScfm, view.bar, TopCurveEndPsi(view));
    if (!axes.Drawable()) return;

    DrawTitles(canvas, view, axes);
    DrawNotes(canvas, axes);
    DrawLegends(canvas, axes);
    DrawDrivePressureBox(canvas, view, axes);
    canvas.SetFont(kFont, 10);
    canvas.SetFontColor(colors::Blue);

    const int m = axes.PressureOffset(view.Pump().MaxOutletPsi);
    const bool shaded = m < ChartAxisLengthX;
    if (shaded) DrawShadedBand(canvas, axes, m);
    DrawPressureTicks(canvas, axes);
    DrawFlowTicks(canvas, axes);
    if (shaded) DrawShadedNote(canvas, axes, LabelBoxes(canvas, view, axes));

    DrawAirUseLines(canvas, view, axes);
    DrawInletCurves(canvas, view, axes);
    DrawSelectionOverlay(canvas, view, axes);
}

void DrawChart(Canvas& canvas, const ChartView& view) {
    const GraphAxisRange range = ChartAxisRange(view);
    DrawPerformanceGraph(canvas, view, ChartOriginX, ChartOriginY, range.outletMaxPsi, range.flowMaxScfm);
}

}  // namespace zorvik
