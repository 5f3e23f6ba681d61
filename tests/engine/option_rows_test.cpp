#include <gtest/gtest.h>

#include "option_rows.h"

namespace zorvik {
namespace {

TEST(OptionRowsTest, RowsSplitIntoPartDescriptionAndIndex) {
    const struct {
        std::string_view row;
        const char* part;
        const char* description;
        int index;
        // clang-format off
    } cases[] = {
        {"       -C\tAir Controls\t1", "       -C", "Air Controls", 1},
        {"61304-1\t200 psig Downstream Regulator\t32", "61304-1", "200 psig Downstream Regulator", 32},
        {"61301\tReceiver & Controls\tsix", "61301", "Receiver & Controls", 0},  // not a number: no drawing
        {"61301\tReceiver & Controls\t", "61301", "Receiver & Controls", 0},
        {"61301\tReceiver & Controls", "61301", "Receiver & Controls", 0},
        {"61301", "61301", "", 0},
        {"", "", "", 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const OptionRowFields f = SplitOptionRow(c.row);
        EXPECT_EQ(f.partNumber, c.part) << c.row;
        EXPECT_EQ(f.description, c.description) << c.row;
        EXPECT_EQ(f.index, c.index) << c.row;
    }
}

// Every index of every model's rows either has a drawing or is one of the
// listed options that only redraw; only the two receivers carry mm/inch.
TEST(OptionRowsTest, IndexesWithoutADrawing) {
    const int withoutDrawing[] = {0, 2, 3, 4, 5, 7, 11, 13, 21, 23, 24, 25, 26, 27, 41, 43, 44, 45, 46};
    for (int index = 0; index <= 50; ++index) {
        const bool listed =
            std::find(std::begin(withoutDrawing), std::end(withoutDrawing), index) != std::end(withoutDrawing);
        EXPECT_EQ(OptionHasDrawing(index), !listed) << index;
        EXPECT_EQ(OptionHasDimensionUnits(index), index == 6 || index == 14) << index;
    }
    EXPECT_TRUE(OptionRows(0).empty());
    EXPECT_TRUE(OptionRows(16).empty());
}

}  // namespace
}  // namespace zorvik
