#include <gtest/gtest.h>

#include <QLocale>

#include "chart_text.h"
#include "language.h"

namespace zorvik {
namespace {

TEST(ChartTextTest, EachLabelInItsOwnFormat) {
    const struct {
        QString text, expected;
        // clang-format off
    } cases[] = {
        {DrivePressureCaption(90, false, nullptr), "Air drive pressure  90 Psig"},
        {DrivePressureCaption(90, true, nullptr), "Air drive pressure  6.2 barg"},    // 90 / 14.5
        {DrivePressureCaption(125, true, nullptr), "Air drive pressure  8.6 barg"},
        {InletLabelText(87.02262, false, nullptr), "87"},
        {InletLabelText(100, true, nullptr), "6.9"},
        {InletLabelText(1449, true, nullptr), "99.9"},
        {InletLabelText(1450, true, nullptr), "100"},                               // whole bar from 1450 psig
        {InletLabelText(2000, true, nullptr), "138"},
        {LineLabelText(15, false, nullptr), "15.0"},
        {LineLabelText(15, true, nullptr), "0.42"},                                 // 15 x 28.317 / 1000
        {LineLabelText(175, true, nullptr), "4.96"},
        {AirUseTagText(2, false, nullptr), "20"},
        {AirUseTagText(2, true, nullptr), "0.50"},                                  // 0.49999893
        {AirUseTagText(24, true, nullptr), "6.00"},
        {ChartWholeNumber(2200, nullptr), "2200"},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

// The reader's language gives the words and the separator; the desktop's
// follows the default locale, whatever the other reader wants.
TEST(ChartTextTest, DecimalsAndWordsAsTheReaderWritesThem) {
    const auto german = texts::Language::Load("de");
    ASSERT_NE(german, nullptr);
    EXPECT_EQ(AirUseTagText(2, true, german.get()), "0,50");
    EXPECT_EQ(DrivePressureCaption(90, true, german.get()), "Antriebsdruck  6,2 barg");
    EXPECT_EQ(ChartWholeNumber(2200, german.get()), "2200");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(AirUseTagText(2, true, texts::DesktopTranslator()), "0,50");
    EXPECT_EQ(AirUseTagText(2, true, nullptr), "0.50");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(AirUseTagText(2, true, texts::DesktopTranslator()), "0.50");
    QLocale::setDefault(QLocale::system());
}

}  // namespace
}  // namespace zorvik
