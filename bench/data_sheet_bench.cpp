// The graph window's print writes one data sheet page with the chart on it
// (target: well under a second, so the print dialog closes onto a finished
// job), and the picture viewer redraws its chart on every unit flip
// (target: under one 16 ms frame).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include "chart_view.h"
#include "data_sheet_print.h"
#include "performance_chart.h"
#include "printing.h"
#include "session.h"

namespace zorvik {
namespace {

// The graph window's chart of a model at its start-up settings.
PictureDrawing ChartPicture(int model) {
    const ChartView view = PrepareGraphChart(model, DefaultGraphAirDrivePsi, 1, false).view;
    return [view](Canvas& canvas) { DrawChart(canvas, view); };
}

void BM_PrintDataSheetToPdf(benchmark::State& state) {
    const PictureDrawing picture = ChartPicture(10);
    const Session session;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        const auto printer = MakePdfPrinter(file);
        benchmark::DoNotOptimize(PrintDataSheet(*printer, picture, session.Office()));
    }
}
BENCHMARK(BM_PrintDataSheetToPdf)->Unit(benchmark::kMillisecond);

// The viewer's axis range and the chart with a row's operating point.
void BM_ViewerChartRedraw(benchmark::State& state) {
    ChartView view;
    view.model = 9;
    view.drivePsi = 100;
    view.inletPsi = 200;
    view.axes = ChartAxisRule::SelectionViewer;
    view.duty = ChartDutyPoint{450, 12};
    QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        view.bar = !view.bar;
        Canvas canvas(picture);
        DrawChart(canvas, view);
    }
}
BENCHMARK(BM_ViewerChartRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik
