#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "number_text.h"

namespace zorvik {
namespace {

TEST(ParseNumberTest, AcceptsDecimalNumbersOnly) {
    const struct {
        const char* text;
        double value;
    } good[] = {{"12.5", 12.5},
                {"1.5e2", 150},
                {"+5", 5},
                {"-3", -3},
                {"0", 0},
                {"5.", 5},
                {".5", 0.5},
                {"1E-3", 0.001},
                {"007", 7},
                {"1e+2", 100},
                {"-0", 0},
                {"1e-999", 0},
                {"0e99999", 0},
                {"1.7e308", 1.7e308},
                {"123456789012345678901234567890", 1.2345678901234568e29}};
    for (const auto& c : good) {
        const auto v = ParseNumber(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
    for (const char* bad :
         {"",    " 1",    "1 ",     "1,5", "1.5.2", "0x10", "inf", "nan", "INF", "1e",       "--1",
          "+-1", "1e999", "-1e999", ".",   "e5",    "+",    "1e+", "12a", "1\t", "\xc2\xbd", "1e99999999999999999"}) {
        EXPECT_FALSE(ParseNumber(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(ParseNumberTest, LongTextsAreReadWithoutTrouble) {
    EXPECT_DOUBLE_EQ(*ParseNumber(std::string(10000, '0') + "1"), 1);
    EXPECT_FALSE(ParseNumber(std::string(10000, '9')).has_value());
    EXPECT_DOUBLE_EQ(*ParseNumber("0." + std::string(10000, '0') + "1"), 0);
}

// A duty figure is a number from 0 to a billion; a temperature may be
// negative, as far from zero.
TEST(ParseNumberTest, FieldsTakeNumbersWithinTheirRange) {
    // clang-format off
    const struct { const char* text; std::optional<double> duty, temperature; } cases[] = {
        {"0",             0,            0},
        {"-0",            std::nullopt, 0},
        {"-40",           std::nullopt, -40},
        {"1e9",           1e9,          1e9},
        {"1000000000.5",  std::nullopt, std::nullopt},
        {"-1e9",          std::nullopt, -1e9},
        {"1e308",         std::nullopt, std::nullopt},
        {"x",             std::nullopt, std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDutyNumber(c.text), c.duty) << c.text;
        EXPECT_EQ(ParseTemperatureNumber(c.text), c.temperature) << c.text;
    }
}

TEST(ParseWholeNumberTest, SignedThirtyTwoBitNumbers) {
    EXPECT_EQ(ParseWholeNumber("42"), 42);
    EXPECT_EQ(ParseWholeNumber("+3"), 3);
    EXPECT_EQ(ParseWholeNumber("-1"), -1);
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    for (const char* bad : {"", "+", "+-1", "1.0", "2147483648", "1099511627776", " 1", "x"})
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
}

TEST(TrimTest, OnlyBlanksAreTrimmed) {
    std::string text = "  12\t  ";
    TrimTrailingBlanks(text);
    EXPECT_EQ(text, "  12\t");
    TrimLeadingBlanks(text);
    EXPECT_EQ(text, "12\t");
    std::string blanks = "    ";
    TrimTrailingBlanks(blanks);
    EXPECT_EQ(blanks, "");
}

}  // namespace
}  // namespace zorvik
