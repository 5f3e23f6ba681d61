#include "comparison_chart_drawing.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>

#include "fixed_format.h"
#include "language.h"

namespace zorvik {
namespace {

// Fifteen colours that stay apart on white paper and next to each other
// in a legend: the ten usual chart hues, then black, teal, gold, magenta
// and grey.
constexpr QRgb kModelColours[] = {
    0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e, 0x9467bd, 0x8c564b, 0xe377c2, 0x17becf,
    0x8c8c00, 0x000080, 0x202020, 0x008080, 0xd4a000, 0xb0006e, 0x808080,
};

constexpr double kHeadroom = 1.03;

// A value axis: its range and how a value becomes a position along it.
struct Axis {
    double low = 0;
    double high = 1;
    bool log = false;

    double Fraction(double v) const {
        if (log) return (std::log10(std::max(v, low)) - std::log10(low)) / (std::log10(high) - std::log10(low));
        return (v - low) / (high - low);
    }
};

double NiceStep(double range) {
    const double raw = range / 6;
    const double decade = std::pow(10, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (raw <= m * decade) return m * decade;
    return 10 * decade;
}

std::vector<double> Ticks(const Axis& a) {
    std::vector<double> ticks;
    if (a.log) {
        for (double v = a.low; v <= a.high * 1.0001; v *= 10) ticks.push_back(v);
        return ticks;
    }
    const double step = NiceStep(a.high - a.low);
    for (double v = std::ceil(a.low / step) * step; v <= a.high + step * 1e-6; v += step) ticks.push_back(v);
    return ticks;
}

// With the reader's decimal separator, as every number they read.
QString TickText(double v, const Translator* reader) {
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString text = v != 0 && std::fabs(v) < 1 ? locale.toString(v, 'g', 3) : locale.toString(v, 'f', 0);
    return QString::fromStdString(WithDecimalSeparator(text.toStdString(), texts::DecimalOf(reader)));
}

// A linear axis from 0 to a round number a little above `high`, so marks at
// the highest value stay whole inside the frame.
Axis LinearAxis(double high) {
    if (!(high > 0)) high = 1;
    const double step = NiceStep(high);
    return {0, std::ceil(high * kHeadroom / step) * step, false};
}

Axis XAxis(const ComparisonChartData& chart) { return LinearAxis(chart.xMax); }

Axis YAxis(const ComparisonChartData& chart) {
    double low = HUGE_VAL;
    double high = 0;
    for (const ChartLine& line : chart.lines)
        for (const ChartPoint& p : line.points)
            if (p[0] <= chart.xMax * 1.0001) {
                low = std::min(low, p[1]);
                high = std::max(high, p[1]);
            }
    if (chart.marker) {
        low = std::min(low, (*chart.marker)[1]);
        high = std::max(high, (*chart.marker)[1]);
    }
    if (!(high > 0)) return {chart.logY ? 0.01 : 0, 1, chart.logY};
    if (chart.logY) {
        low = std::pow(10, std::floor(std::log10(std::max(low, high * 1e-4))));
        high = std::pow(10, std::ceil(std::log10(high)));
        if (high <= low) high = low * 10;
        return {low, high, true};
    }
    return LinearAxis(high);
}

struct Plot {
    QRectF box;
    Axis x;
    Axis y;
    const Translator* reader;
    QPointF At(double vx, double vy) const {
        return {box.left() + x.Fraction(vx) * box.width(), box.bottom() - y.Fraction(vy) * box.height()};
    }
};

void DrawGrid(QPainter& p, const Plot& plot, const ComparisonChartData& chart, double unit) {
    const QFontMetricsF metrics(p.font());
    p.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), unit * 0.1));
    for (const double v : Ticks(plot.x)) {
        const double px = plot.At(v, plot.y.low).x();
        p.drawLine(QPointF(px, plot.box.top()), QPointF(px, plot.box.bottom()));
    }
    for (const double v : Ticks(plot.y)) {
        const double py = plot.At(plot.x.low, v).y();
        p.drawLine(QPointF(plot.box.left(), py), QPointF(plot.box.right(), py));
    }
    p.setPen(QPen(Qt::black, unit * 0.15));
    p.drawRect(plot.box);
    for (const double v : Ticks(plot.x)) {
        const QPointF at = plot.At(v, plot.y.low);
        const QString text = TickText(v, plot.reader);
        p.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) / 2, at.y() + metrics.ascent() + unit * 0.5), text);
    }
    for (const double v : Ticks(plot.y)) {
        const QPointF at = plot.At(plot.x.low, v);
        const QString text = TickText(v, plot.reader);
        p.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) - unit * 0.6, at.y() + metrics.ascent() / 2.5),
                   text);
    }
    const QString xLabel = texts::Figures(chart.xLabel, plot.reader);
    p.drawText(QPointF(plot.box.center().x() - metrics.horizontalAdvance(xLabel) / 2,
                       plot.box.bottom() + metrics.height() * 2.2),
               xLabel);
    p.save();
    p.translate(plot.box.left() - metrics.height() * 3.2, plot.box.center().y());
    p.rotate(-90);
    const QString yLabel = texts::Figures(chart.yLabel, plot.reader);
    p.drawText(QPointF(-metrics.horizontalAdvance(yLabel) / 2, 0), yLabel);
    p.restore();
}

