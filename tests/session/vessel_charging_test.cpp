// Expected charge figures come from a separate throwaway computation of the
// same procedure, not from this code's output.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "charge_search.h"
#include "vessel_charging.h"
#include "selection_fixture.h"
#include "support/notice_recorder.h"

namespace zorvik {
namespace {

using testing::Models;
using testing::NoticeKind;
using testing::NoticeRecorder;
using testing::RowOf;

const char kQuestion[] =
    "Initial outlet pressure is lower than supply pressure!\requalise pressures before starting amplifier.";

class VesselChargingTest : public testing::SelectionTest {
protected:
    SelectionResult Run() { return VesselChargingSelection(session, controls); }
};

TEST(StepMinutesTest, TrapezoidStepAndTheEndlessStep) {
    EXPECT_DOUBLE_EQ(StepMinutes(3, 1, 2), 1);  // 2 scf at a mean 2 scfm
    EXPECT_DOUBLE_EQ(StepMinutes(0.3, 0.2, 1), 4);
    EXPECT_DOUBLE_EQ(StepMinutes(0, 0, 5), 1001);
}

// Answered OK, the vessel starts at the supply pressure and the inlet
// field's text, as typed, goes into the initial pressure field.
TEST_F(VesselChargingTest, StartBelowSupplyIsEqualisedOnOk) {
    start.SetText("50");
    inlet.SetText(" 100 ");
    NoticeRecorder notices;
    notices.Expect(NoticeKind::Question, kQuestion, true);
    const SelectionResult result = Run();
    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(start.Text(), " 100 ");
    EXPECT_EQ(session.OutStartPsi, 100);
    EXPECT_EQ(result.chargeDuty.startPsi, 100);  // a comparison of the list starts there too
    EXPECT_EQ(Models(result), (std::vector<int>{6, 7, 10, 11, 12, 13, 14}));
    EXPECT_EQ(notices.Beeps(), 1);
}

TEST_F(VesselChargingTest, CancelEndsTheRunBeforeValidation) {
    start.SetText("50");
    drive.SetText("30");
    NoticeRecorder notices;
    notices.Expect(NoticeKind::Question, kQuestion, false);
    const SelectionResult result = Run();
    EXPECT_EQ(result.stop, SelectionStop::Cancelled);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(start.Text(), "50");
    EXPECT_EQ(session.OutStartPsi, 50);
    EXPECT_EQ(searching.shown, 0);

    NoticeRecorder answeredOk;
    answeredOk.Expect(NoticeKind::Question, kQuestion, true);
    answeredOk.Expect(NoticeKind::Error, "Drive air pressure is too low!");
    EXPECT_EQ(Run().stop, SelectionStop::ValidationFailed);
    EXPECT_EQ(answeredOk.Beeps(), 2);
}

TEST_F(VesselChargingTest, OnlyTheLastFailingCheckIsShown) {
    const struct {
        const char *driveText, *startText;
        const char* message;
    } cases[] = {
        {"30", "1200", "Initial outlet pressure must be less than final outlet pressure!"},
        {"30", "100", "Drive air pressure is too low!"},
        {"151", "100", "Drive air pressure is too high!"},
        {"100", "1000.1", "Initial outlet pressure must be less than final outlet pressure!"},
    };
    for (const auto& c : cases) {
        drive.SetText(c.driveText);
        start.SetText(c.startText);
        NoticeRecorder notices;
        notices.Expect(NoticeKind::Error, c.message);
        const SelectionResult result = Run();
        EXPECT_EQ(English(result.message), c.message);
        EXPECT_TRUE(result.rows.empty());
        EXPECT_EQ(notices.Beeps(), 1);
    }
}

// Nothing to deliver: no message, and no model qualifies (0.001 scf a step).
TEST_F(VesselChargingTest, EqualStartAndFinalListNothing) {
    start.SetText("1000");
    NoticeRecorder notices;
    const SelectionResult result = Run();
    EXPECT_TRUE(result.Completed());
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(searching.shown, 1);
}

// Fields are read drive, drive air, inlet, initial, final, capacity.
TEST_F(VesselChargingTest, ReadingStopsAtTheFirstBadField) {
    start.SetText("-5");
    final.SetText("x");
    session.OutFinalPsi = -1;
    NoticeRecorder notices;
    notices.Expect(NoticeKind::Warning, "-5 is not valid value");
    EXPECT_EQ(Run().stop, SelectionStop::EntryInvalid);
    EXPECT_EQ(session.OutFinalPsi, -1);
}

// The window's defaults with 100 scfm of drive air: RB -15 (model 6) fills
// 1 ft^3 from 100 to 1000 psig in 28.2 minutes.
TEST_F(VesselChargingTest, DefaultsListTheKnownModels) {
    NoticeRecorder notices;
    const SelectionResult result = Run();
    EXPECT_EQ(Models(result), (std::vector<int>{6, 7, 10, 11, 12, 13, 14}));
    const SelectionRow* six = RowOf(result, 6);
    ASSERT_NE(six, nullptr);
    EXPECT_NEAR(six->flowOrTime, 28.216819070392624, 1e-10);
    EXPECT_NEAR(six->air, 1913.8930964863973, 1e-8);
    EXPECT_NEAR(six->cyclesPerMin, 101.71304946547977, 1e-10);
    EXPECT_EQ(six->text, "\tRB-15 \t  28\t  68\t 102\t1914\t    6");
    const SelectionRow* fourteen = RowOf(result, 14);
    EXPECT_NEAR(fourteen->flowOrTime, 49.99676510131919, 1e-10);
    EXPECT_NEAR(fourteen->air, 3817.5997946515954, 1e-8);
    EXPECT_EQ(session.PumpIndex, 15);
    EXPECT_EQ(session.CurrentPump.PumpNo, 15);
}

// With 40 scfm of drive air the models are cut back at the start, and no
// later step may flow more than that start.
TEST_F(VesselChargingTest, LimitedModelsNeverExceedTheirStart) {
    air.SetText("40");
    NoticeRecorder notices;
    const SelectionResult result = Run();
    EXPECT_EQ(Models(result), (std::vector<int>{6, 7, 10, 11, 12, 13, 14}));
    const SelectionRow* six = RowOf(result, 6);
    ASSERT_NE(six, nullptr);
    EXPECT_NEAR(six->flowOrTime, 83.2657441323468, 1e-10);
    EXPECT_NEAR(six->air, 3298.5964527016035, 1e-8);
    EXPECT_NEAR(six->cyclesPerMin, 101.08587594341977, 1e-10);
    for (const SelectionRow& row : result.rows) {
        const auto& flows = row.charge.flowScfm;
        for (int j = 1; j < ChargeCurvePoints; ++j) EXPECT_LE(flows[j], flows[0]) << row.pumpNo << " step " << j;
    }
    EXPECT_NEAR(six->charge.flowScfm[0], 0.745432, 0.0000005);
}

// Each row keeps its model's charge, which the picture viewer draws: its
// figures are the row's, and its start is cut back to the air available
// unless the search ignored it.
TEST_F(VesselChargingTest, RowsKeepTheChargeOfTheirText) {
    air.SetText("40");
    for (bool ignoreAir : {false, true}) {
        SCOPED_TRACE(ignoreAir ? "air ignored" : "air limited");
        controls.disableAirQtyLimitChecked = ignoreAir;
        NoticeRecorder notices;
        const SelectionResult result = Run();
        ASSERT_FALSE(result.rows.empty());
        for (const SelectionRow& row : result.rows) {
            SCOPED_TRACE(row.pumpNo);
            EXPECT_EQ(row.charge.pumpNo, row.pumpNo);
            EXPECT_TRUE(row.charge.charged);
            EXPECT_EQ(row.charge.fillMinutes, row.flowOrTime);
            EXPECT_EQ(row.charge.driveAirScf, row.air);
            EXPECT_EQ(row.charge.averageCyclesPerMin, row.cyclesPerMin);
            EXPECT_EQ(row.charge.airLimited, !ignoreAir);
        }
    }
}

// RB -15 still delivers 0.307 scfm at 1430 psig but only 0.270 at 1440: it
// is then no longer charged nor listed. RB -8 stalls at 800 psig.
TEST_F(VesselChargingTest, AChargeNeedsAFlowAtTheFinalPressure) {
    controls.disableAirQtyLimitChecked = true;
    final.SetText("1430");
    NoticeRecorder notices;
    const SelectionResult to1430 = Run();
    const SelectionRow* six = RowOf(to1430, 6);
    ASSERT_NE(six, nullptr);
    EXPECT_TRUE(six->charge.charged);
    EXPECT_NEAR(six->charge.flowScfm[ChargeSteps], 0.307, 0.0005);
    EXPECT_EQ(RowOf(to1430, 5), nullptr);

    final.SetText("1440");
    const SelectionResult to1440 = Run();
    EXPECT_EQ(RowOf(to1440, 6), nullptr);
    ASSERT_NE(RowOf(to1440, 7), nullptr);
    EXPECT_TRUE(RowOf(to1440, 7)->charge.charged);
}

// From 100 to 1430 psig RB -15's last step is six times its first; with
// 27.25 ft^3 that last step alone passes 500 minutes and the model is left
// out, though the ten steps average under 200 minutes.
TEST_F(VesselChargingTest, OneStepOverFiveHundredMinutesLeavesTheModelOut) {
    controls.disableAirQtyLimitChecked = true;
    final.SetText("1430");
    NoticeRecorder notices;
    capacity.SetText("27.2");
    const SelectionResult listed = Run();
    const SelectionRow* six = RowOf(listed, 6);
    ASSERT_NE(six, nullptr);
    EXPECT_LT(six->flowOrTime / 10, 200);
    capacity.SetText("27.25");
    EXPECT_EQ(RowOf(Run(), 6), nullptr);
}

// Capacity in litres, pressures in barg; total air in normal cubic metres.
TEST_F(VesselChargingTest, MetricEntriesAndRows) {
    session.MetricUnits = true;
    drive.SetText("6.9");
    air.SetText("2831.7");
    inlet.SetText("6.9");
    start.SetText("6.9");
    final.SetText("68.9");
    capacity.SetText("28.3");
    NoticeRecorder notices;
    const SelectionResult result = Run();
    EXPECT_TRUE(result.metric);
    EXPECT_DOUBLE_EQ(session.OutCapacityFt3, 28.3 / 28.316847);
    EXPECT_EQ(Models(result), (std::vector<int>{6, 7, 10, 11, 12, 13, 14}));
    EXPECT_EQ(RowOf(result, 6)->text, "\tRB-15 \t  28\t 1.9\t 102\t54.1\t    6");
    EXPECT_EQ(RowOf(result, 14)->text, "\tRBZ-30/50\t  50\t 2.2\t  92\t107.9\t   14");
}

}  // namespace
}  // namespace zorvik
