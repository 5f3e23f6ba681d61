#include "saturation_lines.h"

#include "moisture.h"
#include "units.h"

namespace zorvik {
namespace {

constexpr int kSteps = 400;

struct Scale {
    const char* pressureUnit;
    const char* temperatureUnit;
    double atmosphere;
    double dryerGauge;
    double minTemperature, maxTemperature, temperatureStep;
    double minPressure, maxPressure;
    std::vector<double> pressureLabels;
    std::vector<double> dewpoints;
    double exampleTemperature;
    bool fahrenheit;
};

// clang-format off
const Scale& ScaleOf(TemperatureScale scale) {
    static const Scale celsius{"barg", "\xC2\xB0" "C", units::StandardAtmosphereBar, 7, -40, 40, 10, 5, 250,
                               {7, 10, 20, 50, 100, 200}, {10, 0, -10, -20, -40}, 20, false};
    static const Scale fahrenheit{"psig", "\xC2\xB0" "F", units::StandardAtmospherePsi, 100, -40, 104, 20, 72, 3600,
                                  {100, 200, 500, 1000, 2000}, {50, 32, 14, -4, -40}, 68, true};
    return scale == TemperatureScale::Celsius ? celsius : fahrenheit;
}
// clang-format on

// The three dryer examples of the window's texts: dewpoint index -> mark.
struct Example {
    std::size_t dewpoint;
    int number;
};
constexpr Example kExamples[] = {{0, 1}, {1, 2}, {4, 3}};

// The condensation pressure, in the chart's units, of air dried to
// `dewpoint` at the dryer pressure, at `temperature`.
double Pressure(const Scale& s, double dewpoint, double temperature) {
    const auto celsius = [&s](double t) { return s.fahrenheit ? units::CelsiusOf(t) : t; };
    return moisture::CondensationGauge(celsius(dewpoint), s.dryerGauge, celsius(temperature), s.atmosphere);
}

}  // namespace

SaturationChartData SaturationChartOf(TemperatureScale scale) {
    const Scale& s = ScaleOf(scale);
    SaturationChartData d;
    d.fahrenheit = s.fahrenheit;
    d.pressureUnit = s.pressureUnit;
    d.temperatureUnit = s.temperatureUnit;
    d.dryerGauge = s.dryerGauge;
    d.minTemperature = s.minTemperature;
    d.maxTemperature = s.maxTemperature;
    d.temperatureStep = s.temperatureStep;
    d.minPressure = s.minPressure;
    d.maxPressure = s.maxPressure;
    d.pressureLabels = s.pressureLabels;
    d.exampleTemperature = s.exampleTemperature;
    const double step = (s.maxTemperature - s.minTemperature) / kSteps;
    for (const double dewpoint : s.dewpoints) {
        SaturationLine line{dewpoint, {}};
        for (double t = s.minTemperature; t <= s.maxTemperature + 1e-9; t += step) {
            line.points.push_back({t, Pressure(s, dewpoint, t)});
            if (line.points.back().pressure > s.maxPressure) break;
        }
        d.lines.push_back(std::move(line));
    }
    for (const Example& e : kExamples) {
        const double pressure = Pressure(s, s.dewpoints[e.dewpoint], s.exampleTemperature);
        d.examples.push_back({e.number, pressure, pressure > s.maxPressure});
    }
    return d;
}

}  // namespace zorvik
