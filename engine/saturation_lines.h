#pragma once
// The saturation-line chart's figures: the gauge pressure at which boosted
// air starts to condense, against its temperature, for air dried to several
// pressure dewpoints at 7 barg (100 psig), and the three dryer examples
// marked 1, 2 and 3. Computed here from the moisture relation, in the
// chart's own units; a picture only draws them.

#include <vector>

namespace zorvik {

enum class TemperatureScale { Celsius, Fahrenheit };

struct SaturationPoint {
    double temperature;  // degC or degF
    double pressure;     // barg or psig
};

struct SaturationLine {
    double dewpoint;                      // at the dryer pressure, in the chart's temperature unit
    std::vector<SaturationPoint> points;  // left to right, up to the first past the top
};

struct SaturationExample {
    int number;       // the mark's number, 1 to 3
    double pressure;  // where the example's line crosses the example temperature
    bool aboveChart;  // beyond the top: drawn on the top edge with an arrow
};

struct SaturationChartData {
    bool fahrenheit = false;           // degF and psig, else degC and barg
    const char* pressureUnit = "";     // "barg", "psig"
    const char* temperatureUnit = "";  // "\u00b0C", "\u00b0F"
    double dryerGauge = 0;             // the pressure the dewpoints belong to
    double minTemperature = 0, maxTemperature = 0, temperatureStep = 0;
    double minPressure = 0, maxPressure = 0;  // the logarithmic pressure axis
    std::vector<double> pressureLabels;
    double exampleTemperature = 0;  // the 20 degC (68 degF) of the window's examples
    std::vector<SaturationLine> lines;
    std::vector<SaturationExample> examples;
};

// Celsius charts are in barg, Fahrenheit charts in psig; each line sampled
// at 400 steps of the temperature range.
SaturationChartData SaturationChartOf(TemperatureScale scale);

}  // namespace zorvik
