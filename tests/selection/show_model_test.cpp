#include <gtest/gtest.h>

#include <QPushButton>
#include <algorithm>
#include <functional>

#include "core/shared_state.h"
#include "selection/selection_row.h"
#include "selection_window_fixture.h"

namespace zorvik {
namespace {

using testing::NoticeKind;

const char kNoAmplifierToShow[] = "No air amplifier selected...";

class ShowModelTest : public testing::SelectionWindowTest {
protected:
    void Press(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
};

TEST_F(ShowModelTest, WarnsWithoutAModelRow) {
    const std::pair<const char*, std::function<void(ShowModelTest&)>> cases[] = {
        {"nothing selected", [](ShowModelTest&) {}},
        {"instruction row", [](ShowModelTest& t) { t.List()->SelectRow(3); }},
        {"No selections",
         [](ShowModelTest& t) {
             t.Retype("FlowrateReqdScfmEdit", "5000");
             t.ListSelections();
             t.List()->SelectRow(0);
         }},
    };
    int beeps = 0;
    for (const auto& [what, prepare] : cases) {
        for (const char* button : {"ShowDrawingBitBtn", "DrawGraphBitBtn"}) {
            SCOPED_TRACE(std::string(what) + ", " + button);
            Reopen();
            prepare(*this);
            notices.Expect(NoticeKind::Warning, kNoAmplifierToShow);
            Press(button);
            EXPECT_TRUE(notices.AllMet());
            EXPECT_EQ(notices.Beeps(), ++beeps);
            EXPECT_EQ(Shared.DisplayMode, DisplayNothing);
        }
    }
}

// The same row twice: first inches, then millimetres.
TEST_F(ShowModelTest, DrawingAlternatesInchesAndMillimetres) {
    ListSelections();
    List()->SelectRow(1);
    const int model = *ModelNumberOfRow(List()->RowText(1).toStdString());
    for (std::uint8_t mode : {DisplayDrawingInches, DisplayDrawingMm, DisplayDrawingInches}) {
        Press("ShowDrawingBitBtn");
        EXPECT_EQ(Shared.DisplayMode, mode);
        EXPECT_EQ(Shared.PumpIndex, model);
        EXPECT_EQ(Shared.CurrentPump.PumpNo, model);
    }
}

// Little drive air: CRB19-2.5 stays within it, RB-8 is cut back. After
// "Show &Graph" the shared operating point gives the figures the row shows.
TEST_F(ShowModelTest, GraphTakesTheListedFigures) {
    Retype("qAirScfmEdit", "40");
    ListSelections();
    const std::pair<const char*, bool> models[] = {{"CRB19-2.5", false}, {"RB-8", true}};
    for (const auto& [name, limited] : models) {
        SCOPED_TRACE(name);
        const QStringList rows = List()->Rows();
        const auto row = std::find_if(rows.begin(), rows.end(), [name = name](const QString& r) {
            return r.split(QLatin1Char('\t')).value(1).trimmed() == QString::fromLatin1(name);
        });
        ASSERT_NE(row, rows.end());
        List()->SelectRow(static_cast<int>(row - rows.begin()));
        Shared.GraphInletScale = 0.5;
        Press("DrawGraphBitBtn");

        EXPECT_EQ(Shared.DisplayMode, DisplayChartPsi);
        EXPECT_EQ(Shared.GraphInletScale, 1.0);
        EXPECT_EQ(Shared.AirLimited, limited);
        const SelectionCells shown = FormatSelectionCells(
            Shared.SpeedFraction * Shared.CurrentPump.MaxCyclesPerMin, Shared.AirUseScfm, Shared.FlowScfm, '.');
        const QStringList cells = row->split(QLatin1Char('\t'));
        EXPECT_EQ(cells[2].trimmed().toStdString(), shown.timeOrFlow);
        EXPECT_EQ(cells[3].trimmed().toStdString(), shown.air);
        EXPECT_EQ(cells[4].trimmed().toStdString(), shown.cycles);
    }
}

}  // namespace
}  // namespace zorvik
