#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <functional>

#include "canvas.h"
#include "clipboard.h"

namespace zorvik {
namespace {

QImage DrawnAt(int scale, const PictureDrawing& draw) {
    QImage image(QSize(60, 40) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    Canvas canvas(image);
    draw(canvas);
    return image;
}

// Every picture pixel of the pixel-exact picture, as the block of device
// pixels it covers at a larger scale: lines along the axes, outlines, fills
// and frames land on exactly the same picture pixels at every scale.
TEST(SharpCanvasTest, StraightShapesCoverTheSamePicturePixelsAtAnyScale) {
    const struct {
        const char* shape;
        PictureDrawing draw;
    } kShapes[] = {
        {"line rightwards",
         [](Canvas& c) {
             c.MoveTo(3, 5);
             c.LineTo(40, 5);
         }},
        {"line leftwards",
         [](Canvas& c) {
             c.MoveTo(40, 7);
             c.LineTo(3, 7);
         }},
        {"line downwards",
         [](Canvas& c) {
             c.MoveTo(20, 2);
             c.LineTo(20, 30);
         }},
        {"line upwards",
         [](Canvas& c) {
             c.MoveTo(22, 30);
             c.LineTo(22, 2);
         }},
        {"two-pixel pen",
         [](Canvas& c) {
             c.SetPenWidth(2);
             c.MoveTo(5, 20);
             c.LineTo(30, 20);
             c.LineTo(30, 35);
         }},
        {"rectangle",
         [](Canvas& c) {
             c.SetBrushColor(colors::Yellow);
             c.Rectangle(10, 10, 30, 25);
         }},
        {"one-pixel rectangle",
         [](Canvas& c) {
             c.SetPenColor(colors::Red);
             c.Rectangle(10, 10, 30, 11);
         }},
        {"fill and frame",
         [](Canvas& c) {
             c.SetBrushColor(colors::Olive);
             c.FillRect(2, 2, 12, 8);
             c.SetBrushColor(colors::Blue);
             c.FrameRect(0, 0, 60, 40);
         }},
    };
    for (const auto& k : kShapes) {
        SCOPED_TRACE(k.shape);
        const QImage exact = DrawnAt(1, k.draw);
        for (int scale : {2, 3}) {
            const QImage sharp = DrawnAt(scale, k.draw);
            int wrong = 0;
            for (int y = 0; y < sharp.height(); ++y)
                for (int x = 0; x < sharp.width(); ++x) wrong += sharp.pixel(x, y) != exact.pixel(x / scale, y / scale);
            EXPECT_EQ(wrong, 0) << "scale " << scale;
        }
    }
}

// A picture drawn at another scale reads back what the pixel-exact picture
// holds, so a drawing that takes a colour from the page takes the same one.
TEST(SharpCanvasTest, PixelsReadBackAsAtScaleOne) {
    QImage image(QSize(60, 40) * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    Canvas canvas(image);
    EXPECT_EQ(canvas.Width(), 60);
    EXPECT_EQ(canvas.Height(), 40);
    canvas.SetBrushColor(colors::Olive);
    canvas.FillRect(0, 0, 5, 5);
    canvas.SetPenColor(colors::Red);
    canvas.MoveTo(10, 10);
    canvas.LineTo(20, 10);
    EXPECT_EQ(canvas.Pixel(4, 4), colors::Olive);
    EXPECT_EQ(canvas.Pixel(5, 4), colors::White);
    EXPECT_EQ(canvas.Pixel(19, 10), colors::Red);
    EXPECT_EQ(canvas.Pixel(20, 10), colors::White);
}

TEST(SharpCanvasTest, CopyPutsTheBitmapAndTheSameDrawingAsSvg) {
    const PictureDrawing draw = [](Canvas& c) {
        c.SetFontColor(colors::Blue);
        c.TextOut(5, 5, QStringLiteral("Outlet"));
        c.MoveTo(5, 30);
        c.LineTo(50, 30);
    };
    const QImage bitmap = DrawnAt(1, draw);
    CopyPictureToClipboard(bitmap, draw);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32), bitmap);
    const QByteArray svg = copied->data(QString::fromLatin1(SvgMimeType));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("Outlet"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 60 40\""));
    EXPECT_FALSE(svg.contains("<image"));
}

}  // namespace
}  // namespace zorvik
