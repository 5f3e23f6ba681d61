// A job of 500 items, half continuous flows and half vessel fills over
// every model: opened with every item recomputed (target under 100 ms), and
// saved, which recomputes the figures it keeps and flushes the file to the
// disk (target under 50 ms).

#include <benchmark/benchmark.h>

#include <filesystem>

#include "item_figures.h"
#include "job_file.h"

namespace {

using namespace zorvik::job;

constexpr int kItems = 500;

Job FiveHundredItems() {
    Job job;
    job.header.name = "Five hundred duties";
    for (int i = 0; i < kItems; ++i) {
        JobItem item;
        item.tag = "B-" + std::to_string(100 + i);
        item.model = 1 + i % 15;
        item.application = i % 2 == 0 ? Application::Flow : Application::Fill;
        item.duty.drive = std::to_string(60 + i % 90);
        item.duty.flow = "0." + std::to_string(1 + i % 9);
        job.items.push_back(item);
    }
    return job;
}

std::filesystem::path BenchFile() { return std::filesystem::temp_directory_path() / "zorvik-job-bench.zjob"; }

void BM_OpenAndRecomputeFiveHundredItems(benchmark::State& state) {
    Job job = FiveHundredItems();
    std::filesystem::remove(BenchFile());
    SaveJobFile(BenchFile(), job, DiskStamp{});
    for (auto _ : state) {
        const OpenedJob opened = OpenJobFile(BenchFile());
        benchmark::DoNotOptimize(ComputeJob(*opened.job));
    }
}
BENCHMARK(BM_OpenAndRecomputeFiveHundredItems)->Unit(benchmark::kMillisecond);

void BM_SaveFiveHundredItems(benchmark::State& state) {
    Job job = FiveHundredItems();
    std::filesystem::remove(BenchFile());
    DiskStamp stamp;
    for (auto _ : state) stamp = SaveJobFile(BenchFile(), job, stamp).stamp;
    state.counters["bytes"] = static_cast<double>(stamp.size);
}
BENCHMARK(BM_SaveFiveHundredItems)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
