#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "continuous_process.h"
#include "selection_fixture.h"
#include "support/notice_recorder.h"

namespace zorvik {
namespace {

using testing::Models;
using testing::NoticeKind;
using testing::NoticeRecorder;
using testing::RowOf;

class ContinuousProcessTest : public testing::SelectionTest {
protected:
    SelectionResult Run() { return ContinuousProcessSelection(session, controls); }
};

// Every failing check overwrites the pending message: the user sees the
// last one only.
TEST_F(ContinuousProcessTest, OnlyTheLastFailingCheckIsShown) {
    const struct {
        const char *required, *driveText, *outletText;
        const char* message;
    } cases[] = {
        {"0", "30", "50", "Outlet pressure must be greater\rthan inlet pressure!"},
        {"0", "100", "200", "Flow rate cannot be zero!\rNo Amplifier needed."},
        {"0", "30", "200", "Drive air pressure is too low!"},
        {"2", "39.9", "200", "Drive air pressure is too low!"},
        {"0", "160", "200", "Drive air pressure is too high!"},
        {"2", "150.1", "200", "Drive air pressure is too high!"},
        {"2", "100", "99.9", "Outlet pressure must be greater\rthan inlet pressure!"},
    };
    for (const auto& c : cases) {
        flow.SetText(c.required);
        drive.SetText(c.driveText);
        outlet.SetText(c.outletText);
        searching.shown = 0;
        NoticeRecorder notices;
        notices.Expect(NoticeKind::Error, c.message);
        const SelectionResult result = Run();
        EXPECT_EQ(result.stop, SelectionStop::ValidationFailed) << c.message;
        EXPECT_EQ(English(result.message), c.message);
        EXPECT_TRUE(result.rows.empty());
        EXPECT_EQ(notices.Beeps(), 1);
        EXPECT_EQ(searching.shown, 0);
    }
}

TEST_F(ContinuousProcessTest, BoundaryConditionsPassValidation) {
    const struct { const char *driveText, *outletText; } cases[] = {{"40", "200"}, {"150", "200"}, {"100", "100"}};
    for (const auto& c : cases) {
        drive.SetText(c.driveText);
        outlet.SetText(c.outletText);
        searching.shown = 0;
        NoticeRecorder notices;
        EXPECT_TRUE(Run().Completed()) << c.driveText << " " << c.outletText;
        EXPECT_EQ(searching.shown, 1);
    }
}

// Fields are read drive, drive air, outlet, inlet, required flow; the first
// bad one stops the run with its own message and nothing after it is read.
TEST_F(ContinuousProcessTest, ReadingStopsAtTheFirstBadFieldInOrder) {
    outlet.SetText("abc");
    inlet.SetText("x");
    session.InletPsi = -1;
    controls.disableAirQtyLimitChecked = true;
    controls.disableFlowrateLimitChecked = true;
    NoticeRecorder notices;
    notices.Expect(NoticeKind::Warning, "abc is not valid value");
    const SelectionResult result = Run();
    EXPECT_EQ(result.stop, SelectionStop::EntryInvalid);
    EXPECT_EQ(outlet.FocusRequests(), 1);
    EXPECT_EQ(session.InletPsi, -1);
    EXPECT_EQ(searching.shown, 0);
    // The option boxes are taken before any field is read.
    EXPECT_TRUE(session.IgnoreAirAvailable);
    EXPECT_TRUE(session.IgnoreFlowRate);

    drive.SetText("   ");
    NoticeRecorder empty;
    empty.Expect(NoticeKind::Warning, "Null is not valid value");
    EXPECT_EQ(Run().stop, SelectionStop::EntryInvalid);
}

// The window's defaults. RB -15 (model 6) at 100 psig drive and inlet and
// 200 psig outlet, by hand: stall-equivalent drive 200 / 15 = 13.333 psig,
// between the 0.9 (27.5) and 1.0 (0.5) rows, so speed 0.95247; ratio
// 214.5 / 114.5; efficiency 1 - ratio / 22.05; 769 in^3/min at full speed.
TEST_F(ContinuousProcessTest, DefaultsListTheKnownModels) {
    NoticeRecorder notices;
    const SelectionResult result = Run();
    ASSERT_TRUE(result.Completed());
    EXPECT_EQ(Models(result), (std::vector<int>{1, 2, 3, 5, 6, 9, 10, 11, 12, 13}));

    const SelectionRow* six = RowOf(result, 6);
    ASSERT_NE(six, nullptr);
    const double speed = (10 - (200.0 / 15 - 0.5) / 27) / 10;
    const double efficiency = 1 - (214.5 / 114.5) / 22.05;
    EXPECT_NEAR(six->flowOrTime, 114.5 * speed * efficiency * 769 / 14.5 / 1728, 1e-12);
    EXPECT_NEAR(six->flowOrTime, 3.06275, 0.000005);
    EXPECT_NEAR(six->air, 100.0 * 10 / 35 + 1 + 41.25 + 46 * (speed - 0.85), 1e-9);
    EXPECT_NEAR(six->cyclesPerMin, speed * 124, 1e-9);
    EXPECT_EQ(six->text, "\tRB-15 \t3.06\t  76\t 118\t    \t    6");
    EXPECT_EQ(searching.shown, 1);
}

// With 20 scfm of drive air, RB -8 (model 5) is listed at the trial point
// of the air limit (772 psig), not at the requested 200 psig.
TEST_F(ContinuousProcessTest, LimitedModelShowsTheTrialPoint) {
    air.SetText("20");
    flow.SetText("0.5");
    NoticeRecorder notices;
    const SelectionResult result = Run();
    EXPECT_EQ(Models(result), (std::vector<int>{1, 2, 3, 5, 9}));
    const SelectionRow* five = RowOf(result, 5);
    ASSERT_NE(five, nullptr);
    EXPECT_NEAR(five->flowOrTime, 0.87816, 0.000005);
    EXPECT_NEAR(five->air, 19.8642, 0.00005);
    EXPECT_NEAR(five->cyclesPerMin, 22.5037, 0.00005);

    controls.disableAirQtyLimitChecked = true;
    EXPECT_EQ(Models(Run()), (std::vector<int>{1, 2, 3, 5, 6, 7, 9, 10, 11, 12, 13, 14}));
}

// Little drive air: the small models stay within it, RB-8 and RBW-5 are cut
// back. Each row keeps the search's own figures of its model, which the
// picture viewer draws: they must be the very figures of the row's text.
TEST_F(ContinuousProcessTest, RowsKeepTheFiguresOfTheirText) {
    air.SetText("40");
    for (bool ignoreAir : {false, true}) {
        SCOPED_TRACE(ignoreAir ? "air ignored" : "air limited");
        controls.disableAirQtyLimitChecked = ignoreAir;
        NoticeRecorder notices;
        const SelectionResult result = Run();
        ASSERT_GE(result.rows.size(), 5u);
        int limited = 0;
        for (const SelectionRow& row : result.rows) {
            SCOPED_TRACE(row.pumpNo);
            EXPECT_EQ(row.flow.pumpNo, row.pumpNo);
            EXPECT_EQ(row.flow.delivered.flowScfm, row.flowOrTime);
            EXPECT_EQ(row.flow.delivered.airUseScfm, row.air);
            EXPECT_EQ(row.flow.cyclesPerMin, row.cyclesPerMin);
            EXPECT_EQ(row.flow.delivered.airLimited, row.air < 40 && row.pumpNo > 4);
            limited += row.flow.delivered.airLimited;
        }
        EXPECT_EQ(limited, ignoreAir ? 0 : 2);
    }
}

TEST_F(ContinuousProcessTest, SelectionTestsOfTheModelLimits) {
    controls.disableAirQtyLimitChecked = true;
    const struct {
        const char *inletText, *outletText, *required;
        bool ignoreFlow;
        std::vector<int> models;
    } cases[] = {
        // Models that boost their own drive air (1-3) need the inlet exactly
        // at the drive pressure.
        {"100", "200", "0.5", false, {1, 2, 3, 5, 6, 7, 9, 10, 11, 12, 13, 14}},
        {"100.0001", "200", "0.5", false, {5, 6, 7, 9, 10, 11, 12, 13, 14}},
        // Ignoring the flow still leaves out models beyond stall (RB -8,
        // RBW -5: token flow 0.001 scfm).
        {"100", "900", "1000", false, {}},
        {"100", "900", "1000", true, {6, 7, 10, 11, 12, 13, 14}},
        // RBZ -7/30 (model 12): |-2 x 100 x 0.95| = 190 psig inlet at most.
        {"190", "1500", "0.01", false, {7, 10, 11, 12, 13, 14}},
        {"190.1", "1500", "0.01", false, {7, 10, 11, 13, 14}},
    };
    for (const auto& c : cases) {
        inlet.SetText(c.inletText);
        outlet.SetText(c.outletText);
        flow.SetText(c.required);
        controls.disableFlowrateLimitChecked = c.ignoreFlow;
        NoticeRecorder notices;
        const SelectionResult result = Run();
        EXPECT_TRUE(result.Completed());
        EXPECT_EQ(Models(result), c.models) << c.inletText << " " << c.outletText << " " << c.required;
    }
}

// Metric entries are converted before use and the rows print nl/min and
// n.m3/min with the decimals of the imperial values.
TEST_F(ContinuousProcessTest, MetricEntriesAndRows) {
    session.MetricUnits = true;
    drive.SetText("6.9");
    air.SetText("2831.7");
    inlet.SetText("6.9");
    outlet.SetText("13.8");
    flow.SetText("56.6");
    NoticeRecorder notices;
    const SelectionResult result = Run();
    EXPECT_TRUE(result.metric);
    EXPECT_DOUBLE_EQ(session.AirDrivePsi, 6.9 * 14.50377);
    EXPECT_DOUBLE_EQ(session.FlowRequiredScfm, 56.6 / 28.316847);
    EXPECT_EQ(Models(result), (std::vector<int>{1, 2, 3, 5, 6, 9, 10, 11, 12, 13}));
    // RB -8 delivers 6.11 scfm (below 10: 1 decimal of nl/min), RBW -5 16.9.
    EXPECT_TRUE(RowOf(result, 5)->text.starts_with("\tRB-8 \t173.0\t 2.1\t")) << RowOf(result, 5)->text;
    EXPECT_TRUE(RowOf(result, 9)->text.starts_with("\tRBW-5  \t 479\t 2.1\t")) << RowOf(result, 9)->text;
    EXPECT_TRUE(RowOf(result, 1)->text.starts_with("\tCRB19-2.5 \t83.3\t0.30\t")) << RowOf(result, 1)->text;
}

std::vector<double> Figures(const FlowDuty& d) {
    return {d.drivePsi, d.airAvailableScfm, d.inletPsi, d.outletPsi, d.flowRequiredScfm};
}

// The run ends on model 15 and hands back the duty it read, field by field,
// which the session keeps for a comparison of the list.
TEST_F(ContinuousProcessTest, TheRunLeavesModelFifteenAndTheDutyItRead) {
    drive.SetText("110");
    air.SetText("100000");
    controls.disableFlowrateLimitChecked = true;
    NoticeRecorder notices;
    const SelectionResult result = Run();
    EXPECT_EQ(session.PumpIndex, 15);
    EXPECT_EQ(session.CurrentPump.PumpNo, 15);

    const std::vector<double> typed = {110, 100000, 100, 200, 2};
    EXPECT_EQ(Figures(result.flowDuty), typed);
    EXPECT_EQ(Figures(session.LastFlowDuty()), typed);
    EXPECT_FALSE(result.flowDuty.ignoreAirAvailable);
    EXPECT_TRUE(result.flowDuty.ignoreFlowRate);
    EXPECT_TRUE(session.LastFlowDuty().ignoreFlowRate);
}

}  // namespace
}  // namespace zorvik
