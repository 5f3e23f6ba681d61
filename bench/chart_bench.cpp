// One performance chart as the graph window draws it: 617 x 461 pixels,
// settings applied, axes ranged, everything drawn (target: under 5 ms).

#include <benchmark/benchmark.h>

#include <QImage>

#include "shared_state.h"
#include "graph_settings.h"
#include "performance_chart.h"

namespace zorvik {
namespace {

void DrawChart(benchmark::State& state, int model, std::uint8_t mode) {
    InitialiseSharedState();
    SelectPump(model);
    Shared.DisplayMode = mode;
    QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas canvas(picture);
        DrawGraphSettings(canvas);
    }
}

void BM_Chart_Model10_Psi(benchmark::State& state) { DrawChart(state, 10, DisplayChartPsi); }
BENCHMARK(BM_Chart_Model10_Psi)->Unit(benchmark::kMillisecond);

void BM_Chart_Model15_Bar(benchmark::State& state) { DrawChart(state, 15, DisplayChartBar); }
BENCHMARK(BM_Chart_Model15_Bar)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik
