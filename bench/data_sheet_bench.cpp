// The graph window's print writes one data sheet page with the chart on it
// (target: well under a second, so the print dialog closes onto a finished
// job), and the picture viewer redraws its chart on every unit flip
// (target: under one 16 ms frame).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include "shared_state.h"
#include "view_range.h"
#include "data_sheet_print.h"
#include "graph_settings.h"
#include "performance_chart.h"
#include "printing.h"

namespace zorvik {
namespace {

PictureDrawing ChartPicture(int model) {
    InitialiseSharedState();
    SelectPump(model);
    Shared.DisplayMode = DisplayChartPsi;
    return GraphSettingsPicture();
}

void BM_PrintDataSheetToPdf(benchmark::State& state) {
    const PictureDrawing picture = ChartPicture(10);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        const auto printer = MakePdfPrinter(file);
        benchmark::DoNotOptimize(PrintDataSheet(*printer, picture));
    }
}
BENCHMARK(BM_PrintDataSheetToPdf)->Unit(benchmark::kMillisecond);

// ComputeViewRange and the chart with the selection's operating point.
void BM_ViewerChartRedraw(benchmark::State& state) {
    InitialiseSharedState();
    SelectPump(9);
    Shared.PumpIndex = 9;
    Shared.AirDrivePsi = 100;
    Shared.InletPsi = 200;
    Shared.OutletPsi = 450;
    Shared.FlowScfm = 12;
    Shared.ShowChargeCurve = true;
    QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    int flips = 0;
    for (auto _ : state) {
        Shared.DisplayMode = ++flips % 2 ? DisplayChartPsi : DisplayChartBar;
        const GraphAxisRange range = SelectionViewRange();
        Canvas canvas(picture);
        DrawPerformanceGraph(canvas, ChartOriginX, ChartOriginY, range.outletMaxPsi, range.flowMaxScfm);
    }
}
BENCHMARK(BM_ViewerChartRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik
