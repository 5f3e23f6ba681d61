#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>

#include "canvas.h"

namespace zorvik {
namespace {

QImage WhitePicture(int w = 40, int h = 30) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool IsColor(const QImage& image, int x, int y, const QColor& c) { return QColor(image.pixel(x, y)) == c; }

TEST(CanvasTest, LinesLeaveTheirEndPointUnpainted) {
    QImage image = WhitePicture();
    {
        Canvas canvas(image);
        canvas.MoveTo(2, 5);
        canvas.LineTo(10, 5);
        EXPECT_EQ(canvas.PenPos(), QPoint(10, 5));
        canvas.MoveTo(20, 2);
        canvas.LineTo(20, 12);
    }
    for (int x = 2; x < 10; ++x) EXPECT_TRUE(IsColor(image, x, 5, colors::Black)) << x;
    EXPECT_TRUE(IsColor(image, 10, 5, colors::White));
    EXPECT_TRUE(IsColor(image, 1, 5, colors::White));
    for (int y = 2; y < 12; ++y) EXPECT_TRUE(IsColor(image, 20, y, colors::Black)) << y;
    EXPECT_TRUE(IsColor(image, 20, 12, colors::White));
}

TEST(CanvasTest, RectanglesLeaveRightAndBottomEdgesOut) {
    QImage image = WhitePicture();
    {
        Canvas canvas(image);
        canvas.SetBrushColor(colors::Yellow);
        canvas.Rectangle(2, 2, 8, 6);
        canvas.SetBrushColor(colors::Blue);
        canvas.FillRect(20, 2, 25, 4);
        canvas.SetBrushColor(colors::Red);
        canvas.FrameRect(30, 10, 35, 15);
    }
    // Outline from (2,2) to (7,5), inside in the brush colour.
    for (int x = 2; x <= 7; ++x) {
        EXPECT_TRUE(IsColor(image, x, 2, colors::Black)) << x;
        EXPECT_TRUE(IsColor(image, x, 5, colors::Black)) << x;
    }
    for (int y = 2; y <= 5; ++y) EXPECT_TRUE(IsColor(image, 7, y, colors::Black)) << y;
    EXPECT_TRUE(IsColor(image, 8, 3, colors::White));
    EXPECT_TRUE(IsColor(image, 4, 6, colors::White));
    EXPECT_TRUE(IsColor(image, 4, 3, colors::Yellow));

    EXPECT_TRUE(IsColor(image, 24, 3, colors::Blue));
    EXPECT_TRUE(IsColor(image, 25, 3, colors::White));
    EXPECT_TRUE(IsColor(image, 24, 4, colors::White));

    EXPECT_TRUE(IsColor(image, 34, 14, colors::Red));
    EXPECT_TRUE(IsColor(image, 30, 10, colors::Red));
    EXPECT_TRUE(IsColor(image, 32, 12, colors::White));
    EXPECT_TRUE(IsColor(image, 35, 12, colors::White));
}

TEST(CanvasTest, ClearBrushFillsNothing) {
    QImage image = WhitePicture();
    {
        Canvas canvas(image);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetBrushColor(colors::Red);
        canvas.FillRect(0, 0, 10, 10);
        canvas.Rectangle(12, 2, 20, 10);
    }
    EXPECT_TRUE(IsColor(image, 5, 5, colors::White));
    EXPECT_TRUE(IsColor(image, 15, 5, colors::White));
    EXPECT_TRUE(IsColor(image, 12, 5, colors::Black));
}

TEST(CanvasTest, EllipsesStayInsideTheirBox) {
    QImage image = WhitePicture();
    {
        Canvas canvas(image);
        canvas.SetBrushColor(colors::Red);
        canvas.SetPenColor(colors::Red);
        canvas.Ellipse(10, 10, 17, 17);
    }
    EXPECT_TRUE(IsColor(image, 13, 13, colors::Red));
    for (int i = 9; i <= 18; ++i) {
        EXPECT_TRUE(IsColor(image, 17, i, colors::White)) << i;
        EXPECT_TRUE(IsColor(image, i, 17, colors::White)) << i;
    }
}

TEST(CanvasTest, FilledPolygonsTakeTheBrush) {
    QImage image = WhitePicture();
    {
        Canvas canvas(image);
        canvas.SetBrushColor(colors::Yellow);
        canvas.Polygon({{1, 10}, {10, 2}, {10, 18}});
    }
    EXPECT_TRUE(IsColor(image, 7, 10, colors::Yellow));
    EXPECT_TRUE(IsColor(image, 10, 10, colors::Black));
}

TEST(CanvasTest, TextIsOpaqueOnASolidBrushAndTransparentOnAClearOne) {
    QImage image = WhitePicture(80, 40);
    image.fill(colors::Silver);
    {
        Canvas canvas(image);
        canvas.SetFont("arial", 12);
        canvas.SetBrushColor(colors::Yellow);
        canvas.TextOut(2, 2, "_");
        EXPECT_EQ(canvas.PenPos(), QPoint(2 + canvas.TextWidth("_"), 2));
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.TextOut(40, 2, "_");
    }
    // The top-left corner of the cell is background, never glyph.
    EXPECT_TRUE(IsColor(image, 3, 3, colors::Yellow));
    EXPECT_TRUE(IsColor(image, 41, 3, colors::Silver));
}

TEST(CanvasTest, PointSizesAreAt96Dpi) {
    QImage image = WhitePicture();
    Canvas canvas(image);
    canvas.SetFont("arial", 12, true);
    EXPECT_EQ(canvas.CurrentFont().pixelSize(), 16);
    canvas.SetFontSize(10);
    EXPECT_EQ(canvas.CurrentFont().pixelSize(), 13);
    EXPECT_TRUE(canvas.CurrentFont().bold());
    EXPECT_EQ(PointsToPixels(12, 600), 100);
    // "arial" is found (as Liberation Sans, which shares its metrics).
    EXPECT_TRUE(QFontInfo(canvas.CurrentFont()).family().contains("Liberation Sans") ||
                QFontInfo(canvas.CurrentFont()).family().contains("Arial"))
        << QFontInfo(canvas.CurrentFont()).family().toStdString();
    EXPECT_GT(canvas.TextHeight("W"), 13);
}

TEST(CanvasTest, PixelsReadBackAndOutsideIsWhite) {
    QImage image = WhitePicture();
    Canvas canvas(image);
    canvas.SetBrushColor(colors::Olive);
    canvas.FillRect(0, 0, 5, 5);
    EXPECT_EQ(canvas.Pixel(4, 4), colors::Olive);
    EXPECT_EQ(canvas.Pixel(-1, 4), colors::White);
    EXPECT_EQ(canvas.Pixel(400, 4), colors::White);
}

TEST(CanvasTest, PicturesAreDrawnUnscaled) {
    QImage image = WhitePicture();
    QImage dot(2, 2, QImage::Format_RGB32);
    dot.fill(colors::Green);
    {
        Canvas canvas(image);
        canvas.Draw(5, 5, dot);
    }
    EXPECT_TRUE(IsColor(image, 6, 6, colors::Green));
    EXPECT_TRUE(IsColor(image, 7, 7, colors::White));
}

}  // namespace
}  // namespace zorvik
