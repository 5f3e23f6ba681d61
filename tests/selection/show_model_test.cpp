#include <gtest/gtest.h>

#include <QPushButton>
#include <functional>

#include "core/shared_state.h"
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

}  // namespace
}  // namespace zorvik
