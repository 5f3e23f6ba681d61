#include <gtest/gtest.h>

#include "catalogue.h"
#include "chart_curve_points.h"
#include "chart_scale.h"
#include "performance_model.h"

namespace zorvik {
namespace {

// What a reader of the chart's table relies on, for every model on both
// charts: each curve runs from its inlet pressure, where it delivers most,
// to the stall, where it delivers nothing; the curves fall from the top
// inlet pressure and stay within the model's inlet range.
TEST(ChartCurvePointsTest, EveryCurveRunsFromItsInletToTheStall) {
    const struct {
        double drivePsi;
        double inletScale;
        bool bar;
    } settings[] = {{90, 1.0, false}, {90, 1.0, true}, {60, 0.5, false}, {120, 0.8, true}};
    for (int model = 1; model <= PumpCount; ++model) {
        const TPumpRecord& pump = CatalogueRow(model);
        for (const auto& s : settings) {
            const double top = pump.GraphInletPsi * s.inletScale;
            const std::vector<InletCurvePoints> curves = ChartInletCurves(pump, s.drivePsi, top, s.bar);
            const std::string where = "model " + std::to_string(model) + " at " + std::to_string(s.drivePsi);
            ASSERT_FALSE(curves.empty()) << where;
            EXPECT_LE(curves.size(), pump.InletIsDriveAir ? 1u : 5u) << where;
            EXPECT_EQ(curves.front().inletPsi, pump.InletIsDriveAir ? s.drivePsi : top) << where;
            for (std::size_t c = 0; c < curves.size(); ++c) {
                const InletCurvePoints& curve = curves[c];
                if (c > 0) {
                    EXPECT_LT(curve.inletPsi, curves[c - 1].inletPsi) << where;
                }
                EXPECT_GE(curve.inletPsi, pump.MinInletPsi) << where;
                ASSERT_EQ(curve.points.size(), static_cast<std::size_t>(InletCurveSteps + 1)) << where;
                EXPECT_EQ(curve.points.front()[0], curve.inletPsi) << where;
                EXPECT_NEAR(curve.points.back()[0], StallOutletPsi(pump, s.drivePsi, curve.inletPsi), 1e-9) << where;
                EXPECT_LE(curve.points.back()[1], 0.0011) << where;
                for (std::size_t i = 1; i < curve.points.size(); ++i)
                    EXPECT_LE(curve.points[i][1], curve.points[i - 1][1] + 1e-9) << where << " point " << i;
            }
        }
    }
}

// The air-use levels of models 5-14: more air drives the model faster, so a
// higher level meets each inlet curve at a lower outlet pressure, where the
// model delivers more; each point's flow is the model's at that outlet.
TEST(ChartCurvePointsTest, HigherAirUseLevelsMeetTheCurvesLowerDown) {
    for (const auto& [model, drivePsi] : {std::pair{6, 100.0}, {10, 80.0}, {13, 120.0}}) {
        const TPumpRecord& pump = CatalogueRow(model);
        const std::array<double, 5> inlets = InletPressures(pump.GraphInletPsi, false);
        const auto levels = ChartAirUseLevels(pump, drivePsi, inlets, false);
        for (int k = ChartLowestAirUseLevel + 1; k <= ChartHighestAirUseLevel; ++k) {
            const AirUseLevelPoints& lower = levels[k - 1];
            const AirUseLevelPoints& higher = levels[k];
            if (!(higher.outletPsi[0] > inlets[0])) break;  // off the chart from here
            EXPECT_LE(higher.outletPsi[0], lower.outletPsi[0]) << model << " level " << k;
            EXPECT_GE(higher.flowScfm[0], lower.flowScfm[0]) << model << " level " << k;
            EXPECT_DOUBLE_EQ(higher.flowScfm[0], OutletFlow(pump, {drivePsi, inlets[0], higher.outletPsi[0]}).flowScfm);
        }
    }
}

}  // namespace
}  // namespace zorvik
