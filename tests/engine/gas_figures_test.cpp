// Mass flow and stage discharge temperatures against figures worked out by
// hand from the textbook relations.

#include <gtest/gtest.h>

#include <cmath>

#include "catalogue.h"
#include "gas_figures.h"

namespace zorvik {
namespace {

constexpr int kSingleStage = 6;  // RB -15
constexpr int kTwoStage = 13;    // RBZ -15/30

// T2 = T1 x r^((k - 1) / k) with the textbook k (air 1.4, helium 5/3,
// carbon dioxide 1.29); 0.5 K covers the difference from the program's k.
TEST(GasFiguresTest, DischargeFollowsTheAdiabaticRelation) {
    const struct {
        Gas gas;
        int model;
        double inletPsi;
        double outletPsi;
        double inletCelsius;
        double stage1;
        double stage2;  // two-stage models only
    } cases[] = {
        {Gas::Air, kSingleStage, 0, 14.5, 20, 84.204, 0},           // ratio 2
        {Gas::Air, kSingleStage, 100, 1130.5, -10, 234.913, 0},     // ratio 10
        {Gas::Helium, kSingleStage, 100, 443.5, 40, 272.076, 0},    // ratio 4
        {Gas::CarbonDioxide, kSingleStage, 0, 29, 20, 102.125, 0},  // ratio 3
        {Gas::Air, kSingleStage, 200, 100, 20, 20, 0},              // outlet below inlet: ratio 1
        {Gas::Air, kTwoStage, 100, 1817.5, 20, 162.469, 374.178},   // ratio 16, 4 per stage
    };
    for (const auto& c : cases) {
        const auto t = DischargeTemperatures(CatalogueRow(c.model), c.gas, c.inletPsi, c.outletPsi, c.inletCelsius);
        ASSERT_TRUE(t);
        EXPECT_NEAR(t->celsius[0], c.stage1, 0.5) << Properties(c.gas).name << " to " << c.outletPsi;
        EXPECT_EQ(t->stages, c.stage2 != 0 ? 2 : 1);
        if (t->stages == 2) {
            EXPECT_NEAR(t->celsius[1], c.stage2, 0.5);
        }
        EXPECT_EQ(t->Highest(), t->celsius[t->stages - 1]);
    }
}

TEST(GasFiguresTest, NoFigureForAnImpossibleInlet) {
    const TPumpRecord& pump = CatalogueRow(kSingleStage);
    EXPECT_FALSE(DischargeTemperatures(pump, Gas::Air, -14.5, 100, 20)) << "inlet at absolute zero pressure";
    EXPECT_FALSE(DischargeTemperatures(pump, Gas::Air, -20, 100, 20));
    EXPECT_FALSE(DischargeTemperatures(pump, Gas::Air, 100, 200, -300));
    EXPECT_FALSE(DischargeTemperatures(pump, Gas::Air, 100, std::nan(""), 20));
}

// 100 scfm is 169.90 m3/h at 14.5 psi absolute and 20 degC; the standard
// densities there come from the same separate evaluation as the real-gas
// tests' table.
TEST(GasFiguresTest, MassFlowOfAStandardFlow) {
    const struct {
        Gas gas;
        double kgPerHour;  // of 100 scfm
    } cases[] = {
        {Gas::Air, 201.88},
        {Gas::Hydrogen, 14.040},
        {Gas::CarbonDioxide, 308.32},
        {Gas::Methane, 112.00},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(MassFlowKgPerHour(c.gas, 100), c.kgPerHour, c.kgPerHour * 5e-4) << Properties(c.gas).name;
        EXPECT_NEAR(MassFlowLbPerHour(c.gas, 100), c.kgPerHour / 0.45359237, c.kgPerHour * 1e-3);
    }
}

}  // namespace
}  // namespace zorvik
