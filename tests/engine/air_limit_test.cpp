// Expected figures are worked out by hand from the speed table, the air-use
// formula and the air-use lines, not taken from the code's output.

#include <gtest/gtest.h>

#include "catalogue.h"
#include "performance_model.h"
#include "air_limit.h"

namespace zorvik {
namespace {

// The caller's side at 100 psig drive, 100 psig inlet and the given outlet.
DeliveredPoint Unlimited(int model, double outlet) {
    const PointResult r = EvaluatePoint(CatalogueRow(model), {100, 100, outlet});
    return {r.flowScfm, r.airUseScfm, r.speedFraction, false};
}

DeliveredPoint Limit(int model, double outlet, double available) {
    return LimitByAvailableAir(CatalogueRow(model), {100, 100, outlet}, available, Unlimited(model, outlet));
}

// RB -8 (model 5) needs 75 scfm at 200 psig. Stall is 100 x 7 + 100 x 1 =
// 800 psig, so the trials climb in 14 psi; the air use first fits 20 scfm
// at trial 48, 772 psig, where the stall-equivalent drive is (772 - 100) / 7
// = 96 psig, between the 0.1 (98.2) and 0.2 (95.5) rows of the 100 psig
// column.
TEST(AirLimitTest, ModelCutBackTakesTheTrialPointWhereItsAirFits) {
    const DeliveredPoint d = Limit(5, 200, 20);
    const double speed = (2 - (96 - 95.5) / (98.2 - 95.5)) / 10;  // 0.18148
    const double m = 100.0 * 10 / 35 + 1;
    const double efficiency = 1 - (786.5 / 114.5) / 22.05;
    EXPECT_TRUE(d.airLimited);
    EXPECT_NEAR(d.speedFraction, speed, 1e-12);
    EXPECT_NEAR(d.speedFraction * CatalogueRow(5).MaxCyclesPerMin, 22.5037, 0.00005);
    EXPECT_NEAR(d.airUseScfm, 5 + (m - 5) * speed / 0.3, 1e-9);
    EXPECT_NEAR(d.airUseScfm, 19.8642, 0.00005);
    EXPECT_NEAR(d.flowScfm, 114.5 * speed * efficiency * 1538 / 14.5 / 1728, 1e-12);
    EXPECT_NEAR(d.flowScfm, 0.87816, 0.000005);
}

// CRB19 -2.5 (model 1) reads its air from the lines at the flow, so the flow
// follows every trial. Stall 250 psig, trials in 3 psi; 8 scfm first fits at
// 235 psig (trial 45), between the 6 and 9 scfm lines.
TEST(AirLimitTest, LineModelFollowsTheTrialFlow) {
    const DeliveredPoint d = Limit(1, 200, 8);
    const double speed = (3 - (94 - 91.8) / (95.5 - 91.8)) / 10 * 1.05;
    const double flow = 114.5 * speed * (1 - (249.5 / 114.5) / 22.05) * 1298 / 14.5 / 1728;
    const double r = 235.0 / 33 - 7;
    const double six = 0.96 + (0.73 - 0.96) * r;   // 6 scfm line at 235 psig
    const double nine = 1.65 + (1.37 - 1.65) * r;  // 9 scfm line
    EXPECT_TRUE(d.airLimited);
    EXPECT_NEAR(d.speedFraction, speed, 1e-12);
    EXPECT_NEAR(d.flowScfm, flow, 1e-12);
    EXPECT_NEAR(d.flowScfm, 1.35007, 0.000005);
    EXPECT_NEAR(d.airUseScfm, 6 + 3 * (flow - six) / (nine - six), 1e-9);
    EXPECT_LE(d.airUseScfm, 8);
}

// RBW -5 (model 9) uses 73.5 scfm at 200 psig but more at the no-compression
// point, so the search steps; where 75 scfm fits (172 psig) its flow is
// higher than at 200 psig, and the caller's figures and speed stand.
TEST(AirLimitTest, HigherTrialFlowLeavesTheCallersFigures) {
    const DeliveredPoint caller = Unlimited(9, 200);
    const DeliveredPoint d = Limit(9, 200, 75);
    EXPECT_TRUE(d.airLimited);
    EXPECT_EQ(d.flowScfm, caller.flowScfm);
    EXPECT_EQ(d.airUseScfm, caller.airUseScfm);
    EXPECT_EQ(d.speedFraction, caller.speedFraction);
}

// Enough air: nothing changes.
TEST(AirLimitTest, EnoughAirLeavesThePointAlone) {
    for (const int model : {1, 6, 12, 15}) {
        const DeliveredPoint caller = Unlimited(model, 180);
        const DeliveredPoint d = Limit(model, 180, 1000);
        EXPECT_FALSE(d.airLimited) << model;
        EXPECT_EQ(d.flowScfm, caller.flowScfm) << model;
        EXPECT_EQ(d.airUseScfm, caller.airUseScfm) << model;
        EXPECT_EQ(d.speedFraction, caller.speedFraction) << model;
    }
}

// A caller whose point delivers no more than the no-compression point (its
// outlet is the inlet) takes that point's figures, with its own speed.
TEST(AirLimitTest, NoCompressionPointAtTheCallersOwnPressure) {
    const DeliveredPoint caller = Unlimited(6, 100);
    const DeliveredPoint d = Limit(6, 100, 1000);
    EXPECT_FALSE(d.airLimited);
    EXPECT_EQ(d.flowScfm, caller.flowScfm);
    EXPECT_EQ(d.airUseScfm, caller.airUseScfm);
    EXPECT_EQ(d.speedFraction, caller.speedFraction);
}

// With no air at all the search runs its 51 trials up to the stall pressure,
// where the model stands still.
TEST(AirLimitTest, NoAirEndsAtTheStallPressure) {
    const DeliveredPoint d = Limit(1, 200, 0);
    EXPECT_TRUE(d.airLimited);
    EXPECT_EQ(d.flowScfm, 0);
    EXPECT_EQ(d.airUseScfm, 0);
    EXPECT_EQ(d.speedFraction, 0);
}

}  // namespace
}  // namespace zorvik
