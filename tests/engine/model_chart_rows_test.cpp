#include <gtest/gtest.h>

#include "model_chart_rows.h"

namespace zorvik {
namespace {

TEST(ModelChartRowsTest, MetricFiguresOfTheFixedRows) {
    struct Case {
        int row;  // 0-based
        ChartFields metric;
    };
    const Case cases[] = {
        {0, {"CRB19 -2.5", "2.5:1", "8.6", "22.1", "2.5 Pa", "0.039", "8.6", "73"}},
        {3, {"4RBW -2", "2:1", "17.2", "17.2", "Pa+Ps", "1.024", "8.6", "102"}},
        {8, {"RBW -5", "5:1 (*4:1)", "86.2", "86.2", "4 Pa+Ps", "0.316", "10.3", "146"}},
        {13, {"RBZ -30/50", "30/50:1", "206.9", "344.8", "50 Pa+1.6Ps", "0.051", "10.3", "146"}},
        {14, {"8RBW -2", "2:1", "20.7", "20.7", "Pa+Ps", "6.555", "9.0", "203"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ChartRowFields(ChartRows[c.row], true), c.metric) << c.row + 1;
}

TEST(ModelChartRowsTest, ImperialFieldsAreTheRowAsItStands) {
    const std::optional<ChartFields> fields = ChartRowFields(ChartRows[11], false);
    ASSERT_TRUE(fields);
    EXPECT_EQ(*fields, (ChartFields{"RBZ -7/30", "7/30:1", "300", "4500", "30 Pa+4 Ps", "13.2", "150", "5.75"}));
}

TEST(ModelChartRowsTest, FieldsStatingTheirOwnUnitStayAsTheyAre) {
    const std::optional<ChartFields> fields = ChartRowFields("X,1:1,150a,290,Pa,1,150m,1", true);
    ASSERT_TRUE(fields);
    EXPECT_EQ((*fields)[2], "150a");
    EXPECT_EQ((*fields)[3], "20.0");
    EXPECT_EQ((*fields)[6], "150m");
    // The suffixes are only honoured where the chart expects them.
    EXPECT_FALSE(ChartRowFields("X,1:1,150,290a,Pa,1,150,1", true));
}

TEST(ModelChartRowsTest, MalformedRowsAreReported) {
    // clang-format off
    const char* malformed[] = {
        "RB -8,8:1,1250,2500,7 Pa+Ps,13.2,150",         // seven fields
        "",                                             // none
        "RB -8,8:1,1250,2500,7 Pa+Ps,13.2,150,5.75in",  // drive size not a number
        "RB -8,8:1,1250,,7 Pa+Ps,13.2,150,5.75",        // empty max outlet
    };
    // clang-format on
    for (const char* row : malformed) EXPECT_FALSE(ChartRowFields(row, true)) << '"' << row << '"';
    // Short rows are short in either unit system; figures only matter in metric.
    EXPECT_FALSE(ChartRowFields(malformed[0], false));
    EXPECT_TRUE(ChartRowFields(malformed[2], false));
}

TEST(ModelChartRowsTest, MetricFiguresUseTheGivenDecimalSeparator) {
    const std::optional<ChartFields> fields = ChartRowFields(ChartRows[0], true, ',');
    ASSERT_TRUE(fields);
    EXPECT_EQ((*fields)[2], "8,6");
    EXPECT_EQ((*fields)[5], "0,039");
}

}  // namespace
}  // namespace zorvik
