#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fixed_format.h"

namespace zorvik {
namespace {

TEST(FormatFixedTest, RoundsOnceAndPadsTheDecimals) {
    const struct {
        double value;
        int precision;
        int decimals;
        const char* text;
        // clang-format off
    } cases[] = {
        {9.999, 7, 2, "10.00"},      {9.999, 7, 1, "10.0"},        {1.3845, 7, 2, "1.38"},
        {0.125, 7, 2, "0.13"},       {2.5, 7, 0, "3"},             {-2.5, 7, 0, "-3"},
        {125 / 14.50377, 5, 1, "8.6"}, {100, 7, 1, "100.0"},       {0.0, 7, 2, "0.00"},
        {1234.5678, 5, 2, "1234.60"}, {0.004, 7, 2, "0.00"},       {0.005, 7, 2, "0.01"},
        {-0.001, 7, 1, "0.0"},       {99.96, 7, 1, "100.0"},       {145.0377, 10, 1, "145.0"},
        {1.2345, 4, 3, "1.234"},     {2831.6847, 10, 1, "2831.7"}, {0.0004, 7, 2, "0.00"},
        {40, 3, 0, "40"},            {6.2068966, 3, 1, "6.2"},     {0.49999893, 4, 2, "0.50"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals), c.text)
            << c.value << " p" << c.precision << " d" << c.decimals;
}

TEST(FormatFixedTest, TooManyIntegerDigitsGoScientific) {
    EXPECT_EQ(FormatFixed(12345678, 7, 0), "1.234568E7");
    EXPECT_EQ(FormatFixed(1e20, 7, 2), "1E20");
    EXPECT_EQ(FormatFixed(1450, 3, 0), "1.45E3");
    EXPECT_EQ(FormatFixed(999.6, 3, 0), "1E3");
    EXPECT_EQ(FormatFixed(-12345678, 7, 0), "-1.234568E7");
}

TEST(FormatFixedTest, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(FormatFixed(6.9, 10, 1, ','), "6,9");
    EXPECT_EQ(FormatFixed(12345678, 7, 0, ','), "1,234568E7");
}

TEST(FormatFixedTest, NonFiniteValuesHaveWords) {
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 7, 1), "NAN");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 7, 1), "-INF");
}

}  // namespace
}  // namespace zorvik
