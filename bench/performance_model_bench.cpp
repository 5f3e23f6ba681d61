// The performance model runs inside every selection search and chart, so
// its single evaluations must stay cheap (target: under 200 ns each).

#include <benchmark/benchmark.h>

#include "catalogue.h"
#include "performance_model.h"

namespace zorvik {
namespace {

void BM_OutletFlow(benchmark::State& state) {
    const TPumpRecord& pump = CatalogueRow(6);
    double outlet = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(OutletFlow(pump, {100, 100, outlet}));
        outlet = outlet < 1400 ? outlet + 1 : 1000;
    }
}
BENCHMARK(BM_OutletFlow);

void BM_EvaluatePoint_Model1(benchmark::State& state) {
    const TPumpRecord& pump = CatalogueRow(1);
    double outlet = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EvaluatePoint(pump, {100, 100, outlet}));
        outlet = outlet < 240 ? outlet + 1 : 100;
    }
}
BENCHMARK(BM_EvaluatePoint_Model1);

void BM_AirUseFromLines_Model1(benchmark::State& state) {
    const TPumpRecord& pump = CatalogueRow(1);
    double flow = 1.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AirUse(pump, 100, 0.5, 165, flow));
        flow = flow < 5 ? flow + 0.01 : 1.0;
    }
}
BENCHMARK(BM_AirUseFromLines_Model1);

void BM_AirUseFromFormula_Model6(benchmark::State& state) {
    const TPumpRecord& pump = CatalogueRow(6);
    double speed = 0.01;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AirUse(pump, 100, speed, 0, 0));
        speed = speed < 1.1 ? speed + 0.001 : 0.01;
    }
}
BENCHMARK(BM_AirUseFromFormula_Model6);

}  // namespace
}  // namespace zorvik

BENCHMARK_MAIN();
