#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

#include "tab_list_box.h"

namespace zorvik {
namespace {

TEST(TabListBoxTest, StopsAreHeldInDialogUnits) {
    TTabListBox list;
    std::vector<int> stops{6, 120, 212, 310, 380, 540, 620, 700};
    list.SetTabStops(stops, 3.55);
    EXPECT_EQ(list.TabStopDialogUnits()[1], 53);  // 120 x 3.55 / 8 = 53.25
    EXPECT_EQ(stops[1], 120);
    // Drawn back in pixels, each stop lands within three pixels of where
    // it was given, so rows line up under their headings.
    const std::vector<int> pixels = list.TabStopPixels();
    for (std::size_t i = 0; i < stops.size(); ++i) EXPECT_NEAR(pixels[i], stops[i], 3) << stops[i];

    list.SetTabStops({5, 79}, 3.55);
    EXPECT_EQ(list.TabStopDialogUnits(), (std::vector<int>{2, 35}));
}

TEST(TabListBoxTest, PiecesStartAtTheNextStop) {
    TTabListBox list;
    list.SetTabStops({5, 79}, 3.55);
    const std::vector<int> stops = list.TabStopPixels();
    const std::vector<int> starts = list.PieceStarts("\tRB\t-15 ");
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[0], 0);
    EXPECT_EQ(starts[1], stops[0]);
    EXPECT_EQ(starts[2], stops[1]);
    EXPECT_EQ(list.PieceStarts("No selections"), (std::vector<int>{0}));
}

TEST(TabListBoxTest, SelectedRow) {
    TTabListBox list;
    EXPECT_EQ(list.SelectedRow(), -1);
    list.AddRow("a");
    list.AddRow("b");
    list.SelectRow(1);
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(list.RowText(1), "b");
    list.SelectRow(-1);
    EXPECT_EQ(list.SelectedRow(), -1);
}

TEST(TabListBoxTest, RowsTakeTheStatedItemHeight) {
    TTabListBox list;
    list.resize(300, 200);
    list.AddRow("\tRB\t-15");
    list.AddRow("\tRBW\t-30");
    list.setItemHeight(18);
    list.show();
    EXPECT_EQ(list.visualItemRect(list.item(1)).top(), 18);
    EXPECT_EQ(list.visualItemRect(list.item(1)).height(), 18);
}

// Rows that carry a hidden cell past the last visible column scroll no
// further than the extent the list is given.
TEST(TabListBoxTest, HorizontalExtentStopsTheScrollBar) {
    TTabListBox list;
    list.resize(300, 200);
    list.SetTabStops({5, 160, 250}, 3.55);
    list.AddRow("\tRB -15\t   2.51\t             hidden past the right edge");
    list.show();
    QApplication::processEvents();
    EXPECT_GT(list.horizontalScrollBar()->maximum(), 0);

    list.setHorizontalExtent(250);
    QApplication::processEvents();
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
}

}  // namespace
}  // namespace zorvik
