#include "chart_curve_points.h"

#include "chart_scale.h"
#include "performance_model.h"

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

}  // namespace zorvik
