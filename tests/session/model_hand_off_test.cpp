#include <gtest/gtest.h>

#include "shared_state.h"
#include "continuous_process.h"
#include "model_hand_off.h"
#include "vessel_charging.h"
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
        Shared.DisplayMode = c.before;
        Shared.GraphInletScale = 0.75;
        PrepareModelView(model, c.view);
        EXPECT_EQ(Shared.DisplayMode, c.after);
        EXPECT_EQ(Shared.PumpIndex, model);
        EXPECT_EQ(Shared.CurrentPump.PumpNo, model);
        EXPECT_EQ(Shared.GraphInletScale, 1.0);
    }
}

// Little drive air: the small models stay within it, RB-8 and RBW-5 are cut
// back. The graph's point is each listed row's, to the last bit, whatever
// model the search evaluated last.
TEST_F(ModelHandOffTest, GraphPointIsTheListedRows) {
    air.SetText("40");
    for (bool ignoreAir : {false, true}) {
        SCOPED_TRACE(ignoreAir ? "air ignored" : "air limited");
        controls.disableAirQtyLimitChecked = ignoreAir;
        const SelectionResult result = ContinuousProcessSelection(controls);
        ASSERT_GE(result.rows.size(), 5u);
        int limited = 0;
        for (const SelectionRow& row : result.rows) {
            SCOPED_TRACE(row.pumpNo);
            PrepareModelView(row.pumpNo, ModelView::Graph);
            EXPECT_EQ(Shared.FlowScfm, row.flowOrTime);
            EXPECT_EQ(Shared.AirUseScfm, row.air);
            EXPECT_EQ(Shared.AirLimited, Shared.AirUseScfm < 40 && row.pumpNo > 4);
            limited += Shared.AirLimited;
        }
        EXPECT_EQ(limited, ignoreAir ? 0 : 2);
    }
}

// Vessel charging: the graph's point is the start of the charge, the first
// of the model's recorded charging flows, cut back to the air available
// unless the search ignored it.
TEST_F(ModelHandOffTest, GraphPointOfAChargeIsItsStart) {
    Shared.ApplicationType = ApplicationFillCylinder;
    air.SetText("40");
    for (bool ignoreAir : {false, true}) {
        SCOPED_TRACE(ignoreAir ? "air ignored" : "air limited");
        controls.disableAirQtyLimitChecked = ignoreAir;
        const SelectionResult result = VesselChargingSelection(controls);
        ASSERT_FALSE(result.rows.empty());
        for (const SelectionRow& row : result.rows) {
            SCOPED_TRACE(row.pumpNo);
            PrepareModelView(row.pumpNo, ModelView::Graph);
            EXPECT_EQ(Shared.FlowScfm, Shared.ChargeFlowTable[row.pumpNo - 1][0]);
            EXPECT_EQ(Shared.AirLimited, !ignoreAir);
        }
    }
}

}  // namespace
}  // namespace zorvik
