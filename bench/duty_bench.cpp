// The duty's figures join every comparison and every duty point of a batch.
// Targets: the comparison of all fifteen models with its table and chart
// lines, engine part, well under 16 ms (the chart's drawing is timed with the
// windows, bench/comparison_bench.cpp); a batch of 100,000 flow duties, the
// list and every model's duty figures, at least 100,000 duties a second.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "comparison.h"
#include "comparison_curves.h"
#include "comparison_table.h"
#include "duty_point.h"
#include "duty_search.h"
#include "flow_search.h"

namespace zorvik {
namespace {

const FlowDuty kDuty{100, 100, 100, 1500, 2};
const FlowDuty kAirShort{6 * 14.50377, 800 / 28.316847, 6 * 14.50377, 20 * 14.50377, 120 / 28.316847};

void BM_CompareFifteenWithDutyFigures(benchmark::State& state, FlowDuty duty) {
    for (auto _ : state) {
        const auto rows = CompareForFlow(duty, AllModels(), {}, false);
        benchmark::DoNotOptimize(FlowComparisonTable(rows, false));
        benchmark::DoNotOptimize(FlowChartData(rows, duty, false));
    }
}
BENCHMARK_CAPTURE(BM_CompareFifteenWithDutyFigures, Defaults, kDuty)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompareFifteenWithDutyFigures, AirShort, kAirShort)->Unit(benchmark::kMillisecond);

void BM_NearestModelToDuty(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(NearestModelToDuty(kAirShort, true));
}
BENCHMARK(BM_NearestModelToDuty)->Unit(benchmark::kMicrosecond);

// Duty points spread over the window's usual ranges.
std::vector<FlowDuty> RandomDuties(int count) {
    std::mt19937 random(19);
    std::uniform_int_distribution<int> drive(40, 150), air(5, 300), inlet(0, 300), rise(10, 3000);
    std::uniform_real_distribution<double> flow(0.1, 50);
    std::vector<FlowDuty> duties;
    for (int i = 0; i < count; ++i) {
        const double in = inlet(random);
        duties.push_back({double(drive(random)), double(air(random)), in, in + rise(random), flow(random)});
    }
    return duties;
}

void BM_BatchFlowDutiesWithDutyFigures(benchmark::State& state) {
    const std::vector<FlowDuty> duties = RandomDuties(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const FlowDuty& duty : duties) {
            for (const FlowCandidate& c : SearchContinuousProcess(duty))
                benchmark::DoNotOptimize(EvaluateFlowDuty(CatalogueRow(c.pumpNo), duty, c.requested));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(duties.size()));
}
BENCHMARK(BM_BatchFlowDutiesWithDutyFigures)->Arg(100000)->Unit(benchmark::kMillisecond);

// The duty figures alone, each model's full-speed point included: what they
// add to a list that is computed anyway.
void BM_BatchDutyFiguresAlone(benchmark::State& state) {
    const std::vector<FlowDuty> duties = RandomDuties(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const FlowDuty& duty : duties)
            for (int n = 1; n <= PumpCount; ++n) benchmark::DoNotOptimize(EvaluateFlowDuty(CatalogueRow(n), duty));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(duties.size()));
}
BENCHMARK(BM_BatchDutyFiguresAlone)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik

BENCHMARK_MAIN();