void DrawLines(QPainter& p, const Plot& plot, const ComparisonChartData& chart, double unit) {
    p.save();
    p.setClipRect(plot.box);
    for (const ChartLine& line : chart.lines) {
        if (line.points.empty()) continue;
        QPainterPath path(plot.At(line.points[0][0], line.points[0][1]));
        for (const ChartPoint& pt : line.points) path.lineTo(plot.At(pt[0], pt[1]));
        QPen pen(ModelColour(line.model), unit * (line.listed ? 0.35 : 0.2));
        if (!line.listed) pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setBrush(ModelColour(line.model));
        p.drawEllipse(plot.At(line.points.back()[0], line.points.back()[1]), unit * 0.45, unit * 0.45);
    }
    p.restore();
}

void DrawMarker(QPainter& p, const Plot& plot, const ComparisonChartData& chart, double unit) {
    if (!chart.marker) return;
    const QPointF at = plot.At((*chart.marker)[0], (*chart.marker)[1]);
    const double r = unit * 0.9;
    p.setPen(QPen(Qt::black, unit * 0.3));
    p.drawLine(at - QPointF(r, r), at + QPointF(r, r));
    p.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
    const QFontMetricsF metrics(p.font());
    const QString text = texts::Figures(chart.markerLabel, plot.reader);
    const double width = metrics.horizontalAdvance(text);
    const double x = at.x() + r * 1.5 + width > plot.box.right() ? at.x() - r * 1.5 - width : at.x() + r * 1.5;
    // No ground under the words: every curve they cross stays whole.
    p.drawText(QPointF(x, at.y() - r), text);
}

// Follows the name of a model that delivers nothing over the whole range.
QString NoCurveSuffix(const Translator* reader) { return texts::Said(Tr("ComparisonChart", " (no curve)"), reader); }

// The legend right of the plot: one entry a line, in as many columns as a
// short chart needs to keep every entry.
struct LegendLayout {
    double entryWidth = 0;
    double step = 0;  // from one entry's line to the next
    int rows = 1;
    int columns = 1;

    double Width() const { return entryWidth * columns; }
};

LegendLayout LayOutLegend(const QFontMetricsF& metrics, const ComparisonChartData& chart, double unit, double height,
                          const Translator* reader) {
    LegendLayout l;
    for (const ChartLine& line : chart.lines)
        l.entryWidth = std::max(l.entryWidth, metrics.horizontalAdvance(QString::fromStdString(line.name).simplified() +
                                                                        NoCurveSuffix(reader)));
    l.entryWidth += unit * 4.5;
    const int entries = std::max(1, static_cast<int>(chart.lines.size()));
    // Entries close up to a line apart before they take a second column.
    const double roomy = metrics.height() * 1.15;
    l.step = entries > 1 ? std::clamp((height - metrics.height()) / (entries - 1), metrics.height(), roomy) : roomy;
    l.rows = std::clamp(static_cast<int>((height - metrics.height()) / l.step) + 1, 1, entries);
    l.columns = (entries + l.rows - 1) / l.rows;
    return l;
}

// Model names right of the plot, listed ones solid, others dashed.
void DrawLegend(QPainter& p, const QRectF& area, const LegendLayout& l, const ComparisonChartData& chart, double unit,
                const Translator* reader) {
    const QFontMetricsF metrics(p.font());
    for (std::size_t i = 0; i < chart.lines.size(); ++i) {
        const ChartLine& line = chart.lines[i];
        const QRectF column(area.left() + l.entryWidth * (static_cast<int>(i) / l.rows), area.top(), l.entryWidth,
                            area.height());
        const double y = column.top() + metrics.height() + l.step * (static_cast<int>(i) % l.rows);
        QPen pen(ModelColour(line.model), unit * (line.listed ? 0.35 : 0.2));
        if (!line.listed) pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.drawLine(QPointF(column.left(), y - metrics.ascent() / 3),
                   QPointF(column.left() + unit * 3, y - metrics.ascent() / 3));
        p.setPen(Qt::black);
        QString text = QString::fromStdString(line.name).simplified();
        if (line.points.empty()) text += NoCurveSuffix(reader);
        p.drawText(QPointF(column.left() + unit * 3.6, y), text);
    }
}

}  // namespace

QColor ModelColour(int model) {
    const int count = static_cast<int>(std::size(kModelColours));
    return QColor(kModelColours[((model - 1) % count + count) % count]);
}

void DrawComparisonChart(QPainter& painter, const QRectF& area, const ComparisonChartData& chart, double textPixels,
                         const Translator* reader) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const double unit = textPixels / 2.4;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, qRound(textPixels)));
    painter.setFont(font);
    const QFontMetricsF metrics(font);

    const double plotHeight = area.height() - metrics.height() * 5.2;
    const LegendLayout legend = LayOutLegend(metrics, chart, unit, plotHeight, reader);
    const QRectF box(area.left() + metrics.height() * 4.5, area.top() + metrics.height() * 2.2,
                     area.width() - metrics.height() * 5.5 - legend.Width(), plotHeight);
    painter.setPen(Qt::black);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QPointF(box.left(), area.top() + metrics.height() * 1.2), texts::Figures(chart.title, reader));
    painter.setFont(font);

    const Plot plot{box, XAxis(chart), YAxis(chart), reader};
    DrawGrid(painter, plot, chart, unit);
    DrawLines(painter, plot, chart, unit);
    DrawMarker(painter, plot, chart, unit);
    DrawLegend(painter, QRectF(box.right() + unit * 2, box.top(), legend.Width(), box.height()), legend, chart, unit,
               reader);
    painter.restore();
}

}  // namespace zorvik
