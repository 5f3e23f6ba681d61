#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>
#include <functional>

#include "catalogue.h"
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

QImage ModelDrawing(int pumpNo, bool mm) {
    return Picture([&](Canvas& c) { DrawModelDrawing(c, pumpNo, mm); });
}

QImage Drawing(const DrawingView& view) {
    return Picture([&](Canvas& c) { DrawDrawing(c, view); });
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

TEST(DimensionDrawingsTest, DimensionsInTheUnitAsked) {
    const QImage mm = ModelDrawing(1, true);
    const QImage inches = ModelDrawing(1, false);
    EXPECT_NE(mm, inches);
    EXPECT_TRUE(Contains(mm, FirstDimensionOfModel1(true)));
    EXPECT_FALSE(Contains(mm, FirstDimensionOfModel1(false)));
    EXPECT_TRUE(Contains(inches, FirstDimensionOfModel1(false)));
    EXPECT_EQ(Drawing({1, true, 0, QStringLiteral("61301")}), mm);
}

TEST(DimensionDrawingsTest, EveryModelHasItsDrawingAndTitle) {
    for (int n = 1; n <= PumpCount; ++n) {
        const QImage mm = ModelDrawing(n, true);
        const QImage inches = ModelDrawing(n, false);
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
TEST(DimensionDrawingsTest, SharedDrawingsDifferOnlyInTheirOwnRows) {
    const auto withoutTitle = [](QImage image) {
        for (int y = 425; y < 460; ++y)
            for (int x = 495; x < 616; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
        return image;
    };
    const struct {
        int model, other;
        bool same;
    } pairs[] = {{6, 7, true}, {5, 6, false}, {10, 11, false}, {13, 14, true}, {12, 13, false}};
    for (const auto& p : pairs)
        EXPECT_EQ(withoutTitle(ModelDrawing(p.model, false)) == withoutTitle(ModelDrawing(p.other, false)), p.same)
            << "models " << p.model << " and " << p.other;
}

// An option without a drawing of its own shows the model's drawing under the
// model's name, never the option's part number.
TEST(DimensionDrawingsTest, OptionWithoutDrawingRedrawsTheModel) {
    for (int index : {0, 2, 3, 4, 5, 7, 11, 13, 21, 23, 24, 25, 26, 27, 41, 43, 44, 45, 46}) {
        for (bool mm : {false, true})
            EXPECT_EQ(Drawing({4, mm, index, QStringLiteral("61310")}), ModelDrawing(4, mm)) << "option " << index;
    }
}

TEST(DimensionDrawingsTest, UnknownOptionSaysSorryUnderTheOptionTitle) {
    const QImage expected = Picture([](Canvas& c) {
        PrepareDrawingPage(c);
        DrawNotWrittenMessage(c, 50, 150);
        DrawDrawingTitle(c, QStringLiteral("61399"));
    });
    for (int index : {33, 8, -1, 50}) EXPECT_EQ(Drawing({8, true, index, "61399"}), expected) << index;
    EXPECT_EQ(QColor(expected.pixel(500, 430)), colors::White);
}

// A model number outside the catalogue has no drawing and no name to title
// it with: the "not written" page, untitled.
TEST(DimensionDrawingsTest, ModelOutsideTheCatalogueSaysSorryUntitled) {
    const QImage expected = Picture([](Canvas& c) {
        PrepareDrawingPage(c);
        DrawNotWrittenMessage(c, 50, 150);
    });
    for (int model : {0, 16, -3}) {
        EXPECT_EQ(ModelDrawing(model, true), expected) << model;
        EXPECT_EQ(Drawing({model, false, 2, "61310"}), expected) << model;  // an option showing the model
    }
}

// The two dimensioned options are drawn in the unit asked, whatever the
// model; they are not the model's drawing.
TEST(DimensionDrawingsTest, DimensionedOptionsFollowTheUnit) {
    for (int index : {6, 14}) {
        const QImage mm = Drawing({1, true, index, "61301"});
        EXPECT_EQ(mm, Drawing({8, true, index, "61301"})) << index;
        EXPECT_NE(mm, Drawing({1, false, index, "61301"})) << index;
        EXPECT_NE(mm, ModelDrawing(1, true)) << index;
        EXPECT_EQ(QColor(mm.pixel(500, 430)), colors::Yellow) << index;
    }
}

// The other option drawings are pictures without dimensions: the same in
// either unit and for any model.
TEST(DimensionDrawingsTest, PicturePagesStandOnWhite) {
    for (int index : {1, 10, 20, 12, 22, 42, 30, 31, 32, 35, 40, 47, 48, 49}) {
        const QImage page = Drawing({8, true, index, "  -QP1"});
        EXPECT_EQ(QColor(page.pixel(500, 430)), colors::White) << index;
        EXPECT_EQ(QColor(page.pixel(0, 0)), colors::Black) << index;
        EXPECT_EQ(Drawing({3, false, index, "  -QP1"}), page) << index;
    }
    EXPECT_EQ(Drawing({1, true, 1, "-C"}), Drawing({8, false, 20, "-C"}));
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
