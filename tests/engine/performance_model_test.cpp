#include <gtest/gtest.h>

#include "performance_model.h"

namespace zorvik {
namespace {

const TPumpRecord& Model(int n) { return CatalogueRow(n); }

// The speed at drive D for a stall-equivalent pressure S.
double SpeedAt(int model, double D, double S) {
    return FindSpeedFraction(Model(model), FindSpeedRow(Model(model), D), D, S);
}

// Model 6 (RB -15) at 100 psig drive, 100 psig inlet, 1000 psig outlet.
TEST(PerformanceModelTest, WorkedExampleOfModelSix) {
    const PointResult r = EvaluatePoint(Model(6), {100, 100, 1000});
    EXPECT_NEAR(r.stallAirPsi, 66.667, 0.0005);
    EXPECT_NEAR(r.speedFraction, 0.65864, 0.000005);
    EXPECT_NEAR(r.compressionRatio, 8.8603, 0.00005);
    EXPECT_NEAR(r.volumetricEfficiency, 0.59817, 0.000005);
    EXPECT_NEAR(r.flowScfm, 1.3845, 0.00005);
    EXPECT_NEAR(r.cyclesPerMin, 81.67, 0.005);
    EXPECT_NEAR(r.airUseScfm, 56.470, 0.0005);
    EXPECT_DOUBLE_EQ(r.stallOutletPsi, 1500);  // 100 x 15, inlet takes no part
}

// The same point evaluated twice, or after another model, gives the same
// figures: nothing is carried from one evaluation to the next.
TEST(PerformanceModelTest, EvaluationsDoNotDependOnOneAnother) {
    const PointResult first = EvaluatePoint(Model(1), {100, 100, 200});
    EvaluatePoint(Model(15), {150, 150, 300});
    EvaluatePoint(Model(12), {40, 30, 2000});
    const PointResult again = EvaluatePoint(Model(1), {100, 100, 200});
    EXPECT_EQ(first.flowScfm, again.flowScfm);
    EXPECT_EQ(first.airUseScfm, again.airUseScfm);
    EXPECT_EQ(first.speedFraction, again.speedFraction);
}

TEST(PerformanceModelTest, BeyondStallGivesTheTokenFlow) {
    const FlowResult r = OutletFlow(Model(6), {100, 100, 1600});
    EXPECT_DOUBLE_EQ(r.flowScfm, 0.001);
    EXPECT_NEAR(r.stallAirPsi, 106.67, 0.005);
    EXPECT_LT(r.speedFraction, 0);
}

TEST(PerformanceModelTest, CompressionRatioNeverBelowOne) {
    EXPECT_EQ(OutletFlow(Model(9), {100, 100, 50}).compressionRatio, 1.0);
}

// Double-acting models lose a quarter less of the ratio; single-acting and
// two-stage models the whole ratio.
TEST(PerformanceModelTest, VolumetricEfficiencyByAction) {
    const struct {
        int model;
        double offset;
    } cases[] = {{8, 0.25}, {4, 0.25}, {5, 0}, {12, 0}, {1, 0}};
    for (const auto& c : cases) {
        const double ratio = 114.5 / 64.5;
        EXPECT_DOUBLE_EQ(OutletFlow(Model(c.model), {100, 50, 100}).volumetricEfficiency,
                         1 - (ratio - c.offset) / Model(c.model).ZeroFlowRatio)
            << "model " << c.model;
    }
}

TEST(PerformanceModelTest, SpeedFractionAtTheEndsOfAColumn) {
    EXPECT_DOUBLE_EQ(SpeedAt(6, 100, 100), 0);
    EXPECT_DOUBLE_EQ(SpeedAt(6, 100, 0.5), 1.0);
}

TEST(PerformanceModelTest, DrivePressureBeyondTheTableExtrapolates) {
    const SpeedRow row = FindSpeedRow(Model(10), 150);
    const double expected[12] = {150,      146.1333, 141.6667, 136.8333, 131.4,   125.1,
                                 116.7333, 105.7667, 91.8333,  71.7333,  43.0667, -4.0667};
    for (int k = 0; k < 12; ++k) EXPECT_NEAR(row[k], expected[k], 0.00005) << k;

    // Below the first column the first two columns extrapolate as well.
    const SpeedRow low = FindSpeedRow(Model(10), 30);
    EXPECT_DOUBLE_EQ(low[0], 30);
    EXPECT_NEAR(low[1], 39 - 2.0 / 3 * (53.5 - 39), 1e-9);
}

// The 8RBW table's missing 40 psig entry at speed 1.1 continues the line
// through the 0.9 and 1.0 entries.
TEST(PerformanceModelTest, EightRbwUsesItsOwnTable) {
    EXPECT_NEAR(SpeedAt(15, 40, -21.9), 1.1, 1e-12);
    EXPECT_NEAR(SpeedAt(15, 100, 96.4), 0.1, 1e-12);
}

TEST(PerformanceModelTest, CrbSeriesRunsFasterBelow125Psig) {
    const double table = SpeedAt(6, 100, 50);
    const struct {
        int model;
        double factor;
    } cases[] = {{1, 1.05}, {2, 1.05}, {3, 1.0985}};
    for (const auto& c : cases) EXPECT_NEAR(SpeedAt(c.model, 100, 50), table * c.factor, 1e-12) << c.model;
}

TEST(PerformanceModelTest, AirUseFormulaOfModelsFiveToFourteen) {
    const struct {
        double speed;
        double air;
    } cases[] = {{0.02, 0}, {0.3, 29.571}, {0.85, 70.821}, {1.0, 77.721}, {0.15, 17.286}};
    for (const auto& c : cases) EXPECT_NEAR(AirUse(Model(5), 100, c.speed, 0, 0), c.air, 0.0005) << c.speed;
}

// The line models read the lines at the outlet and flow they are given,
// whatever the drive pressure and speed.
TEST(PerformanceModelTest, AirUseFromTheLinesOfModelOne) {
    const struct {
        double outlet, flow, air;
        // clang-format off
    } cases[] = {
        {165, 3.0, 9 + 3 * (3.0 - 2.21) / (3.895 - 2.21)},
        {165, 9.0, 15},  // above the top line: the top air use
        {10, 0.5, 15},   // a line with no point there counts as delivering less
    };
    // clang-format on
    for (const auto& c : cases)
        for (const double drive : {40.0, 100.0})
            EXPECT_NEAR(AirUse(Model(1), drive, 0.5, c.outlet, c.flow), c.air, 1e-9) << c.outlet << " " << c.flow;
    EXPECT_NEAR(AirUse(Model(1), 100, 0.5, 165, 3.0), 10.407, 0.0005);
}

TEST(PerformanceModelTest, ModelFifteenAboveItsTopLine) {
    EXPECT_NEAR(AirUse(Model(15), 100, 0.5, 250, 200), 200 / (275 - 0.36 * 250) * 175, 1e-9);
    EXPECT_NEAR(AirUse(Model(15), 100, 0.5, 250, 200), 189.19, 0.005);
}

TEST(PerformanceModelTest, LineFlowAtTheEndsOfALine) {
    const AirUseLineValues line = LoadAirUseLine(1, 4).value();
    EXPECT_DOUBLE_EQ(line.outletPsi[10], 330);
    EXPECT_DOUBLE_EQ(LineFlowAt(line, 330), 0.24);
    EXPECT_DOUBLE_EQ(LineFlowAt(line, 5000), 0.24);
    EXPECT_DOUBLE_EQ(LineFlowAt(line, 49.5), 1.82 + (1.69 - 1.82) * 0.5);
    EXPECT_DOUBLE_EQ(LineFlowAt(line, -20), line.flowScfm[0]);
    EXPECT_DOUBLE_EQ(LoadAirUseLine(1, 1).value().airUseScfm, 15);
    EXPECT_FALSE(LoadAirUseLine(5, 1));
    EXPECT_FALSE(LoadAirUseLine(1, 7));
}

TEST(PerformanceModelTest, OutletAtAirUseReversesTheAirUse) {
    const PointResult r = EvaluatePoint(Model(6), {100, 100, 1000});
    const SpeedRow row = FindSpeedRow(Model(6), 100);
    const AirUseBySpeedTable air = FillAirUseBySpeed(Model(6), 100, 0, 0);
    // The stall-equivalent pressure 66.667 is cut to whole psi: 66 x 15.
    EXPECT_DOUBLE_EQ(OutletAtAirUse(Model(6), row, air, r.airUseScfm, 100), 990);
    // More air than speed 1.1 needs: no point.
    EXPECT_DOUBLE_EQ(OutletAtAirUse(Model(6), row, air, 500, 100), 0);
}

TEST(PerformanceModelTest, OutletAtAirUseOfATwoStageModelWithAStalledInterstage) {
    const SpeedRow row = FindSpeedRow(Model(12), 100);
    const AirUseBySpeedTable table = FillAirUseBySpeed(Model(12), 100, 0, 0);
    // Speed 0.5 at 100 psig: stall-equivalent 81.3, cut to 81 psi. An inlet
    // of 200 psig over InterstageFactor 2 is 100 > 81: interstage stall.
    const double air = AirUse(Model(12), 100, 0.5, 0, 0);
    EXPECT_DOUBLE_EQ(OutletAtAirUse(Model(12), row, table, air, 200), 81 * 9);
    EXPECT_DOUBLE_EQ(OutletAtAirUse(Model(12), row, table, air, 100), 81 * 30 + 100 * 4.2);
}

TEST(PerformanceModelTest, StallOutletPressure) {
    EXPECT_DOUBLE_EQ(StallOutletPsi(Model(5), 100, 100), 800);
    EXPECT_DOUBLE_EQ(StallOutletPsi(Model(13), 100, 500), 4000);
}

// Where a model really stops: a two-stage model whose inlet is above
// InterstageFactor x drive stops at InterstageOutletFactor x drive when that
// is lower. At that outlet the model's own speed is 0, for every model.
TEST(PerformanceModelTest, ModelStallOutletPressure) {
    const struct {
        int model;
        double drive, inlet, stall;
    } cases[] = {
        {12, 100, 210, 900},    // 210 / 2 > 100: 9 x 100, not 3000 + 882
        {13, 100, 1600, 3000},  // 1600 / 15 > 100: 30 x 100, not 3000 + 3200
        {12, 100, 100, 3420},   // interstage fine: 3000 + 420
        {14, 40, 1300, 2000},   // 1300 / 30 > 40: 50 x 40
        {6, 100, 700, 1500},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(ModelStallOutletPsi(Model(c.model), c.drive, c.inlet), c.stall);
    for (int n = 1; n <= PumpCount; ++n)
        for (const double drive : {40.0, 100.0, 150.0})
            for (const double inlet : {0.0, 150.0, 900.0, 2000.0}) {
                const double stall = ModelStallOutletPsi(Model(n), drive, inlet);
                EXPECT_NEAR(OutletFlow(Model(n), {drive, inlet, stall}).speedFraction, 0, 1e-9)
                    << "model " << n << " at " << drive << ", " << inlet;
            }
}

}  // namespace
}  // namespace zorvik
