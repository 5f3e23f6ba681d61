// Expected figures are worked out by hand from the speed table, the air-use
// formula and the air-use lines, not taken from the code's output.

#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "core/performance_model.h"
#include "core/shared_state.h"
#include "selection/air_limit.h"

namespace zorvik {
namespace {

class AirLimitTest : public ::testing::Test {
protected:
    void SetUp() override { InitialiseSharedState(); }

    // The caller's side at 100 psig drive, 100 psig inlet and the given outlet.
    void EvaluateAt(int model, double outlet, double available) {
        SelectPump(model);
        Shared.AirAvailableScfm = available;
        Shared.FlowScfm = OutletFlow(outlet, 100, 100);
        Shared.AirUseOutletPsi = outlet;
        Shared.AirUseScfm = AirUse(100, Shared.SpeedFraction);
    }

    void Limit() { LimitByAvailableAir(Shared.FlowScfm, Shared.AirUseScfm, Shared.AirLimited, 100, 100); }
};

// RB -8 (model 5) needs 75 scfm at 200 psig. Stall is 100 x 7 + 100 x 1 =
// 800 psig, so the trials climb in 14 psi; the air use first fits 20 scfm
// at trial 48, 772 psig, where the stall-equivalent drive is (772 - 100) / 7
// = 96 psig, between the 0.1 (98.2) and 0.2 (95.5) rows of the 100 psig
// column.
TEST_F(AirLimitTest, ModelCutBackTakesTheTrialPointWhereItsAirFits) {
    EvaluateAt(5, 200, 20);
    Limit();
    const double speed = (2 - (96 - 95.5) / (98.2 - 95.5)) / 10;  // 0.18148
    const double m = 100.0 * 10 / 35 + 1;
    const double efficiency = 1 - (786.5 / 114.5) / 22.05;
    EXPECT_TRUE(Shared.AirLimited);
    EXPECT_DOUBLE_EQ(Shared.AirUseOutletPsi, 772);
    EXPECT_NEAR(Shared.SpeedFraction, speed, 1e-12);
    EXPECT_NEAR(Shared.SpeedFraction * Shared.CurrentPump.MaxCyclesPerMin, 22.5037, 0.00005);
    EXPECT_NEAR(Shared.AirUseScfm, 5 + (m - 5) * speed / 0.3, 1e-9);
    EXPECT_NEAR(Shared.AirUseScfm, 19.8642, 0.00005);
    EXPECT_NEAR(Shared.FlowScfm, 114.5 * speed * efficiency * 1538 / 14.5 / 1728, 1e-12);
    EXPECT_NEAR(Shared.FlowScfm, 0.87816, 0.000005);
    EXPECT_NEAR(Shared.CompressionRatio, 786.5 / 114.5, 1e-12);
}

// CRB19 -2.5 (model 1) reads its air from the lines at the flow, so the flow
// follows every trial. Stall 250 psig, trials in 3 psi; 8 scfm first fits at
// 235 psig (trial 45), between the 6 and 9 scfm lines.
TEST_F(AirLimitTest, LineModelFollowsTheTrialFlow) {
    EvaluateAt(1, 200, 8);
    Limit();
    const double speed = (3 - (94 - 91.8) / (95.5 - 91.8)) / 10 * 1.05;
    const double flow = 114.5 * speed * (1 - (249.5 / 114.5) / 22.05) * 1298 / 14.5 / 1728;
    const double r = 235.0 / 33 - 7;
    const double six = 0.96 + (0.73 - 0.96) * r;   // 6 scfm line at 235 psig
    const double nine = 1.65 + (1.37 - 1.65) * r;  // 9 scfm line
    EXPECT_TRUE(Shared.AirLimited);
    EXPECT_DOUBLE_EQ(Shared.AirUseOutletPsi, 235);
    EXPECT_NEAR(Shared.SpeedFraction, speed, 1e-12);
    EXPECT_NEAR(Shared.FlowScfm, flow, 1e-12);
    EXPECT_NEAR(Shared.FlowScfm, 1.35007, 0.000005);
    EXPECT_NEAR(Shared.AirUseScfm, 6 + 3 * (flow - six) / (nine - six), 1e-9);
    EXPECT_LE(Shared.AirUseScfm, 8);
}

// RBW -5 (model 9) uses 73.5 scfm at 200 psig but more at the no-compression
// point, so the search steps; where 75 scfm fits (172 psig) its flow is
// higher than at 200 psig, and the caller's figures and speed stand.
TEST_F(AirLimitTest, HigherTrialFlowLeavesTheCallersFigures) {
    EvaluateAt(9, 200, 75);
    const double flow = Shared.FlowScfm;
    const double air = Shared.AirUseScfm;
    const double speed = Shared.SpeedFraction;
    Limit();
    EXPECT_TRUE(Shared.AirLimited);
    EXPECT_EQ(Shared.FlowScfm, flow);
    EXPECT_EQ(Shared.AirUseScfm, air);
    EXPECT_EQ(Shared.SpeedFraction, speed);
    EXPECT_DOUBLE_EQ(Shared.AirUseOutletPsi, 172);
}

// Enough air: nothing changes but the results of the no-compression
// evaluation (compression ratio 1).
TEST_F(AirLimitTest, EnoughAirLeavesThePointAlone) {
    for (const int model : {1, 6, 12, 15}) {
        EvaluateAt(model, 180, 1000);
        const double flow = Shared.FlowScfm;
        const double air = Shared.AirUseScfm;
        const double speed = Shared.SpeedFraction;
        Shared.AirLimited = true;
        Limit();
        EXPECT_FALSE(Shared.AirLimited) << model;
        EXPECT_EQ(Shared.FlowScfm, flow) << model;
        EXPECT_EQ(Shared.AirUseScfm, air) << model;
        EXPECT_EQ(Shared.SpeedFraction, speed) << model;
        EXPECT_EQ(Shared.AirUseOutletPsi, 180) << model;
        EXPECT_EQ(Shared.CompressionRatio, 1.0) << model;
    }
}

// With no air at all the search runs its 51 trials up to the stall pressure,
// where the model stands still.
TEST_F(AirLimitTest, NoAirEndsAtTheStallPressure) {
    EvaluateAt(1, 200, 0);
    Limit();
    EXPECT_TRUE(Shared.AirLimited);
    EXPECT_DOUBLE_EQ(Shared.AirUseOutletPsi, 250);
    EXPECT_EQ(Shared.FlowScfm, 0);
    EXPECT_EQ(Shared.AirUseScfm, 0);
}

}  // namespace
}  // namespace zorvik
