// The comparison: a listed model's figures are its list row's, the reason
// names the first test a model fails, the fill curve ends at the fill time,
// and the running cost follows its formulas in both unit systems. The
// duties of the reasons were found by sweeping conditions through
// zorvik-select compare; the expected words were checked by hand against
// the catalogue limits.

#include <gtest/gtest.h>

#include <string>

#include "catalogue.h"
#include "comparison.h"
#include "comparison_reasons.h"
#include "continuous_process.h"
#include "running_cost.h"
#include "vessel_charging.h"
#include "selection_fixture.h"

namespace zorvik::testing {
namespace {

TEST(RunningCostTest, FormulasInBothUnitSystems) {
    const struct {
        CostSettings cost;
        double air;  // scfm the compressor makes
        double kwhPerYear;
        double kwhPerFill;  // of air taken as scf
    } cases[] = {
        // 50 scfm / 100 x 18 x 4000
        {{18, 4000, 0.15, false}, 50, 36000, 50.0 / 100 * 18 / 60},
        // 50 scfm of drive air and 10 of plant air boosted: 60 / 100 x 18 x 4000
        {{18, 4000, 0.15, true}, 60, 43200, 60.0 / 100 * 18 / 60},
        {{22.5, 8760, 0.2, false}, 12.5, 12.5 / 100 * 22.5 * 8760, 12.5 / 100 * 22.5 / 60},
        {{0, 4000, 0.15, true}, 50, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(AnnualKwh(c.cost, c.air), c.kwhPerYear);
        EXPECT_DOUBLE_EQ(CostOf(c.cost, c.kwhPerYear), c.kwhPerYear * c.cost.pricePerKwh);
        EXPECT_DOUBLE_EQ(KwhPerFill(c.cost, c.air), c.kwhPerFill);
    }
    // Metric users give kW per n.m3/min: 100 scfm is 2.8316847 n.m3/min.
    EXPECT_NEAR(KwPerNormalCubicMetrePerMin(18), 18 / 2.8316847, 1e-12);
    EXPECT_NEAR(KwPer100ScfmOfMetric(18 / 2.8316847), 18, 1e-12);
    // The same compressor entered either way costs the same.
    CostSettings metric{KwPer100ScfmOfMetric(6.3566), 4000, 0.15, false};
    CostSettings imperial{6.3566 * 2.8316847, 4000, 0.15, false};
    EXPECT_NEAR(AnnualKwh(metric, 75), AnnualKwh(imperial, 75), 1e-9);
}

// Every listed model of a run, and only those, is listed in the comparison
// at the duty the run read, with the very figures of its row.
class ComparisonListTest : public SelectionTest {};

TEST_F(ComparisonListTest, ListedFlowFiguresAreTheListRows) {
    const struct {
        const char *drive, *air, *inlet, *outlet, *flow;
        bool metric, ignoreAir;
        // clang-format off
    } cases[] = {
        {"100", "100", "100", "200", "2.00", false, false},
        {"100", "10", "60", "1000", "0.5", false, false},  // several cut back to the air
        {"80", "30", "30", "500", "1", false, true},
        {"6.9", "2831.7", "6.9", "13.8", "56.6", true, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        session = Session{};
        session.MetricUnits = c.metric;
        drive.SetText(c.drive), air.SetText(c.air), inlet.SetText(c.inlet), outlet.SetText(c.outlet),
            flow.SetText(c.flow);
        controls.disableAirQtyLimitChecked = c.ignoreAir;
        const SelectionResult result = ContinuousProcessSelection(session, controls);
        ASSERT_TRUE(result.Completed());
        for (const FlowComparisonRow& r : CompareForFlow(result.flowDuty, AllModels(), {}, c.metric)) {
            const SelectionRow* row = RowOf(result, r.Model());
            ASSERT_EQ(row != nullptr, r.Listed()) << c.drive << " model " << r.Model();
            EXPECT_EQ(r.reason.Empty(), r.Listed());
            if (row == nullptr) continue;
            EXPECT_EQ(r.candidate.delivered.flowScfm, row->flowOrTime);
            EXPECT_EQ(r.candidate.delivered.airUseScfm, row->air);
            EXPECT_EQ(r.candidate.cyclesPerMin, row->cyclesPerMin);
            EXPECT_EQ(r.name, row->series + row->ratioText);
        }
    }
}

TEST_F(ComparisonListTest, ListedFillFiguresAreTheListRowsAndCurvesEndAtTheFillTime) {
    const struct {
        const char *drive, *air, *inlet, *start, *final, *capacity;
        bool metric;
    } cases[] = {
        {"100", "100", "100", "100", "1000", "1.00", false},
        {"100", "15", "60", "80", "1500", "2", false},
        {"6.9", "2831.7", "6.9", "6.9", "68.9", "28.3", true},
    };
    for (const auto& c : cases) {
        session = Session{};
        session.MetricUnits = c.metric;
        drive.SetText(c.drive), air.SetText(c.air), inlet.SetText(c.inlet), start.SetText(c.start),
            final.SetText(c.final), capacity.SetText(c.capacity);
        const SelectionResult result = VesselChargingSelection(session, controls);
        ASSERT_TRUE(result.Completed());
        const ChargeDuty& duty = result.chargeDuty;
        for (const ChargeComparisonRow& r : CompareForCharge(duty, AllModels(), {}, c.metric)) {
            const SelectionRow* row = RowOf(result, r.Model());
            ASSERT_EQ(row != nullptr, r.Listed()) << c.drive << " model " << r.Model();
            if (row != nullptr) {
                EXPECT_EQ(r.candidate.fillMinutes, row->flowOrTime);
                EXPECT_EQ(r.candidate.driveAirScf, row->air);
                EXPECT_EQ(r.candidate.averageCyclesPerMin, row->cyclesPerMin);
            }
            if (!r.candidate.charged) {
                EXPECT_TRUE(r.curve.empty());
                continue;
            }
            ASSERT_EQ(r.curve.size(), 11u);
            EXPECT_EQ(r.curve.front().minutes, 0);
            EXPECT_EQ(r.curve.front().psig, duty.startPsi);
            EXPECT_EQ(r.curve.back().minutes, r.candidate.fillMinutes);
            EXPECT_DOUBLE_EQ(r.curve.back().psig, duty.finalPsi);
            for (std::size_t j = 1; j < r.curve.size(); ++j) EXPECT_GT(r.curve[j].minutes, r.curve[j - 1].minutes);
        }
    }
}

TEST(ComparisonTest, ParallelUnitsMeetTheRequiredFlow) {
    const FlowDuty duty{100, 1000, 100, 200, 7};  // RB-15 delivers 3.06 scfm here: three units
    const FlowComparisonRow r = CompareForFlow(duty, {6}, {}, false).front();
    ASSERT_TRUE(r.unitsNeeded.has_value());
    EXPECT_EQ(*r.unitsNeeded, 3);
    // Each unit runs at its third of the flow, not flat out.
    EXPECT_DOUBLE_EQ(r.unitsDriveAirScfm, r.duty.unitsDriveAirScfm);
    EXPECT_DOUBLE_EQ(r.unitsDriveAirScfm, 3 * r.duty.dutyAirScfm);
    FlowDuty anyFlow = duty;
    anyFlow.ignoreFlowRate = true;
    EXPECT_FALSE(CompareForFlow(anyFlow, {6}, {}, false).front().unitsNeeded.has_value());
}

TEST(ComparisonTest, FlowReasonNamesTheFirstFailingTest) {
    const struct {
        int model;
        FlowDuty duty;
        bool metric;
        const char* reason;
    } cases[] = {
        {13, {120, 100, 150, 200, 10}, false, "Delivers 4.00 scfm, less than the 10.0 scfm required"},
        {13, {120, 100, 150, 200, 10}, true, "Delivers 113.2 nl/min, less than the 283 nl/min required"},
        {4,
         {100, 100, 100, 200, 2},
         false,
         "Delivers no flow: it stalls at 197 psig, below the outlet pressure of 200 psig; 2.00 scfm is required"},
        {1,
         {60, 300, 5, 5005, 10, false, true},
         false,
         "Delivers no flow: it stalls at 150 psig, below the outlet pressure of 5005 psig"},
        {15,
         {100, 100, 100, 200, 2, false, true},
         true,
         "Delivers no flow: it stalls at the outlet pressure of 13.8 barg"},
        {12, {80, 100, 0, 1000, 0.1}, false, "Inlet pressure 0 psig is below this model's minimum of 25 psig"},
        {1,
         {150, 100, 150, 160, 2},
         false,
         "Inlet pressure 150 psig is above this model's maximum of 125 psig at this drive pressure"},
        {14, {100, 300, 200, 5200, 0.1}, false, "Outlet pressure 5200 psig is above this model's maximum of 5000 psig"},
        {14,
         {100, 300, 200, 5200, 0.1},
         true,
         "Outlet pressure 358.5 barg is above this model's maximum of 344.7 barg"},
        {1, {80, 1000, 5, 105, 0.1}, false, "Compression ratio 6.13 is above this model's maximum of 2.5"},
        {1,
         {60, 300, 10, 11, 0.1},
         false,
         "Boosts its own drive air: the inlet pressure must equal the drive pressure of 60 psig"},
        {6, {100, 100, 100, 200, 2}, false, ""},
    };
    for (const auto& c : cases) {
        const TPumpRecord& pump = CatalogueRow(c.model);
        EXPECT_EQ(English(FlowRejectionText(pump, c.duty, EvaluateForFlow(pump, c.duty), c.metric)), c.reason);
    }
}

TEST(ComparisonTest, ChargeReasonNamesTheFirstFailingTest) {
    const struct {
        int model;
        ChargeDuty duty;
        bool metric;
        const char* reason;
    } cases[] = {
        {11,
         {120, 300, 20, 20, 1020, 0.1},
         false,
         "Delivers 0.01 scfm at the final pressure of 1020 psig, less than the 0.30 scfm a charge needs"},
        {14,
         {40, 20, 20, 20, 120, 0.1},
         false,
         "Delivers 0.298 scfm at the final pressure of 120 psig, less than the 0.300 scfm a charge needs"},
        {1,
         {100, 100, 100, 100, 1000, 1},
         true,
         "Delivers no flow: it stalls at 17.2 barg, below the final pressure of 68.9 barg"},
        {3, {80, 5, 150, 150, 200, 0.01}, false, "Fill takes longer than 500 minutes for one tenth of the charge"},
        {4,
         {80, 5, 150, 150, 200, 0.01},
         false,
         "Each tenth of the charge is 0.003 scf, no more than the 0.010 scf the sizing can step"},
        {6,
         {40, 300, 200, 200, 250, 0.1},
         false,
         "Fill takes 0.088 minutes, no longer than the 0.16 minutes the sizing can time"},
        {8, {60, 20, 300, 300, 310, 0.1}, false, "Final pressure 310 psig is above this model's maximum of 300 psig"},
        {1, {80, 20, 50, 50, 150, 100}, false, "Compression ratio 2.55 is above this model's maximum of 2.5"},
        {2,
         {150, 300, 30, 30, 130, 1},
         false,
         "Boosts its own drive air: the inlet pressure must equal the drive pressure of 150 psig"},
    };
    for (const auto& c : cases) {
        const TPumpRecord& pump = CatalogueRow(c.model);
        EXPECT_EQ(English(ChargeRejectionText(pump, c.duty, EvaluateForCharge(pump, c.duty), c.metric)), c.reason)
            << "model " << c.model;
    }
    // Too fast at the start is never reached by the catalogue at the drives
    // the selection allows, so its words are checked on the candidate alone.
    ChargeCandidate fast;
    fast.rejection = Rejection::TooFastAtStart;
    EXPECT_EQ(English(ChargeRejectionText(CatalogueRow(6), {100, 100, 100, 100, 1000, 1}, fast, false)),
              "Would run at 121 cycles/min at the initial pressure, above the 2000 allowed");
}

}  // namespace
}  // namespace zorvik::testing
