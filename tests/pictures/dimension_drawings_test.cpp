#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>
#include <functional>

#include "catalogue.h"
#include "shared_state.h"
#include "dimension_drawings.h"
#include "dimension_primitives.h"
#include "drawing_pictures.h"
#include "artwork.h"

namespace zorvik {
namespace {

// The graph window's picture.
QImage Picture(const std::function<void(Canvas&)>& paint) {
    QImage image(617, 461, QImage::Format_RGB32);
    image.fill(Qt::gray);
    Canvas canvas(image);
    paint(canvas);
    return image;
}

QImage ModelDrawing(int pumpNo, int displayMode) {
    SelectPump(pumpNo);
    Shared.DisplayMode = static_cast<std::uint8_t>(displayMode);
    return Picture([](Canvas& c) { DrawModelDrawing(c); });
}

QImage OptionDrawing(int pumpNo, int index, const QString& title, bool inMm, int displayMode = DisplayDrawingMm) {
    SelectPump(pumpNo);
    Shared.DisplayMode = static_cast<std::uint8_t>(displayMode);
    return Picture([&](Canvas& c) { DrawOptionDrawing(c, index, title, QStringLiteral("description"), inMm); });
}

bool IsTextInk(QRgb c) { return qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 60; }

// Every pixel of the blue text in `part` is there in `whole` too.
bool Contains(const QImage& whole, const QImage& part) {
    int ink = 0;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            if (!IsTextInk(part.pixel(x, y))) continue;
            ++ink;
            if (whole.pixel(x, y) != part.pixel(x, y)) return false;
        }
    return ink > 0;
}

// The first dimension of the models 1-3 drawing alone, in one unit.
QImage FirstDimensionOfModel1(bool metric) {
    return Picture([&](Canvas& c) {
        PrepareDrawingPage(c);
        DrawHorizontalDimension(c, 150 + 49, 100 - 30, 44, ArrowBoth, QStringLiteral("1.63\""),
                                QStringLiteral("     41.4 mm"), metric, 1, 5, -5, 50, -5, 50, DrawingFill);
    });
}

class DimensionDrawingsTest : public ::testing::Test {
protected:
    void SetUp() override { InitialiseSharedState(); }
    void TearDown() override { InitialiseSharedState(); }
};

// Only display mode 1 asks for inches.
TEST_F(DimensionDrawingsTest, UnitFollowsDisplayMode) {
    const QImage mm = ModelDrawing(1, DisplayDrawingMm);
    const QImage inches = ModelDrawing(1, DisplayDrawingInches);
    EXPECT_NE(mm, inches);
    EXPECT_TRUE(Contains(mm, FirstDimensionOfModel1(true)));
    EXPECT_FALSE(Contains(mm, FirstDimensionOfModel1(false)));
    EXPECT_TRUE(Contains(inches, FirstDimensionOfModel1(false)));
    for (int mode : {0, 3, 4, 5}) EXPECT_EQ(ModelDrawing(1, mode), mm) << "display mode " << mode;
}

TEST_F(DimensionDrawingsTest, EveryModelHasItsDrawingAndTitle) {
    for (int n = 1; n <= PumpCount; ++n) {
        const QImage mm = ModelDrawing(n, DisplayDrawingMm);
        const QImage inches = ModelDrawing(n, DisplayDrawingInches);
        EXPECT_NE(mm, inches) << "model " << n;
        const QImage title = Picture([&](Canvas& c) {
            PrepareDrawingPage(c);
            c.SetBrushColor(DrawingFill);
            DrawDrawingTitle(c, QString::fromStdString(CatalogueRow(n).DisplayName()));
        });
        EXPECT_TRUE(Contains(mm, title)) << "model " << n;
        // The dimension and note pieces leave a yellow brush for the title.
        EXPECT_EQ(QColor(mm.pixel(500, 430)), colors::Yellow) << "model " << n;
    }
}

// Models that share a drawing differ only where their tables say so.
TEST_F(DimensionDrawingsTest, SharedDrawingsDifferOnlyInTheirOwnRows) {
    const auto withoutTitle = [](QImage image) {
        for (int y = 425; y < 460; ++y)
            for (int x = 495; x < 616; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
        return image;
    };
    EXPECT_EQ(withoutTitle(ModelDrawing(6, 1)), withoutTitle(ModelDrawing(7, 1)));
    EXPECT_NE(withoutTitle(ModelDrawing(5, 1)), withoutTitle(ModelDrawing(6, 1)));
    EXPECT_NE(withoutTitle(ModelDrawing(10, 1)), withoutTitle(ModelDrawing(11, 1)));
    EXPECT_EQ(withoutTitle(ModelDrawing(13, 1)), withoutTitle(ModelDrawing(14, 1)));
    EXPECT_NE(withoutTitle(ModelDrawing(12, 1)), withoutTitle(ModelDrawing(13, 1)));
}

// An option without a drawing of its own shows the model's drawing under the
// model's name, never the option's part number.
TEST_F(DimensionDrawingsTest, OptionWithoutDrawingRedrawsTheModel) {
    for (int index : {0, 2, 3, 4, 5, 7, 11, 13, 21, 23, 24, 25, 26, 27, 41, 43, 44, 45, 46}) {
        EXPECT_EQ(OptionDrawing(4, index, QStringLiteral("61310"), false, DisplayDrawingInches),
                  ModelDrawing(4, DisplayDrawingInches))
            << "option " << index;
    }
}

TEST_F(DimensionDrawingsTest, UnknownOptionSaysSorryUnderTheOptionTitle) {
    const QImage expected = Picture([](Canvas& c) {
        PrepareDrawingPage(c);
        DrawNotWrittenMessage(c, 50, 150);
        DrawDrawingTitle(c, QStringLiteral("61399"));
    });
    for (int index : {33, 8, -1, 50}) EXPECT_EQ(OptionDrawing(8, index, "61399", true), expected) << index;
    EXPECT_EQ(QColor(expected.pixel(500, 430)), colors::White);
}

// The two dimensioned options take their unit from the graph window's
// mm/inch choice, not from the display mode.
TEST_F(DimensionDrawingsTest, DimensionedOptionsUseTheirOwnUnit) {
    for (int index : {6, 14}) {
        const QImage mm = OptionDrawing(1, index, "61301", true, DisplayDrawingInches);
        EXPECT_EQ(mm, OptionDrawing(1, index, "61301", true, DisplayDrawingMm)) << index;
        EXPECT_NE(mm, OptionDrawing(1, index, "61301", false, DisplayDrawingMm)) << index;
        EXPECT_EQ(QColor(mm.pixel(500, 430)), colors::Yellow) << index;
    }
}

TEST_F(DimensionDrawingsTest, PicturePagesStandOnWhite) {
    for (int index : {1, 10, 20, 12, 22, 42, 30, 31, 32, 35, 40, 47, 48, 49}) {
        const QImage page = OptionDrawing(8, index, "  -QP1", true);
        EXPECT_EQ(QColor(page.pixel(500, 430)), colors::White) << index;
        EXPECT_EQ(QColor(page.pixel(0, 0)), colors::Black) << index;
    }
    EXPECT_EQ(OptionDrawing(1, 1, "-C", true), OptionDrawing(8, 20, "-C", false));
}

// Every stored picture is the project's own drawing at exactly the size the
// dimension tables were laid out for.
TEST(DrawingPicturesTest, EveryPictureIsDrawnAtItsSize) {
    for (int i = 0; i < DrgImageCount; ++i) {
        const auto which = static_cast<DrgImage>(i);
        const QString name = DrawingPictures::ArtworkName(which);
        ASSERT_TRUE(HasArtwork(name)) << name.toStdString();
        QSvgRenderer svg(QStringLiteral(":/art/%1.svg").arg(name));
        EXPECT_EQ(svg.defaultSize(), DrawingPictures::PictureSize(which)) << name.toStdString();
        const QImage picture = DrawingPictures::Picture(which);
        EXPECT_EQ(picture.size(), DrawingPictures::PictureSize(which)) << name.toStdString();
        EXPECT_EQ(picture.pixelColor(picture.width() - 1, 0).alpha(), 255) << name.toStdString();
    }
}

}  // namespace
}  // namespace zorvik
