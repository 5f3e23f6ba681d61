// A session starts as the program does, and two sessions never see each
// other: what one window does to its own leaves another's runs as they
// would be alone.

#include <gtest/gtest.h>

#include <vector>

#include "continuous_process.h"
#include "model_hand_off.h"
#include "session.h"
#include "units.h"
#include "vessel_charging.h"
#include "selection_fixture.h"

namespace zorvik::testing {
namespace {

TEST(SessionTest, StartsOnModelOneWithChartDriveOf90AndTheSecondOffice) {
    const Session session;
    EXPECT_EQ(session.CurrentPump.PumpNo, 1);
    EXPECT_EQ(session.PumpIndex, 1);
    EXPECT_DOUBLE_EQ(session.GraphAirDrivePsi, 90.0);
    EXPECT_DOUBLE_EQ(session.GraphInletScale, 1.0);
    EXPECT_EQ(session.ApplicationType, ApplicationFlow);
    EXPECT_FALSE(session.MetricUnits);
    EXPECT_EQ(session.DisplayMode, DisplayNothing);
    EXPECT_EQ(session.OfficeIndex, 1);
    EXPECT_EQ(&session.Office(), &session.Offices[1]);
    EXPECT_FALSE(session.Office().Field[0].empty());
}

TEST(SessionTest, SelectPumpOutsideTheRangeKeepsTheCurrentModel) {
    Session session;
    session.SelectPump(6);
    for (int n : {0, 16, -1, 1000}) {
        session.SelectPump(n);
        EXPECT_EQ(session.CurrentPump.PumpNo, 6) << n;
    }
}

// Window A lists a continuous process in imperial units on little drive
// air; window B charges a vessel in metric units, air ignored, with another
// office and another model on its graph.
void ListAFlowOnLittleAir(FakeSelectionWindow& a) { a.air.SetText("40"); }

void ChargeAVesselInMetric(FakeSelectionWindow& b) {
    b.session.ApplicationType = ApplicationFillCylinder;
    b.session.MetricUnits = true;
    b.session.OfficeIndex = 4;
    b.controls.disableAirQtyLimitChecked = true;
    b.drive.SetText("6.9");
    b.air.SetText("1000");
    b.inlet.SetText("6.9");
    b.start.SetText("6.9");
    b.final.SetText("68.9");
    b.capacity.SetText("28.3");
}

void ExpectSameRows(const SelectionResult& got, const SelectionResult& alone) {
    EXPECT_EQ(got.metric, alone.metric);
    EXPECT_EQ(got.applicationType, alone.applicationType);
    ASSERT_EQ(got.rows.size(), alone.rows.size());
    for (std::size_t i = 0; i < got.rows.size(); ++i) {
        const SelectionRow& g = got.rows[i];
        const SelectionRow& a = alone.rows[i];
        EXPECT_EQ(g.text, a.text);
        EXPECT_EQ(g.flow.delivered.flowScfm, a.flow.delivered.flowScfm) << g.pumpNo;
        EXPECT_EQ(g.flow.delivered.airLimited, a.flow.delivered.airLimited) << g.pumpNo;
        EXPECT_EQ(g.charge.flowScfm, a.charge.flowScfm) << g.pumpNo;
        EXPECT_EQ(g.charge.minutes, a.charge.minutes) << g.pumpNo;
    }
}

TEST(SessionTest, TwoSessionsRunSideBySideNeverSeeEachOther) {
    FakeSelectionWindow aloneA;
    ListAFlowOnLittleAir(aloneA);
    const SelectionResult flowAlone = ContinuousProcessSelection(aloneA.session, aloneA.controls);
    FakeSelectionWindow aloneB;
    ChargeAVesselInMetric(aloneB);
    const SelectionResult chargeAlone = VesselChargingSelection(aloneB.session, aloneB.controls);
    ASSERT_FALSE(flowAlone.rows.empty());
    ASSERT_FALSE(chargeAlone.rows.empty());

    FakeSelectionWindow a;
    FakeSelectionWindow b;
    ListAFlowOnLittleAir(a);
    ChargeAVesselInMetric(b);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ExpectSameRows(ContinuousProcessSelection(a.session, a.controls), flowAlone);
        PrepareModelView(b.session, 7, ModelView::Graph);
        b.session.GraphAirDrivePsi = 120;
        ExpectSameRows(VesselChargingSelection(b.session, b.controls), chargeAlone);
        PrepareModelView(a.session, 3, ModelView::Drawing);
    }

    EXPECT_EQ(a.session.ApplicationType, ApplicationFlow);
    EXPECT_FALSE(a.session.MetricUnits);
    EXPECT_FALSE(a.session.IgnoreAirAvailable);
    EXPECT_EQ(a.session.AirDrivePsi, 100);
    EXPECT_EQ(a.session.GraphAirDrivePsi, DefaultGraphAirDrivePsi);
    EXPECT_EQ(a.session.DisplayMode, DisplayDrawingMm);  // the drawing shown twice
    EXPECT_EQ(&a.session.Office(), &a.session.Offices[1]);

    EXPECT_EQ(b.session.ApplicationType, ApplicationFillCylinder);
    EXPECT_TRUE(b.session.IgnoreAirAvailable);
    EXPECT_DOUBLE_EQ(b.session.AirDrivePsi, 6.9 * units::PsiPerBar);
    EXPECT_EQ(b.session.DisplayMode, DisplayChartBar);  // its graph in its own units
    EXPECT_EQ(&b.session.Office(), &b.session.Offices[4]);
}

}  // namespace
}  // namespace zorvik::testing
