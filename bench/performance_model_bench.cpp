// The performance model runs inside every selection search and chart, so
// its single evaluations must stay cheap (target: under 200 ns each).

#include <benchmark/benchmark.h>

#include "core/performance_model.h"
#include "core/shared_state.h"

namespace zorvik {
namespace {

void BM_OutletFlow(benchmark::State& state) {
    InitialiseSharedState();
    SelectPump(6);
    double outlet = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(OutletFlow(outlet, 100, 100));
        outlet = outlet < 1400 ? outlet + 1 : 1000;
    }
}
BENCHMARK(BM_OutletFlow);

void BM_AirUseFromLines_Model1(benchmark::State& state) {
    InitialiseSharedState();
    SelectPump(1);
    Shared.AirUseOutletPsi = 165;
    double flow = 1.0;
    for (auto _ : state) {
        Shared.FlowScfm = flow;
        benchmark::DoNotOptimize(AirUse(100, 0.5));
        flow = flow < 5 ? flow + 0.01 : 1.0;
    }
}
BENCHMARK(BM_AirUseFromLines_Model1);

void BM_AirUseFromFormula_Model6(benchmark::State& state) {
    InitialiseSharedState();
    SelectPump(6);
    double speed = 0.01;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AirUse(100, speed));
        speed = speed < 1.1 ? speed + 0.001 : 0.01;
    }
}
BENCHMARK(BM_AirUseFromFormula_Model6);

}  // namespace
}  // namespace zorvik

BENCHMARK_MAIN();
