#include "saturation_chart.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

#include "moisture.h"
#include "units.h"

namespace zorvik {
namespace {

// One unit system of the chart; temperatures and pressures in its own units.
struct ChartScale {
    QString pressureUnit;
    QString temperatureUnit;
    double atmosphere;
    double dryerGauge;  // the pressure the dewpoints belong to
    double minTemperature, maxTemperature, temperatureStep;
    double minPressure, maxPressure;
    std::vector<double> pressureLabels;
    std::vector<double> dewpoints;
    double exampleTemperature;  // the 20 degC (68 degF) of the examples
    bool fahrenheit;
};

const QString Degree = QStringLiteral("\u00b0");

const ChartScale& ScaleOf(TemperatureScale scale) {
    static const ChartScale celsius{QStringLiteral("barg"),
                                    Degree + "C",
                                    units::StandardAtmosphereBar,
                                    7,
                                    -40,
                                    40,
                                    10,
                                    5,
                                    250,
                                    {7, 10, 20, 50, 100, 200},
                                    {10, 0, -10, -20, -40},
                                    20,
                                    false};
    static const ChartScale fahrenheit{QStringLiteral("psig"),
                                       Degree + "F",
                                       units::StandardAtmospherePsi,
                                       100,
                                       -40,
                                       104,
                                       20,
                                       72,
                                       3600,
                                       {100, 200, 500, 1000, 2000},
                                       {50, 32, 14, -4, -40},
                                       68,
                                       true};
    return scale == TemperatureScale::Celsius ? celsius : fahrenheit;
}

// The three dryer examples of the window's texts: dewpoint index -> mark.
struct Example {
    int dewpoint;
    int number;
};
constexpr Example Examples[] = {{0, 1}, {1, 2}, {4, 3}};

// Where the plot stands in the 252 x 337 chart. The lower right corner stays
// empty: the window's unit buttons sit on it.
constexpr QRectF Plot(38, 44, 204, 238);

const QColor Ink(40, 40, 40);
const QColor Grid(215, 220, 228);
const QColor LineColour(0, 60, 160);
const QColor MarkColour(200, 0, 0);

class ChartGeometry {
public:
    explicit ChartGeometry(const ChartScale& s) : s_(s) {}

    double X(double temperature) const {
        return Plot.left() + (temperature - s_.minTemperature) / (s_.maxTemperature - s_.minTemperature) * Plot.width();
    }
    double Y(double pressure) const {
        const double p = std::max(pressure, s_.minPressure / 4);
        return Plot.bottom() - std::log(p / s_.minPressure) / std::log(s_.maxPressure / s_.minPressure) * Plot.height();
    }
    // The condensation pressure, in the chart's units, of air dried to
    // `dewpoint` at the dryer pressure, at `temperature`.
    double Pressure(double dewpoint, double temperature) const {
        return moisture::CondensationGauge(Celsius(dewpoint), s_.dryerGauge, Celsius(temperature), s_.atmosphere);
    }

private:
    double Celsius(double t) const { return s_.fahrenheit ? units::CelsiusOf(t) : t; }
    const ChartScale& s_;
};

// Six significant digits, with the system's separator: Qt's locale, never the C library's.
QString Number(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 6).replace('-', QChar(0x2212));
}

QFont ChartFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void DrawTitle(QPainter& p, const ChartScale& s) {
    p.setPen(Ink);
    p.setFont(ChartFont(9, true));
    p.drawText(QRectF(0, 2, 252, 16), Qt::AlignHCenter,
               QCoreApplication::translate("SaturationChart", "Saturation lines"));
    p.setFont(ChartFont(7.5));
    p.drawText(QRectF(0, 17, 252, 14), Qt::AlignHCenter,
               QCoreApplication::translate("SaturationChart", "pressure dewpoint of the air at %1 %2")
                   .arg(Number(s.dryerGauge), s.pressureUnit));
}

void DrawAxes(QPainter& p, const ChartScale& s, const ChartGeometry& g) {
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
                   Number(pressure));
    for (double t = s.minTemperature; t <= s.maxTemperature + 1e-9; t += s.temperatureStep)
        p.drawText(QRectF(g.X(t) - 15, Plot.bottom() + 2, 30, 13), Qt::AlignHCenter | Qt::AlignTop, Number(t));
    p.drawText(QRectF(0, Plot.top() - 13, Plot.left() + 10, 12), Qt::AlignLeft, s.pressureUnit);
    p.drawText(QRectF(Plot.left(), Plot.bottom() + 15, Plot.width() - 30, 13), Qt::AlignHCenter,
               QCoreApplication::translate("SaturationChart", "Air temperature, %1").arg(s.temperatureUnit));
    p.drawText(QRectF(Plot.left(), Plot.bottom() + 33, 150, 13), Qt::AlignLeft,
               QCoreApplication::translate("SaturationChart", "Water condenses left of a line"));

    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Plot);
}

void DrawReferenceLines(QPainter& p, const ChartScale& s, const ChartGeometry& g) {
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    const double x = g.X(s.exampleTemperature);
    p.drawLine(QPointF(x, Plot.top()), QPointF(x, Plot.bottom()));
    const double y = g.Y(s.dryerGauge);
    p.drawLine(QPointF(Plot.left(), y), QPointF(Plot.right(), y));
}

void DrawSaturationLines(QPainter& p, const ChartScale& s, const ChartGeometry& g) {
    p.save();
    p.setClipRect(Plot);
    const double step = (s.maxTemperature - s.minTemperature) / 400;
    for (double dewpoint : s.dewpoints) {
        QPainterPath line;
        for (double t = s.minTemperature; t <= s.maxTemperature + 1e-9; t += step) {
            const QPointF point(g.X(t), g.Y(g.Pressure(dewpoint, t)));
            if (line.elementCount() == 0)
                line.moveTo(point);
            else
                line.lineTo(point);
            if (point.y() < Plot.top()) break;
        }
        p.setPen(QPen(LineColour, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
    p.restore();

    // Each line passes through its own dewpoint at the dryer pressure.
    p.setFont(ChartFont(7, true));
    for (double dewpoint : s.dewpoints) {
        const QPointF at(g.X(dewpoint), g.Y(s.dryerGauge));
        p.setPen(Qt::NoPen);
        p.setBrush(LineColour);
        p.drawEllipse(at, 2.2, 2.2);
        p.setPen(LineColour);
        const QString text = dewpoint > 0 ? "+" + Number(dewpoint) : Number(dewpoint);
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

void DrawExamples(QPainter& p, const ChartScale& s, const ChartGeometry& g) {
    const double x = g.X(s.exampleTemperature);
    for (const Example& e : Examples) {
        const double pressure = g.Pressure(s.dewpoints[e.dewpoint], s.exampleTemperature);
        if (pressure <= s.maxPressure) {
            DrawMark(p, QPointF(x, g.Y(pressure)), e.number);
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

QImage SaturationChart(TemperatureScale scale, QSize size, qreal ratio) {
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size.width() / 252.0, size.height() / 337.0);

    const ChartScale& s = ScaleOf(scale);
    const ChartGeometry g(s);
    DrawTitle(p, s);
    DrawAxes(p, s, g);
    DrawReferenceLines(p, s, g);
    DrawSaturationLines(p, s, g);
    DrawExamples(p, s, g);
    return image;
}

void ShowSaturationChart(QLabel* label, TemperatureScale scale) {
    label->setPixmap(QPixmap::fromImage(SaturationChart(scale, label->size(), label->devicePixelRatioF())));
}

}  // namespace zorvik
