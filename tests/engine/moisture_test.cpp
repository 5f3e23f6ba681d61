#include <gtest/gtest.h>

#include "moisture.h"
#include "units.h"

namespace zorvik::moisture {
namespace {

TEST(MoistureTest, VapourPressureFollowsTheReferenceTable) {
    // Saturation vapour pressure over water, hPa (Hyland-Wexler).
    const struct {
        double celsius;
        double hpa;
    } table[] = {{-40, 0.1897}, {-20, 1.2540}, {0, 6.1121},  {10, 12.281},
                 {20, 23.388},  {30, 42.455},  {40, 73.814}, {50, 123.47}};
    for (const auto& row : table) {
        EXPECT_NEAR(SaturationVapourPressureHpa(row.celsius), row.hpa, row.hpa * 0.004) << row.celsius;
        EXPECT_NEAR(DewpointC(SaturationVapourPressureHpa(row.celsius)), row.celsius, 1e-9);
    }
}

// The saturated-air window quotes these limits; they must be what the
// physics gives (the chart draws the same function).
TEST(MoistureTest, DryerExamplesOfTheSaturatedAirTextHold) {
    // Refrigerated dryer, 10 degC pressure dewpoint at 7 barg: about 14 barg
    // (200 psig) at 20 degC.
    EXPECT_NEAR(CondensationGauge(10, 7, 20, units::StandardAtmosphereBar), 14.2, 0.1);
    EXPECT_NEAR(CondensationGauge(10, 100, 20, units::StandardAtmospherePsi), 204, 1);
    // 0 degC dewpoint: just under 30 barg (about 425 psig).
    EXPECT_NEAR(CondensationGauge(0, 7, 20, units::StandardAtmosphereBar), 29.6, 0.1);
    EXPECT_NEAR(CondensationGauge(0, 100, 20, units::StandardAtmospherePsi), 423, 1);
    // Desiccant dryer, -40 degC: far beyond 240 barg (3480 psig).
    EXPECT_GT(CondensationGauge(-40, 7, 20, units::StandardAtmosphereBar), 240 * 3);
    EXPECT_GT(CondensationGauge(-40, 100, 20, units::StandardAtmospherePsi), 3480 * 3);
}

TEST(MoistureTest, VeryDryShopAirSaturatesAtAboutTenBarg) {
    // Air at 20 degC and 9 % relative humidity, compressed and cooled back
    // to 20 degC.
    const double dewpoint = DewpointC(0.09 * SaturationVapourPressureHpa(20));
    EXPECT_NEAR(dewpoint, -14, 0.5);
    EXPECT_NEAR(CondensationGauge(dewpoint, 0, 20, units::StandardAtmosphereBar), 10.2, 0.1);
    EXPECT_NEAR(CondensationGauge(dewpoint, 0, 20, units::StandardAtmospherePsi), 148.6, 0.5);
}

TEST(MoistureTest, PressureDewpointIsFarAboveTheAtmosphericDewpoint) {
    // 10 degC (50 degF) at 7 barg is about -18 degC (0 degF) at atmospheric
    // pressure, as the saturated-air text says.
    const double vapour =
        SaturationVapourPressureHpa(10) * units::StandardAtmosphereBar / (7 + units::StandardAtmosphereBar);
    EXPECT_NEAR(DewpointC(vapour), -17.5, 0.3);
    EXPECT_NEAR(units::FahrenheitOf(DewpointC(vapour)), 0.5, 0.6);
}

TEST(MoistureTest, AirBelowItsDewpointPressureIsStillDry) {
    // A saturation line passes through its own dewpoint at the dryer's
    // pressure and rises with temperature.
    EXPECT_DOUBLE_EQ(CondensationGauge(-20, 7, -20, units::StandardAtmosphereBar), 7);
    EXPECT_LT(CondensationGauge(-20, 7, -25, units::StandardAtmosphereBar), 7);
    EXPECT_GT(CondensationGauge(-20, 7, 0, units::StandardAtmosphereBar),
              CondensationGauge(-20, 7, -10, units::StandardAtmosphereBar));
    EXPECT_NEAR(units::FahrenheitOf(-40), -40, 1e-12);
    EXPECT_NEAR(units::CelsiusOf(68), 20, 1e-12);
}

}  // namespace
}  // namespace zorvik::moisture
