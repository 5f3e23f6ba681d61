#include <gtest/gtest.h>

#include "model_hand_off.h"
#include "selection_fixture.h"

namespace zorvik {
namespace {

using ModelHandOffTest = testing::SelectionTest;

TEST_F(ModelHandOffTest, DisplayModeByView) {
    struct Case {
        ModelView view;
        std::uint8_t before;
        std::uint8_t after;
    };
    const Case cases[] = {
        {ModelView::Drawing, DisplayNothing, DisplayDrawingInches},
        {ModelView::Drawing, DisplayDrawingInches, DisplayDrawingMm},
        {ModelView::Drawing, DisplayDrawingMm, DisplayDrawingInches},
        {ModelView::Drawing, DisplayChartPsi, DisplayDrawingInches},
        {ModelView::Drawing, DisplayChartBar, DisplayDrawingInches},
        {ModelView::Graph, DisplayNothing, DisplayChartPsi},
        {ModelView::Graph, DisplayDrawingMm, DisplayChartPsi},
        {ModelView::Graph, DisplayChartBar, DisplayChartPsi},
    };
    int model = 0;
    for (const Case& c : cases) {
        model = model % PumpCount + 1;
        SCOPED_TRACE(::testing::Message() << "mode " << int(c.before) << ", model " << model);
        session.DisplayMode = c.before;
        session.GraphInletScale = 0.75;
        PrepareModelView(session, model, c.view);
        EXPECT_EQ(session.DisplayMode, c.after);
        EXPECT_EQ(session.PumpIndex, model);
        EXPECT_EQ(session.CurrentPump.PumpNo, model);
        EXPECT_EQ(session.GraphInletScale, 1.0);
    }
}

}  // namespace
}  // namespace zorvik
