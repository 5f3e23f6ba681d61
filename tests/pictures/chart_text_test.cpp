#include <gtest/gtest.h>

#include <QLocale>

#include "chart_text.h"

namespace zorvik {
namespace {

class ChartTextTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_F(ChartTextTest, EachLabelInItsOwnFormat) {
    const struct {
        QString text, expected;
        // clang-format off
    } cases[] = {
        {DrivePressureCaption(90, false), "Air drive pressure  90 Psig"},
        {DrivePressureCaption(90, true), "Air drive pressure  6.2 barg"},    // 90 / 14.5
        {DrivePressureCaption(125, true), "Air drive pressure  8.6 barg"},
        {InletLabelText(87.02262, false), "87"},
        {InletLabelText(100, true), "6.9"},
        {InletLabelText(1449, true), "99.9"},
        {InletLabelText(1450, true), "100"},                               // whole bar from 1450 psig
        {InletLabelText(2000, true), "138"},
        {LineLabelText(15, false), "15.0"},
        {LineLabelText(15, true), "0.42"},                                 // 15 x 28.317 / 1000
        {LineLabelText(175, true), "4.96"},
        {AirUseTagText(2, false), "20"},
        {AirUseTagText(2, true), "0.50"},                                  // 0.49999893
        {AirUseTagText(24, true), "6.00"},
        {ChartWholeNumber(2200), "2200"},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST_F(ChartTextTest, DecimalsUseTheSystemSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(AirUseTagText(2, true), "0,50");
    EXPECT_EQ(DrivePressureCaption(90, true), "Air drive pressure  6,2 barg");
    EXPECT_EQ(ChartWholeNumber(2200), "2200");
}

}  // namespace
}  // namespace zorvik
