// The comparison of all fifteen models recomputes on every cost setting the
// user types, so it and its chart must fit in a frame (target: under 16 ms,
// both applications and both charts drawn). Batch sizing reads a file of
// duty points and writes every point's rows (target: at least 50,000 points
// a second).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <random>

#include "arguments.h"
#include "batch_command.h"
#include "comparison_chart_drawing.h"
#include "comparison.h"
#include "comparison_curves.h"
#include "comparison_table.h"

namespace zorvik {
namespace {

const FlowDuty kFlow{100, 100, 100, 200, 2};
const ChargeDuty kCharge{100, 100, 100, 100, 1000, 1};
const QSize kChartSize(1100, 420);  // the window's chart at its start size
constexpr double kTextPixels = 13;

void Draw(const ComparisonChartData& chart, QImage& image) {
    QPainter painter(&image);
    DrawComparisonChart(painter, QRectF(image.rect()), chart, kTextPixels, nullptr);
}

void BM_CompareFlowWithChart(benchmark::State& state) {
    QImage image(kChartSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const auto rows = CompareForFlow(kFlow, AllModels(), {}, false);
        benchmark::DoNotOptimize(FlowComparisonTable(rows, false));
        Draw(FlowChartData(rows, kFlow, false), image);
    }
}
BENCHMARK(BM_CompareFlowWithChart)->Unit(benchmark::kMillisecond);

void BM_CompareFillWithChart(benchmark::State& state) {
    QImage image(kChartSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const auto rows = CompareForCharge(kCharge, AllModels(), {}, false);
        benchmark::DoNotOptimize(ChargeComparisonTable(rows, false));
        Draw(FillChartData(rows, false), image);
    }
}
BENCHMARK(BM_CompareFillWithChart)->Unit(benchmark::kMillisecond);

void BM_CompareBothWithBothCharts(benchmark::State& state) {
    QImage image(kChartSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const auto flow = CompareForFlow(kFlow, AllModels(), {}, false);
        const auto fill = CompareForCharge(kCharge, AllModels(), {}, false);
        Draw(FlowChartData(flow, kFlow, false), image);
        Draw(FillChartData(fill, false), image);
    }
}
BENCHMARK(BM_CompareBothWithBothCharts)->Unit(benchmark::kMillisecond);

// 100,000 duty points spread over the window's usual ranges.
std::string WriteDutyFile(const QTemporaryDir& folder, int points) {
    const std::string name = folder.filePath(QStringLiteral("duty.csv")).toStdString();
    std::ofstream file(name);
    std::mt19937 random(19);
    std::uniform_int_distribution<int> drive(40, 150), air(5, 300), inlet(0, 300), rise(10, 3000);
    std::uniform_real_distribution<double> flow(0.1, 50);
    file << "drive,air,inlet,outlet,flow\n";
    for (int i = 0; i < points; ++i) {
        const int in = inlet(random);
        file << drive(random) << ',' << air(random) << ',' << in << ',' << in + rise(random) << ','
             << static_cast<int>(flow(random) * 100) / 100.0 << '\n';
    }
    return name;
}

void BM_BatchFlowPoints(benchmark::State& state) {
    QTemporaryDir folder;
    const int points = static_cast<int>(state.range(0));
    cli::Arguments parsed;
    parsed.values["batch"] = WriteDutyFile(folder, points);
    std::FILE* sink = std::fopen("/dev/null", "w");
    for (auto _ : state) cli::RunBatch(cli::FlowSelectionSpec, parsed, cli::SelectionFormat::Csv, sink);
    std::fclose(sink);
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_BatchFlowPoints)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik
