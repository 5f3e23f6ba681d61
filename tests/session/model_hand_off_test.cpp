#include <gtest/gtest.h>

#include "model_hand_off.h"
#include "selection_fixture.h"

namespace zorvik {
namespace {

using ModelHandOffTest = testing::SelectionTest;

TEST_F(ModelHandOffTest, DisplayModeByView) {
    struct Case {
        ModelView view;
        bool metric;  // the selection window's units
        std::uint8_t before;
        std::uint8_t after;
    };
    const Case cases[] = {
        {ModelView::Drawing, false, DisplayNothing, DisplayDrawingInches},
        {ModelView::Drawing, false, DisplayDrawingInches, DisplayDrawingMm},
        {ModelView::Drawing, true, DisplayDrawingMm, DisplayDrawingInches},
        {ModelView::Drawing, false, DisplayChartPsi, DisplayDrawingInches},
        {ModelView::Drawing, true, DisplayChartBar, DisplayDrawingInches},
        {ModelView::Graph, false, DisplayNothing, DisplayChartPsi},
        {ModelView::Graph, false, DisplayDrawingMm, DisplayChartPsi},
        {ModelView::Graph, false, DisplayChartBar, DisplayChartPsi},
        {ModelView::Graph, true, DisplayChartPsi, DisplayChartBar},
        {ModelView::Graph, true, DisplayDrawingInches, DisplayChartBar},
    };
    int model = 0;
    for (const Case& c : cases) {
        model = model % PumpCount + 1;
        SCOPED_TRACE(::testing::Message() << "mode " << int(c.before) << ", model " << model);
        session.DisplayMode = c.before;
        session.MetricUnits = c.metric;
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
