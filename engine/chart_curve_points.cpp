#include "chart_curve_points.h"

#include "chart_scale.h"
#include "performance_model.h"
#include "units.h"

namespace zorvik {
namespace {

std::vector<std::array<double, 2>> CurvePoints(const TPumpRecord& pump, double drivePsi, double inletPsi) {
    const double stall = StallOutletPsi(pump, drivePsi, inletPsi);
    const double step = (stall - inletPsi) / InletCurveSteps;
    std::vector<std::array<double, 2>> points;
    for (int i = 0; i <= InletCurveSteps; ++i) {
        const double outlet = inletPsi + i * step;
        points.push_back({outlet, OutletFlow(pump, {drivePsi, inletPsi, outlet}).flowScfm});
    }
    return points;
}

}  // namespace

std::vector<InletCurvePoints> ChartInletCurves(const TPumpRecord& pump, double drivePsi, double topInletPsi,
                                               bool barMode) {
    std::array<double, 5> inlets = InletPressures(topInletPsi, barMode);
    if (pump.InletIsDriveAir) inlets[0] = drivePsi;
    std::vector<InletCurvePoints> curves;
    for (int j = 0; j < 5; ++j) {
        if (inlets[j] < pump.MinInletPsi) break;
        if (inlets[j] < 0) continue;
        curves.push_back({j, inlets[j], CurvePoints(pump, drivePsi, inlets[j])});
        if (pump.InletIsDriveAir) break;
    }
    return curves;
}

std::array<AirUseLevelPoints, ChartHighestAirUseLevel + 1> ChartAirUseLevels(const TPumpRecord& pump, double drivePsi,
                                                                             const std::array<double, 5>& inlets,
                                                                             bool barMode) {
    const SpeedRow row = FindSpeedRow(pump, drivePsi);
    const AirUseBySpeedTable airUseBySpeed = FillAirUseBySpeed(pump, drivePsi, 0, 0);
    std::array<AirUseLevelPoints, ChartHighestAirUseLevel + 1> levels{};
    for (int k = ChartHighestAirUseLevel; k >= ChartLowestAirUseLevel; --k) {
        const double airUse = barMode ? 10.0 * k * units::ChartNormalPerStandard : 10.0 * k;
        for (int j = 0; j < 5; ++j) {
            levels[k].outletPsi[j] = OutletAtAirUse(pump, row, airUseBySpeed, airUse, inlets[j]);
            levels[k].flowScfm[j] = OutletFlow(pump, {drivePsi, inlets[j], levels[k].outletPsi[j]}).flowScfm;
        }
    }
    return levels;
}

}  // namespace zorvik
