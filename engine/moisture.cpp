#include "moisture.h"

#include <cmath>

namespace zorvik::moisture {
namespace {
constexpr double MagnusHpa = 6.1094;
constexpr double MagnusB = 17.625;
constexpr double MagnusC = 243.04;  // degC
}  // namespace

double SaturationVapourPressureHpa(double celsius) {
    return MagnusHpa * std::exp(MagnusB * celsius / (celsius + MagnusC));
}

double DewpointC(double vapourHpa) {
    const double l = std::log(vapourHpa / MagnusHpa);
    return MagnusC * l / (MagnusB - l);
}

double CondensationGauge(double dewpointC, double dewpointGauge, double temperatureC, double atmosphere) {
    const double ratio = SaturationVapourPressureHpa(temperatureC) / SaturationVapourPressureHpa(dewpointC);
    return (dewpointGauge + atmosphere) * ratio - atmosphere;
}

}  // namespace zorvik::moisture
