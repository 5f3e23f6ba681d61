// A dimension drawing is redrawn whenever the user flips units or picks a
// model or option, so it must feel instant (target: well under one 16 ms
// frame). The outline pictures are rendered from SVG once, when the program
// starts (target: all 24 under 100 ms).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "dimension_drawings.h"
#include "drawing_pictures.h"

namespace zorvik {
namespace {

void BM_DrawModelDrawing(benchmark::State& state) {
    QImage picture(617, 461, QImage::Format_RGB32);
    int model = 1;
    for (auto _ : state) {
        Canvas canvas(picture);
        DrawModelDrawing(canvas, model, model % 2 == 0);
        model = model % 15 + 1;
    }
}
BENCHMARK(BM_DrawModelDrawing)->Unit(benchmark::kMillisecond);

void BM_DrawOptionDrawing(benchmark::State& state) {
    QImage picture(617, 461, QImage::Format_RGB32);
    const DrawingView view{1, true, static_cast<int>(state.range(0)), QStringLiteral("61301")};
    for (auto _ : state) {
        Canvas canvas(picture);
        DrawDrawing(canvas, view);
    }
}
BENCHMARK(BM_DrawOptionDrawing)->Arg(6)->Arg(14)->Arg(30)->Arg(49)->Unit(benchmark::kMillisecond);

// What the picture store does once at start-up, without the cache.
void BM_RenderAllOutlinePictures(benchmark::State& state) {
    for (auto _ : state) {
        for (int i = 0; i < DrgImageCount; ++i) {
            const auto which = static_cast<DrgImage>(i);
            QImage image(DrawingPictures::PictureSize(which), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            QSvgRenderer(QStringLiteral(":/art/%1.svg").arg(DrawingPictures::ArtworkName(which)))
                .render(&painter, QRectF(QPointF(0, 0), image.size()));
        }
    }
}
BENCHMARK(BM_RenderAllOutlinePictures)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik
