// The chart and a drawing drawn sharp: at scale 2 (a 200 % screen repaints
// the graph window's picture this way) and as vectors onto a PDF page (a
// print, an exported file). Target: under 5 ms each.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>

#include "chart_view.h"
#include "dimension_drawings.h"
#include "performance_chart.h"
#include "session.h"

namespace zorvik {
namespace {

constexpr QSize kPicture(ChartPictureWidth, ChartPictureHeight);

// The graph window's chart of model 10 at its start-up settings.
PictureDrawing Chart() {
    const ChartView view = PrepareGraphChart(10, DefaultGraphAirDrivePsi, 1, false).view;
    return [view](Canvas& canvas) { DrawChart(canvas, view); };
}

PictureDrawing Drawing() {
    const DrawingView view{8, true, 0, {}};
    return [view](Canvas& canvas) { DrawDrawing(canvas, view); };
}

void AtScaleTwo(benchmark::State& state, const PictureDrawing& picture) {
    QImage image(kPicture * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        Canvas canvas(image);
        picture(canvas);
    }
}

// One page written to memory, the picture filling it as on a data sheet.
void OntoPdfPage(benchmark::State& state, const PictureDrawing& picture) {
    for (auto _ : state) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&file);
        pdf.setResolution(600);
        {
            Canvas page(pdf, pdf.resolution());
            page.DrawPicture(QRectF(0, 0, pdf.width(), pdf.width() * 485.0 / 617.0), kPicture, picture);
        }
        benchmark::DoNotOptimize(file.size());
    }
}

void BM_ChartAtScaleTwo(benchmark::State& state) { AtScaleTwo(state, Chart()); }
BENCHMARK(BM_ChartAtScaleTwo)->Unit(benchmark::kMillisecond);

void BM_DrawingAtScaleTwo(benchmark::State& state) { AtScaleTwo(state, Drawing()); }
BENCHMARK(BM_DrawingAtScaleTwo)->Unit(benchmark::kMillisecond);

void BM_ChartOntoPdfPage(benchmark::State& state) { OntoPdfPage(state, Chart()); }
BENCHMARK(BM_ChartOntoPdfPage)->Unit(benchmark::kMillisecond);

void BM_DrawingOntoPdfPage(benchmark::State& state) { OntoPdfPage(state, Drawing()); }
BENCHMARK(BM_DrawingOntoPdfPage)->Unit(benchmark::kMillisecond);

// The PDF page alone, to tell the drawing from the writer.
void BM_EmptyOntoPdfPage(benchmark::State& state) {
    OntoPdfPage(state, [](Canvas&) {});
}
BENCHMARK(BM_EmptyOntoPdfPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik
