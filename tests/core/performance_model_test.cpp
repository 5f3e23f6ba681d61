#include <gtest/gtest.h>

#include "core/performance_model.h"
#include "core/shared_state.h"

namespace zorvik {
namespace {

class PerformanceModelTest : public ::testing::Test {
protected:
    void SetUp() override { InitialiseSharedState(); }
};

// Model 6 (RB -15) at 100 psig drive, 100 psig inlet, 1000 psig outlet.
TEST_F(PerformanceModelTest, WorkedExampleOfModelSix) {
    SelectPump(6);
    const double flow = OutletFlow(1000, 100, 100);
    EXPECT_NEAR(Shared.StallAirPsi, 66.667, 0.0005);
    EXPECT_NEAR(Shared.SpeedFraction, 0.65864, 0.000005);
    EXPECT_NEAR(Shared.CompressionRatio, 8.8603, 0.00005);
    EXPECT_NEAR(Shared.VolumetricEfficiency, 0.59817, 0.000005);
    EXPECT_NEAR(flow, 1.3845, 0.00005);
    EXPECT_NEAR(Shared.SpeedFraction * Shared.CurrentPump.MaxCyclesPerMin, 81.67, 0.005);
    EXPECT_NEAR(AirUse(100, Shared.SpeedFraction), 56.470, 0.0005);
}

TEST_F(PerformanceModelTest, BeyondStallGivesTheTokenFlow) {
    SelectPump(6);
    EXPECT_DOUBLE_EQ(OutletFlow(1600, 100, 100), 0.001);
    EXPECT_NEAR(Shared.StallAirPsi, 106.67, 0.005);
    EXPECT_LT(Shared.SpeedFraction, 0);
}

TEST_F(PerformanceModelTest, CompressionRatioNeverBelowOne) {
    SelectPump(9);
    OutletFlow(50, 100, 100);
    EXPECT_EQ(Shared.CompressionRatio, 1.0);
}

// Double-acting models lose a quarter less of the ratio; single-acting and
// two-stage models the whole ratio.
TEST_F(PerformanceModelTest, VolumetricEfficiencyByAction) {
    const struct {
        int model;
        double offset;
    } cases[] = {{8, 0.25}, {4, 0.25}, {5, 0}, {12, 0}, {1, 0}};
    for (const auto& c : cases) {
        SelectPump(c.model);
        OutletFlow(100, 50, 100);
        const double ratio = 114.5 / 64.5;
        EXPECT_DOUBLE_EQ(Shared.VolumetricEfficiency, 1 - (ratio - c.offset) / Shared.CurrentPump.ZeroFlowRatio)
            << "model " << c.model;
    }
}

TEST_F(PerformanceModelTest, SpeedFractionAtTheEndsOfAColumn) {
    SelectPump(6);
    Shared.StallAirPsi = 100;
    FindSpeedFraction(100);
    EXPECT_DOUBLE_EQ(Shared.SpeedFraction, 0);
    Shared.StallAirPsi = 0.5;
    FindSpeedFraction(100);
    EXPECT_DOUBLE_EQ(Shared.SpeedFraction, 1.0);
}

TEST_F(PerformanceModelTest, DrivePressureBeyondTheTableExtrapolates) {
    SelectPump(10);
    Shared.StallAirPsi = 0;
    FindSpeedFraction(150);
    const double expected[12] = {150,     146.1333, 141.6667, 136.8333, 131.4,   125.1,
                                 116.7333, 105.7667, 91.8333, 71.7333,  43.0667, -4.0667};
    for (int k = 0; k < 12; ++k) EXPECT_NEAR(Shared.SpeedRowAtDrive[k], expected[k], 0.00005) << k;

    // Below the first column the first two columns extrapolate as well.
    FindSpeedFraction(30);
    EXPECT_DOUBLE_EQ(Shared.SpeedRowAtDrive[0], 30);
    EXPECT_NEAR(Shared.SpeedRowAtDrive[1], 39 - 2.0 / 3 * (53.5 - 39), 1e-9);
}

// The 8RBW table's missing 40 psig entry at speed 1.1 continues the line
// through the 0.9 and 1.0 entries.
TEST_F(PerformanceModelTest, EightRbwUsesItsOwnTable) {
    SelectPump(15);
    Shared.StallAirPsi = -21.9;
    FindSpeedFraction(40);
    EXPECT_NEAR(Shared.SpeedFraction, 1.1, 1e-12);
    Shared.StallAirPsi = 96.4;
    FindSpeedFraction(100);
    EXPECT_NEAR(Shared.SpeedFraction, 0.1, 1e-12);
}

TEST_F(PerformanceModelTest, CrbSeriesRunsFasterBelow125Psig) {
    SelectPump(6);
    Shared.StallAirPsi = 50;
    FindSpeedFraction(100);
    const double table = Shared.SpeedFraction;
    const struct {
        int model;
        double factor;
    } cases[] = {{1, 1.05}, {2, 1.05}, {3, 1.0985}};
    for (const auto& c : cases) {
        SelectPump(c.model);
        Shared.StallAirPsi = 50;
        FindSpeedFraction(100);
        EXPECT_NEAR(Shared.SpeedFraction, table * c.factor, 1e-12) << c.model;
    }
}

TEST_F(PerformanceModelTest, AirUseFormulaOfModelsFiveToFourteen) {
    SelectPump(5);
    const struct {
        double speed;
        double air;
    } cases[] = {{0.02, 0}, {0.3, 29.571}, {0.85, 70.821}, {1.0, 77.721}, {0.15, 17.286}};
    for (const auto& c : cases) EXPECT_NEAR(AirUse(100, c.speed), c.air, 0.0005) << c.speed;
}

TEST_F(PerformanceModelTest, AirUseFromTheLinesOfModelOne) {
    SelectPump(1);
    Shared.AirUseOutletPsi = 165;
    Shared.FlowScfm = 3.0;
    EXPECT_NEAR(AirUse(100, 0.5), 9 + 3 * (3.0 - 2.21) / (3.895 - 2.21), 1e-9);
    EXPECT_NEAR(AirUse(100, 0.5), 10.407, 0.0005);
    // The lines leave line 1 loaded.
    EXPECT_DOUBLE_EQ(Shared.LineAirUseScfm, 15);

    // Above the top line models 1-4 give the top air use.
    Shared.FlowScfm = 9.0;
    EXPECT_DOUBLE_EQ(AirUse(100, 0.5), 15);
    // A line with no point at the pressure counts as delivering less.
    Shared.AirUseOutletPsi = 10;
    Shared.FlowScfm = 0.5;
    EXPECT_DOUBLE_EQ(AirUse(100, 0.5), 15);
}

TEST_F(PerformanceModelTest, ModelFifteenAboveItsTopLine) {
    SelectPump(15);
    Shared.AirUseOutletPsi = 250;
    Shared.FlowScfm = 200;
    EXPECT_NEAR(AirUse(100, 0.5), 200 / (275 - 0.36 * 250) * 175, 1e-9);
    EXPECT_NEAR(AirUse(100, 0.5), 189.19, 0.005);
}

TEST_F(PerformanceModelTest, LineFlowAtTheEndsOfALine) {
    LoadAirUseLine(1, 4);
    EXPECT_DOUBLE_EQ(Shared.LineOutletPsi[10], 330);
    EXPECT_DOUBLE_EQ(LineFlowAt(330), 0.24);
    EXPECT_DOUBLE_EQ(LineFlowAt(5000), 0.24);
    EXPECT_DOUBLE_EQ(LineFlowAt(49.5), 1.82 + (1.69 - 1.82) * 0.5);
    // Unknown pairs leave the loaded line alone.
    LoadAirUseLine(5, 1);
    LoadAirUseLine(1, 7);
    EXPECT_DOUBLE_EQ(Shared.LineAirUseScfm, 6);
}

TEST_F(PerformanceModelTest, OutletAtAirUseReversesTheAirUse) {
    SelectPump(6);
    Shared.AirDrivePsi = 100;
    OutletFlow(1000, 100, 100);
    const double air = AirUse(100, Shared.SpeedFraction);
    FillAirUseBySpeed();
    // The stall-equivalent pressure 66.667 is cut to whole psi: 66 x 15.
    EXPECT_DOUBLE_EQ(OutletAtAirUse(air, 100), 990);
    // More air than speed 1.1 needs: no point.
    EXPECT_DOUBLE_EQ(OutletAtAirUse(500, 100), 0);
}

TEST_F(PerformanceModelTest, OutletAtAirUseOfATwoStageModelWithAStalledInterstage) {
    SelectPump(12);
    Shared.AirDrivePsi = 100;
    Shared.StallAirPsi = 0;
    FindSpeedFraction(100);
    FillAirUseBySpeed();
    // Speed 0.5 at 100 psig: stall-equivalent 81.3, cut to 81 psi. An inlet
    // of 200 psig over InterstageFactor 2 is 100 > 81: interstage stall.
    const double air = AirUse(100, 0.5);
    EXPECT_DOUBLE_EQ(OutletAtAirUse(air, 200), 81 * 9);
    EXPECT_DOUBLE_EQ(OutletAtAirUse(air, 100), 81 * 30 + 100 * 4.2);
}

TEST_F(PerformanceModelTest, StallOutletPressure) {
    SelectPump(5);
    EXPECT_DOUBLE_EQ(StallOutletPsi(100, 100), 800);
    SelectPump(13);
    EXPECT_DOUBLE_EQ(StallOutletPsi(100, 500), 4000);
}

}  // namespace
}  // namespace zorvik
