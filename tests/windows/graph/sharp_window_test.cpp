// The graph window's picture on a screen of any pixel ratio: a grab of it
// shows the picture drawn afresh at that ratio, never the 617 x 461 picture
// scaled up. CTest runs it once more with QT_SCALE_FACTOR=2.

#include "graph_window_fixture.h"
#include "performance_chart.h"
#include "picture_box.h"

namespace zorvik::testing {
namespace {

using SharpWindowTest = GraphWindowTest;

QImage DrawnAt(qreal ratio, const PictureDrawing& drawing) {
    QImage image(QSize(ChartPictureWidth, ChartPictureHeight) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    Canvas canvas(image);
    drawing(canvas);
    return image;
}

TEST_F(SharpWindowTest, ThePictureIsDrawnAtTheScreensPixelRatio) {
    Open();
    ChooseModel(10);
    auto* picture = Control<PictureBox>("PerformanceGraphImage");
    const qreal ratio = picture->devicePixelRatioF();
    for (const char* button : {"DrawGraphBitBtn", "ShowDrawingBitBtn"}) {
        SCOPED_TRACE(button);
        Press(Button(button));
        const QImage grabbed = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(grabbed.size(), QSize(ChartPictureWidth, ChartPictureHeight) * ratio);
        EXPECT_EQ(grabbed, DrawnAt(ratio, form.PictureDrawingShown()));
    }
}

}  // namespace
}  // namespace zorvik::testing
