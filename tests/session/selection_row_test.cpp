#include <gtest/gtest.h>

#include <string>

#include "session.h"
#include "selection_row.h"
#include "selection_fixture.h"

namespace zorvik {
namespace {

using testing::TenPixelsACharacter;

// The number of decimals follows the imperial value, also when the metric
// value is printed: 9.999 scfm is 283.14 nl/min but keeps the "below 10"
// decimal.
TEST(SelectionRowTest, CellDecimalsFollowTheImperialThresholds) {
    const struct {
        std::uint8_t type;
        bool metric;
        double cycles, air, flowOrTime;
        const char *timeOrFlow, *airText, *cyclesText, *totalAir;
    } cases[] = {
        {ApplicationFlow, false, 292.92, 10.58, 9.999, "10.00", "10.6", "293", ""},
        {ApplicationFlow, false, 118.1, 19.99, 10, "10.0", "20.0", "118", ""},
        {ApplicationFlow, false, 93.4, 20, 16.917, "16.9", "20", "93", ""},
        {ApplicationFlow, true, 292.92, 19.99, 9.999, "283.1", "0.57", "293", ""},
        {ApplicationFlow, true, 118.1, 20, 10, "283", "0.6", "118", ""},
        {ApplicationFillCylinder, false, 101.7, 1914.4, 28.2, "28", "68", "102", "1914"},
        {ApplicationFillCylinder, false, 80, 600, 9.96, "10.0", "60", "80", "600"},
        {ApplicationFillCylinder, true, 101.7, 1914.4, 28.2, "28", "1.9", "102", "54.2"},
    };
    for (const auto& c : cases) {
        const SelectionCells cells = FormatSelectionCells(c.cycles, c.air, c.flowOrTime, {c.type, c.metric, '.'});
        EXPECT_EQ(cells.timeOrFlow, c.timeOrFlow) << c.flowOrTime;
        EXPECT_EQ(cells.air, c.airText) << c.air;
        EXPECT_EQ(cells.cycles, c.cyclesText) << c.cycles;
        EXPECT_EQ(cells.totalAir, c.totalAir) << c.air;
    }
}

TEST(SelectionRowTest, NumbersUseTheGivenDecimalSeparator) {
    const RowFormat comma{ApplicationFlow, false, ','};
    EXPECT_EQ(FormatSelectionCells(93, 10.58, 2.9387, comma).timeOrFlow, "2,94");
    EXPECT_EQ(FormatSelectionCells(93, 10.58, 2.9387, comma).air, "10,6");
}

// Name between two tabs, blanks kept; each cell padded on the left to 50
// pixels (five characters at ten pixels each), tab included; the model
// number last, without a tab.
TEST(SelectionRowTest, RowIsPaddedCellsEndingInTheModelNumber) {
    const std::string row =
        FormatSelectionRow(6, "RB", "-15 ", 118.1, 75.5, 3.0627, {ApplicationFlow, false, '.'}, TenPixelsACharacter);
    EXPECT_EQ(row, "\tRB-15 \t3.06\t  76\t 118\t    \t    6");

    EXPECT_EQ(FormatSelectionRow(13, "RBZ", "-15/30", 90.4, 1924.2, 25.48, {ApplicationFillCylinder, false, '.'},
                                 TenPixelsACharacter),
              "\tRBZ-15/30\t  25\t  76\t  90\t1924\t   13");
}

TEST(SelectionRowTest, PaddingEndsEvenWhenTheMeasureNeverReachesFiftyPixels) {
    const std::string row = FormatSelectionRow(6, "RB", "-15 ", 118, 75, 3, {}, [](const std::string&) { return 0; });
    EXPECT_LT(row.size(), 400u);
    EXPECT_TRUE(row.starts_with("\tRB-15 \t")) << row;
    EXPECT_TRUE(row.ends_with(" 6")) << row;
}

}  // namespace
}  // namespace zorvik
