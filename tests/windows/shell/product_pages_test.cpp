#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "canvas.h"
#include "product_pages.h"

namespace zorvik {
namespace {

const QColor kBand(32, 84, 141);

std::string Blanks(int n) { return std::string(n, ' '); }

TEST(ProductPagesTest, HeadingsKeepTheirBlanks) {
    const std::string expected[] = {
        Blanks(6) + "CRB19" + Blanks(3) + "Air Pressure Amplifier Range" + Blanks(31),
        Blanks(6) + "RB" + Blanks(3) + "Air Pressure Amplifier Range" + Blanks(33),
        Blanks(6) + "RBW" + Blanks(2) + "Air Pressure Amplifier Range" + Blanks(32),
        Blanks(6) + "RBZ" + Blanks(3) + "Air Pressure Amplifier Range" + Blanks(31),
        Blanks(6) + "8RBW" + Blanks(2) + "Air Pressure Amplifier" + Blanks(36),
        "",
    };
    for (int n = 0; n < ProductPageCount; ++n) EXPECT_EQ(ProductPages[n].Heading, expected[n]) << n;
}

TEST(ProductPagesTest, PicturesAndTheirPlaces) {
    struct Place {
        TzampImagesForm::PictureName picture;
        int x, y;
    };
    // clang-format off
    const Place places[] = {
        {TzampImagesForm::CRBSingleStageImage, 100, 0},   {TzampImagesForm::RBSingleActingImage, 90, 0},
        {TzampImagesForm::RbwDoubleActingImage, 70, 0},   {TzampImagesForm::RbzTwoStageImage, 40, 0},
        {TzampImagesForm::EightRbwDoubleActingImage, 50, 50}, {TzampImagesForm::highPressureGaugesImage, 40, 70},
    };
    // clang-format on
    for (int n = 0; n < ProductPageCount; ++n) {
        EXPECT_EQ(ProductPages[n].Picture, places[n].picture) << n;
        EXPECT_EQ(ProductPages[n].PictureX, places[n].x) << n;
        EXPECT_EQ(ProductPages[n].PictureY, places[n].y) << n;
    }
}

TEST(ProductPagesTest, LinesThatAreEasyToGetWrong) {
    EXPECT_STREQ(ProductPages[3].Lines[3], "Xcompression ratio per stage is low.");
    EXPECT_STREQ(ProductPages[4].Lines[1], "X203 mm (8\") drive");
    EXPECT_STREQ(ProductPages[0].Lines[5], "    area ratio x drive pressure.");
    EXPECT_STREQ(ProductPages[2].Lines[0], "XDouble Acting   Single Stage   3 Sizes");
    for (int i = 0; i < ProductPageLines; ++i) {
        const bool gaugeLine = i == 6 || i == 7;
        EXPECT_EQ(std::string(ProductPages[5].Lines[i]).empty(), !gaugeLine) << i;
    }
    EXPECT_STREQ(ProductPages[5].Lines[6], "XZorvik can provide high pressure gauges");
    EXPECT_STREQ(ProductPages[5].Lines[7], "to suit your application.");
}

class ProductPageDrawingTest : public ::testing::Test {
protected:
    QImage Draw(int n) {
        QImage image(361, 485, QImage::Format_RGB32);
        image.fill(Qt::black);
        Canvas canvas(image);
        DrawProductPage(canvas, ProductPages[n]);
        return image;
    }
    int LineHeight() {
        QImage scratch(10, 10, QImage::Format_RGB32);
        Canvas canvas(scratch);
        canvas.SetFont(QStringLiteral("arial"), 12);
        return static_cast<int>(canvas.TextHeight(QStringLiteral("W")) * 1.25);
    }
    static bool AllWhite(const QImage& image, const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (QColor(image.pixel(x, y)) != Qt::white) return false;
        return true;
    }
};

TEST_F(ProductPageDrawingTest, HeadingBandRunsAcrossTheWholeWidth) {
    for (int n = 0; n < 5; ++n) {
        const QImage page = Draw(n);
        EXPECT_EQ(QColor(page.pixel(2, 244)), kBand) << n;
        EXPECT_EQ(QColor(page.pixel(355, 244)), kBand) << n;
        EXPECT_EQ(QColor(page.pixel(355, 238)), Qt::white) << n;
    }
    EXPECT_EQ(QColor(Draw(5).pixel(355, 244)), Qt::white);
}

TEST_F(ProductPageDrawingTest, BulletsOnlyWhereALineStartsWithX) {
    const int h = LineHeight();
    for (int n = 0; n < ProductPageCount; ++n) {
        const QImage page = Draw(n);
        for (int i = 0; i < ProductPageLines; ++i) {
            const QRect bulletArea(0, 265 + i * h, 20, 18);
            const bool bullet = ProductPages[n].Lines[i][0] == 'X';
            EXPECT_EQ(!AllWhite(page, bulletArea), bullet) << "page " << n << " line " << i + 1;
        }
    }
}

// The marker itself is never shown: the drawn line is the text after it.
TEST_F(ProductPageDrawingTest, MarkerIsNotPartOfTheText) {
    const int h = LineHeight();
    const QImage page = Draw(3);
    QImage expected(361, 485, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        Canvas canvas(expected);
        canvas.SetFont(QStringLiteral("arial"), 12);
        canvas.SetFontColor(colors::Navy);
        canvas.TextOut(25, 265 + 3 * h, QStringLiteral("compression ratio per stage is low."));
    }
    const QRect line(25, 265 + 3 * h, 336, h - 2);
    EXPECT_EQ(page.copy(line), expected.copy(line));
}

TEST_F(ProductPageDrawingTest, GaugePageHasOnlyItsTwoLines) {
    const int h = LineHeight();
    const QImage page = Draw(5);
    EXPECT_TRUE(AllWhite(page, QRect(0, 345, 361, 265 + 6 * h - 345)));
    EXPECT_FALSE(AllWhite(page, QRect(25, 265 + 6 * h, 336, 2 * h)));
    EXPECT_TRUE(AllWhite(page, QRect(0, 265 + 8 * h, 361, 485 - 265 - 8 * h)));
}

}  // namespace
}  // namespace zorvik
