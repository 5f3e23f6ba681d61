#include "saturation_chart.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

#include "fixed_format.h"
#include "language.h"

namespace zorvik {
namespace {

// Where the plot stands in the 252 x 337 chart. The lower right corner stays
// empty: the window's unit buttons sit on it.
constexpr QRectF Plot(38, 44, 204, 238);

const QColor Ink(40, 40, 40);
const QColor Grid(215, 220, 228);
const QColor LineColour(0, 60, 160);
const QColor MarkColour(200, 0, 0);

class ChartGeometry {
public:
    explicit ChartGeometry(const SaturationChartData& d) : d_(d) {}

    double X(double temperature) const {
        return Plot.left() + (temperature - d_.minTemperature) / (d_.maxTemperature - d_.minTemperature) * Plot.width();
    }
    double Y(double pressure) const {
        const double p = std::max(pressure, d_.minPressure / 4);
        return Plot.bottom() - std::log(p / d_.minPressure) / std::log(d_.maxPressure / d_.minPressure) * Plot.height();
    }

private:
    const SaturationChartData& d_;
};

// Six significant digits, with the reader's separator, and a true minus.
QString Number(double value, const Translator* reader) {
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const std::string text = locale.toString(value, 'g', 6).toStdString();
    return QString::fromStdString(WithDecimalSeparator(text, texts::DecimalOf(reader))).replace('-', QChar(0x2212));
}

QFont ChartFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void DrawTitle(QPainter& p, const SaturationChartData& s, const Translator* reader) {
    p.setPen(Ink);
    p.setFont(ChartFont(9, true));
    p.drawText(QRectF(0, 2, 252, 16), Qt::AlignHCenter, texts::Said(Tr("SaturationChart", "Saturation lines"), reader));
    p.setFont(ChartFont(7.5));
    p.drawText(QRectF(0, 17, 252, 14), Qt::AlignHCenter,
               texts::Said(Tr("SaturationChart", "pressure dewpoint of the air at %1 %2"), reader)
                   .arg(Number(s.dryerGauge, reader), QString::fromUtf8(s.pressureUnit)));
}

void DrawAxes(QPainter& p, const SaturationChartData& s, const ChartGeometry& g, const Translator* reader) {
    p.setFont(ChartFont(7.5));
    p.setPen(QPen(Grid, 1));
    // Log grid: every whole step of each decade.
    for (double decade = 1; decade <= s.maxPressure; decade *= 10)
        for (int k = 1; k < 10; ++k) {
            const double pressure = k * decade;
            if (pressure < s.minPressure || pressure > s.maxPressure) continue;
            p.drawLine(QPointF(Plot.left(), g.Y(pressure)), QPointF(Plot.right(), g.Y(pressure)));
        }
    for (double t = s.minTemperature; t <= s.maxTemperature + 1e-9; t += s.temperatureStep)
        p.drawLine(QPointF(g.X(t), Plot.top()), QPointF(g.X(t), Plot.bottom()));

    p.setPen(Ink);
    for (double pressure : s.pressureLabels)
        p.drawText(QRectF(0, g.Y(pressure) - 7, Plot.left() - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
                   Number(pressure, reader));
    for (double t = s.minTemperature; t <= s.maxTemperature + 1e-9; t += s.temperatureStep)
        p.drawText(QRectF(g.X(t) - 15, Plot.bottom() + 2, 30, 13), Qt::AlignHCenter | Qt::AlignTop, Number(t, reader));
    p.drawText(QRectF(0, Plot.top() - 13, Plot.left() + 10, 12), Qt::AlignLeft, QString::fromUtf8(s.pressureUnit));
    p.drawText(
        QRectF(Plot.left(), Plot.bottom() + 15, Plot.width() - 30, 13), Qt::AlignHCenter,
        texts::Said(Tr("SaturationChart", "Air temperature, %1"), reader).arg(QString::fromUtf8(s.temperatureUnit)));
    p.drawText(QRectF(Plot.left(), Plot.bottom() + 33, 150, 13), Qt::AlignLeft,
               texts::Said(Tr("SaturationChart", "Water condenses left of a line"), reader));

    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Plot);
}

void DrawReferenceLines(QPainter& p, const SaturationChartData& s, const ChartGeometry& g) {
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    const double x = g.X(s.exampleTemperature);
    p.drawLine(QPointF(x, Plot.top()), QPointF(x, Plot.bottom()));
    const double y = g.Y(s.dryerGauge);
    p.drawLine(QPointF(Plot.left(), y), QPointF(Plot.right(), y));
}

void DrawSaturationLines(QPainter& p, const SaturationChartData& s, const ChartGeometry& g, const Translator* reader) {
    p.save();
    p.setClipRect(Plot);
    for (const SaturationLine& l : s.lines) {
        QPainterPath line;
        for (const SaturationPoint& point : l.points) {
            const QPointF at(g.X(point.temperature), g.Y(point.pressure));
            if (line.elementCount() == 0)
                line.moveTo(at);
            else
                line.lineTo(at);
        }
        p.setPen(QPen(LineColour, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
    p.restore();

    // Each line passes through its own dewpoint at the dryer pressure.
    p.setFont(ChartFont(7, true));
    for (const SaturationLine& l : s.lines) {
        const QPointF at(g.X(l.dewpoint), g.Y(s.dryerGauge));
        p.setPen(Qt::NoPen);
        p.setBrush(LineColour);
        p.drawEllipse(at, 2.2, 2.2);
        p.setPen(LineColour);
        const QString text = l.dewpoint > 0 ? "+" + Number(l.dewpoint, reader) : Number(l.dewpoint, reader);
        p.drawText(QRectF(at.x() + 2, at.y() + 2, 26, 11), Qt::AlignLeft | Qt::AlignTop, text);
    }
}

void DrawMark(QPainter& p, QPointF at, int number) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(MarkColour);
    p.drawEllipse(at, 6.5, 6.5);
    p.setFont(ChartFont(7.5, true));
    p.drawText(QRectF(at.x() - 6.5, at.y() - 6.5, 13, 13), Qt::AlignCenter, QString::number(number));
}

void DrawExamples(QPainter& p, const SaturationChartData& s, const ChartGeometry& g) {
    const double x = g.X(s.exampleTemperature);
    for (const SaturationExample& e : s.examples) {
        if (!e.aboveChart) {
            DrawMark(p, QPointF(x, g.Y(e.pressure)), e.number);
            continue;
        }
        // Beyond the top of the chart: the mark sits on the top edge with an
        // arrow pointing up past it.
        const QPointF at(x, Plot.top() + 3);
        p.setBrush(MarkColour);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(x - 4, at.y() - 8), QPointF(x + 4, at.y() - 8), QPointF(x, at.y() - 14)}));
        DrawMark(p, at, e.number);
    }
}

}  // namespace

void DrawSaturationChart(QPainter& p, QSizeF size, const SaturationChartData& chart, const Translator* reader) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size.width() / 252.0, size.height() / 337.0);
    const ChartGeometry g(chart);
    DrawTitle(p, chart, reader);
    DrawAxes(p, chart, g, reader);
    DrawReferenceLines(p, chart, g);
    DrawSaturationLines(p, chart, g, reader);
    DrawExamples(p, chart, g);
    p.restore();
}

QImage SaturationChart(TemperatureScale scale, QSize size, qreal ratio, const Translator* reader) {
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    DrawSaturationChart(p, QSizeF(size), SaturationChartOf(scale), reader);
    return image;
}

}  // namespace zorvik
