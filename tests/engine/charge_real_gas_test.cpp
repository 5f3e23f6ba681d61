// The vessel fill with the gas and its real-gas count: the ideal count of
// the catalogue stays exactly as it was, the real count differs from it only
// by the compressibility, and a gas that would liquefy is refused.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "charge_search.h"
#include "duty_checks.h"
#include "comparison_reasons.h"
#include "flow_search.h"
#include "real_gas.h"

namespace zorvik {
namespace {

// Every figure of a candidate, compared bit for bit.
void ExpectSameBits(const ChargeCandidate& a, const ChargeCandidate& b, int duty) {
    const auto same = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    EXPECT_EQ(a.rejection, b.rejection) << "duty " << duty << " model " << a.pumpNo;
    EXPECT_EQ(a.charged, b.charged);
    EXPECT_EQ(a.airLimited, b.airLimited);
    EXPECT_TRUE(same(a.fillMinutes, b.fillMinutes) && same(a.driveAirScf, b.driveAirScf) && same(a.cycles, b.cycles) &&
                same(a.averageCyclesPerMin, b.averageCyclesPerMin) && same(a.finalRatio, b.finalRatio) &&
                same(a.gasDeliveredScf, b.gasDeliveredScf))
        << "duty " << duty << " model " << a.pumpNo;
    for (int j = 0; j < ChargeCurvePoints; ++j)
        EXPECT_TRUE(same(a.flowScfm[j], b.flowScfm[j]) && same(a.minutes[j], b.minutes[j]))
            << "duty " << duty << " model " << a.pumpNo << " point " << j;
}

// The ideal count is the default and does not depend on the gas or the
// vessel temperature: the default duty, an explicit ideal-air one and ideal
// nitrogen or hydrogen at another temperature give the same bits.
TEST(ChargeRealGasTest, IdealCountIsTheCataloguesWhateverTheGas) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> drive(30, 160), air(0, 400), inlet(0, 2000), rise(-50, 5000),
        capacity(0, 20);
    for (int i = 0; i < 300; ++i) {
        ChargeDuty plain;
        plain.drivePsi = drive(random);
        plain.airAvailableScfm = air(random);
        plain.inletPsi = inlet(random);
        plain.startPsi = plain.inletPsi;
        plain.finalPsi = plain.startPsi + rise(random);
        plain.capacityFt3 = capacity(random);
        plain.ignoreAirAvailable = i % 4 == 0;
        ChargeDuty explicitAir = plain;
        explicitAir.gas = Gas::Air;
        explicitAir.contents = ContentsCount::Ideal;
        explicitAir.vesselCelsius = 20;
        ChargeDuty otherGas = plain;
        otherGas.gas = i % 2 ? Gas::Nitrogen : Gas::Hydrogen;
        otherGas.vesselCelsius = -15;
        const auto a = SearchVesselCharging(plain), b = SearchVesselCharging(explicitAir),
                   c = SearchVesselCharging(otherGas);
        for (int n = 0; n < PumpCount; ++n) {
            ExpectSameBits(a[n], b[n], i);
            ExpectSameBits(a[n], c[n], i);
        }
    }
}

ChargeDuty HydrogenTo5000Psig(ContentsCount contents) {
    ChargeDuty duty{150, 100, 150, 150, 5000, 2};
    duty.gas = Gas::Hydrogen;
    duty.contents = contents;
    return duty;
}

// Ideal density, kg/m3 = p M / (R T), at a gauge pressure and 20 degC.
double IdealHydrogenDensity(double psig) { return AbsoluteBar(psig) * 1e5 * 2.01588e-3 / (8.314462618 * 293.15); }

// The real count takes less hydrogen than the ideal one, by the ratio of the
// rise in real density to the rise in ideal density between the start and
// the final pressure; fill times shrink with it.
TEST(ChargeRealGasTest, HydrogenRealCountTakesLessByTheDensityRatio) {
    const ChargeDuty ideal = HydrogenTo5000Psig(ContentsCount::Ideal);
    const ChargeDuty real = HydrogenTo5000Psig(ContentsCount::RealGas);
    EXPECT_EQ(ChargeCheck(real), DutyCheck::None);
    const double ratio =
        (GasStateAtGauge(Gas::Hydrogen, 5000, 20).densityKgM3 - GasStateAtGauge(Gas::Hydrogen, 150, 20).densityKgM3) /
        (IdealHydrogenDensity(5000) - IdealHydrogenDensity(150));
    EXPECT_NEAR(ratio, 0.81, 0.01) << "hydrogen at 345 bar counts about a fifth less";
    const auto idealRows = SearchVesselCharging(ideal), realRows = SearchVesselCharging(real);
    int listed = 0;
    for (int n = 0; n < PumpCount; ++n) {
        EXPECT_EQ(realRows[n].rejection == Rejection::None, idealRows[n].rejection == Rejection::None) << n + 1;
        if (!realRows[n].Listed()) continue;
        ++listed;
        EXPECT_NEAR(realRows[n].gasDeliveredScf / idealRows[n].gasDeliveredScf, ratio, 2e-6) << n + 1;
        EXPECT_LT(realRows[n].fillMinutes, idealRows[n].fillMinutes) << n + 1;
        EXPECT_LT(realRows[n].driveAirScf, idealRows[n].driveAirScf) << n + 1;
    }
    EXPECT_GT(listed, 0);
}

// Carbon dioxide above its vapour pressure (57.3 bar at 20 degC, 816 psig)
// is refused by every model, with the reason; below it the real count holds
// more than the ideal one (Z < 1).
TEST(ChargeRealGasTest, CarbonDioxideThatWouldLiquefyIsNotListed) {
    ChargeDuty duty{100, 100, 100, 100, 1000, 1};
    duty.gas = Gas::CarbonDioxide;
    for (ContentsCount contents : {ContentsCount::Ideal, ContentsCount::RealGas}) {
        duty.contents = contents;
        for (const ChargeCandidate& c : SearchVesselCharging(duty))
            EXPECT_EQ(c.rejection, Rejection::GasLiquefies) << c.pumpNo;
    }
    const std::string why =
        English(ChargeRejectionText(CatalogueRow(6), duty, EvaluateForCharge(CatalogueRow(6), duty), false));
    EXPECT_EQ(why,
              "Carbon dioxide liquefies at the final pressure of 1000 psig at 68.0 \xC2\xB0"
              "F, at and above "
              "its vapour pressure of 816 psig there");

    duty.finalPsi = 700;
    const auto real = SearchVesselCharging(duty);
    duty.contents = ContentsCount::Ideal;
    const auto ideal = SearchVesselCharging(duty);
    EXPECT_TRUE(real[5].Listed() && ideal[5].Listed());
    EXPECT_GT(real[5].gasDeliveredScf, ideal[5].gasDeliveredScf * 1.1);
}

TEST(ChargeRealGasTest, DutiesOutsideTheModelAreRefused) {
    const struct {
        Gas gas;
        ContentsCount contents;
        double celsius;
        double finalPsi;
        const char* message;
    } cases[] = {
        {Gas::Nitrogen, ContentsCount::RealGas, 61, 3000,
         "Vessel temperature must be from -20 to 60 \xC2\xB0"
         "C"},
        {Gas::Nitrogen, ContentsCount::Ideal, 61, 3000, ""},
        {Gas::CarbonDioxide, ContentsCount::Ideal, -21, 200,
         "Vessel temperature must be from -20 to 60 \xC2\xB0"
         "C"},
        {Gas::Helium, ContentsCount::RealGas, 20, 10200, "Final pressure is above the real-gas model's 700 bar"},
        {Gas::Helium, ContentsCount::RealGas, 20, 10100, ""},
    };
    for (const auto& c : cases) {
        ChargeDuty duty{100, 100, 100, 100, c.finalPsi, 1};
        duty.gas = c.gas;
        duty.contents = c.contents;
        duty.vesselCelsius = c.celsius;
        const std::string message = English(DutyCheckText(ChargeCheck(duty)));
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << message;
        const bool counted = CountVesselGas(duty).refusal == GasRefusal::None;
        EXPECT_EQ(counted, std::string(c.message).empty() || c.contents == ContentsCount::Ideal);
        if (!counted) {
            EXPECT_EQ(EvaluateForCharge(CatalogueRow(14), duty).rejection, Rejection::NoGasCount);
        }
    }
}

TEST(FlowRealGasTest, CarbonDioxideOutletAboveItsVapourPressureIsNotListed) {
    FlowDuty duty{100, 1000, 100, 900, 0.1};
    duty.gas = Gas::CarbonDioxide;
    for (const FlowCandidate& c : SearchContinuousProcess(duty))
        EXPECT_EQ(c.rejection, Rejection::GasLiquefies) << c.pumpNo;
    duty.gasCelsius = 35;  // above its critical temperature: no liquid
    EXPECT_TRUE(EvaluateForFlow(CatalogueRow(6), duty).Listed());
    duty.gasCelsius = 70;
    EXPECT_EQ(English(DutyCheckText(FlowCheck(duty))),
              "Gas temperature must be from -20 to 60 \xC2\xB0"
              "C (-4 to 140 \xC2\xB0"
              "F)!");
}

}  // namespace
}  // namespace zorvik
