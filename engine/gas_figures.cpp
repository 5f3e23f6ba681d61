#include "gas_figures.h"

#include <algorithm>
#include <cmath>

#include "real_gas.h"
#include "units.h"

namespace zorvik {
namespace {

constexpr double kCubicMetresPerCubicFoot = 0.028316846592;
constexpr double kKilogramsPerPound = 0.45359237;
constexpr double kMinutesPerHour = 60;

// T2 = T1 x r^((k - 1) / k), degC in and out.
double AdiabaticDischarge(double inletCelsius, double ratio, double k) {
    return (inletCelsius + units::KelvinAtZeroCelsius) * std::pow(ratio, (k - 1) / k) - units::KelvinAtZeroCelsius;
}

}  // namespace

double StandardDensityKgM3(Gas gas) { return GasStateAt(gas, AbsoluteBar(0), StandardCelsius).densityKgM3; }

double MassFlowKgPerHour(Gas gas, double scfm) {
    return scfm * kCubicMetresPerCubicFoot * kMinutesPerHour * StandardDensityKgM3(gas);
}

double MassFlowLbPerHour(Gas gas, double scfm) { return MassFlowKgPerHour(gas, scfm) / kKilogramsPerPound; }

std::optional<StageTemperatures> DischargeTemperatures(const TPumpRecord& pump, Gas gas, double inletPsi,
                                                       double outletPsi, double inletCelsius) {
    const double k = Properties(gas).HeatCapacityRatio();
    const double inlet = inletPsi + units::CatalogueAtmospherePsi;
    const double outlet = std::max(outletPsi + units::CatalogueAtmospherePsi, inlet);
    if (!(inlet > 0 && std::isfinite(outlet) && inletCelsius > -units::KelvinAtZeroCelsius &&
          std::isfinite(inletCelsius)))
        return std::nullopt;
    StageTemperatures t;
    if (pump.Stages != 2) {
        t.celsius[0] = AdiabaticDischarge(inletCelsius, outlet / inlet, k);
        return t;
    }
    const double interstage = std::sqrt(inlet * outlet);
    t.stages = 2;
    t.celsius[0] = AdiabaticDischarge(inletCelsius, interstage / inlet, k);
    t.celsius[1] = AdiabaticDischarge(t.celsius[0], outlet / interstage, k);
    return t;
}

bool ExceedsTemperatureLimit(const StageTemperatures& stages, std::optional<double> limitCelsius) {
    return limitCelsius && stages.Highest() > *limitCelsius;
}

}  // namespace zorvik
