#include <gtest/gtest.h>

#include <QImage>

#include "chart_labels.h"

namespace zorvik {
namespace {

QImage WhitePicture() {
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

// The chart goes on drawing from where each label leaves the pen.
TEST(ChartLabelsTest, PenIsLeftWhereTheChartContinues) {
    QImage image = WhitePicture();
    Canvas canvas(image);
    canvas.SetPenColor(colors::Magenta);
    const QString text = QStringLiteral("15.0");
    const int w = canvas.TextWidth(text);

    DrawBalloon(canvas, 60, 50, text);
    EXPECT_EQ(canvas.PenPos(), QPoint(60, 50));

    DrawAirUseTag(canvas, 60, 90, text, false);
    EXPECT_EQ(canvas.PenPos(), QPoint(60, 90));

    // At the end of its text, which starts half a text width left of x.
    DrawLineLabel(canvas, 140, 60, text);
    EXPECT_EQ(canvas.PenPos(), QPoint(140 - w / 2 + w, 60 + 3 - 16));
    EXPECT_EQ(canvas.BrushStyleNow(), BrushStyle::Solid);
    EXPECT_EQ(canvas.FontColor(), colors::Black);
}

// A tag above its point (the single-acting models') stands 10 pixels above
// it; the others go to the right, level with the point.
TEST(ChartLabelsTest, AirUseTagAboveOrBesideThePoint) {
    const struct {
        bool above;
        int dx, dy;  // top-left corner of the tag's box from the point, with w2 = half the text width
        bool besideUsesHalfWidth;
    } cases[] = {{true, -3, -28, true}, {false, 0, -18, false}};
    for (const auto& c : cases) {
        QImage image = WhitePicture();
        int w2 = 0;
        {
            Canvas canvas(image);
            canvas.SetPenColor(colors::Magenta);
            w2 = canvas.TextWidth("20") / 2;
            DrawAirUseTag(canvas, 100, 80, QStringLiteral("20"), c.above);
        }
        const int left = 100 + c.dx - (c.besideUsesHalfWidth ? w2 : 0);
        const int top = 80 + c.dy;
        EXPECT_EQ(At(image, left, top), colors::Magenta) << "above " << c.above;
        EXPECT_EQ(At(image, left - 1, top), colors::White) << "above " << c.above;
        EXPECT_EQ(At(image, left, top - 1), colors::White) << "above " << c.above;
    }
}

// A tag keeps its place unless it would cover or touch a label placed
// before it or leave the plot: it then goes up above that label, two pixels
// clear, left of its point at the plot's right edge, or down where going up
// would leave the plot.
TEST(ChartLabelsTest, AirUseTagsKeepClearAndStayOnThePlot) {
    QImage image = WhitePicture();
    Canvas canvas(image);
    const QString text = QStringLiteral("40");
    const int w2 = canvas.TextWidth(text) / 2;
    const QRect plot(QPoint(10, 20), QPoint(190, 115));
    const struct {
        bool above;
        QPoint at;
        std::vector<QRect> keepClear;
        QPoint topLeft;  // of the tag's box, before w2s half text widths are added to x
        int w2s;
        // clang-format off
    } cases[] = {
        {false, {60, 80}, {}, {60, 62}, 0},                       // beside the point, as always
        {false, {60, 80}, {QRect(70, 60, 20, 20)}, {60, 39}, 0},  // lifted over a tag placed before
        {false, {60, 80}, {QRect(40, 81, 20, 20)}, {60, 60}, 0},  // one that would touch it too
        {false, {180, 80}, {}, {173, 62}, -2},                    // left of a point at the right edge
        {true, {60, 50}, {QRect(40, 15, 40, 15)}, {57, 32}, -1},  // would leave the plot going up: down
        {true, {60, 25}, {}, {57, 20}, -1},                       // a point at the top: held inside
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "above " << c.above << " at " << c.at.x() << ", " << c.at.y());
        const QRect box = AirUseTagBox(canvas, c.at.x(), c.at.y(), text, c.above, c.keepClear, plot);
        EXPECT_EQ(box.topLeft(), c.topLeft + QPoint(c.w2s * w2, 0));
        EXPECT_TRUE(plot.contains(box));
        for (const QRect& other : c.keepClear) EXPECT_FALSE(TooClose(box, other));
    }
}

TEST(ChartLabelsTest, BalloonStandsOnItsPoint) {
    QImage image = WhitePicture();
    {
        Canvas canvas(image);
        canvas.SetPenColor(colors::Red);
        DrawBalloon(canvas, 100, 60, QStringLiteral(" Ps"));
    }
    // Ellipse (79, 39)-(121, 60): its lowest point is on the row above y.
    EXPECT_EQ(At(image, 100, 59), colors::Red);
    EXPECT_EQ(At(image, 100, 60), colors::White);
    EXPECT_EQ(At(image, 100, 39), colors::Red);
    EXPECT_EQ(At(image, 79, 49), colors::Red);
}

}  // namespace
}  // namespace zorvik
