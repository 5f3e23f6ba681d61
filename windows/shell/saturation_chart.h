#pragma once
// The saturation-line chart of the saturated-air window: the gauge pressure
// at which boosted air starts to condense, against its temperature, for air
// dried to several pressure dewpoints at 7 barg (100 psig), with the three
// dryer examples of the window's texts marked 1, 2 and 3. Drawn from the
// moisture relation of the core, so the lines are the physics, not a copy.

#include <QImage>
#include <QSize>

class QLabel;

namespace zorvik {

enum class TemperatureScale { Celsius, Fahrenheit };

// The chart at `size` logical pixels, rendered at `ratio` device pixels per
// logical pixel. Celsius charts are in barg, Fahrenheit charts in psig.
QImage SaturationChart(TemperatureScale scale, QSize size, qreal ratio = 1);

// Shows the chart in `label` at the label's size.
void ShowSaturationChart(QLabel* label, TemperatureScale scale);

}  // namespace zorvik
