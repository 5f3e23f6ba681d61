// The real-gas model answers one density per vessel step and per figure
// shown (target: under 1 us each, for every gas), and a real-gas fill
// selection of all fifteen models must stay interactive (target: under
// 50 us).

#include <benchmark/benchmark.h>

#include "charge_search.h"
#include "gases.h"
#include "real_gas.h"

namespace zorvik {
namespace {

// Pressures walk 1 to 700 bar so no answer is cached by the branch
// predictor's luck alone.
void BM_Density(benchmark::State& state) {
    const Gas gas = AllGases[state.range(0)];
    const double celsius = static_cast<double>(state.range(1));
    double bar = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GasStateAt(gas, bar, celsius));
        bar = bar < 690 ? bar + 7.3 : 1;
    }
    state.SetLabel(std::string(Properties(gas).name));
}
BENCHMARK(BM_Density)->ArgsProduct({{0, 1, 2, 3, 4, 6, 7}, {20}});
// Carbon dioxide above its critical temperature, through the flat isotherms
// near the critical point, and below it up to its vapour pressure.
BENCHMARK(BM_Density)->Args({5, 35})->Args({5, 20});

void BM_RealGasFillSelection(benchmark::State& state) {
    ChargeDuty duty{150, 100, 150, 150, 5000, 2};
    duty.gas = Gas::Hydrogen;
    duty.contents = ContentsCount::RealGas;
    for (auto _ : state) benchmark::DoNotOptimize(SearchVesselCharging(duty));
}
BENCHMARK(BM_RealGasFillSelection);

void BM_IdealFillSelection(benchmark::State& state) {
    const ChargeDuty duty{150, 100, 150, 150, 5000, 2};
    for (auto _ : state) benchmark::DoNotOptimize(SearchVesselCharging(duty));
}
BENCHMARK(BM_IdealFillSelection);

}  // namespace
}  // namespace zorvik

BENCHMARK_MAIN();
