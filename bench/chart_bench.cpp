// One performance chart as the graph window draws it: 617 x 461 pixels,
// view prepared from the settings, axes ranged, everything drawn (target:
// under 5 ms).

#include <benchmark/benchmark.h>

#include <QImage>

#include "chart_view.h"
#include "performance_chart.h"

namespace zorvik {
namespace {

// The graph window's settings at start-up: drive pressure, psig, and inlet
// scale.
constexpr double kDrivePsi = 90;
constexpr double kInletScale = 1;

void GraphChart(benchmark::State& state, int model, bool bar) {
    QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas canvas(picture);
        DrawChart(canvas, PrepareGraphChart(model, kDrivePsi, kInletScale, bar).view);
    }
}

void BM_Chart_Model10_Psi(benchmark::State& state) { GraphChart(state, 10, false); }
BENCHMARK(BM_Chart_Model10_Psi)->Unit(benchmark::kMillisecond);

void BM_Chart_Model15_Bar(benchmark::State& state) { GraphChart(state, 15, true); }
BENCHMARK(BM_Chart_Model15_Bar)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik
