#include "running_cost.h"

#include "units.h"

namespace zorvik {
namespace {

constexpr double kMinutesPerHour = 60;
constexpr double kScfmPerNormalCubicMetrePerMin = 1000 / units::LitresPerCubicFoot;

}  // namespace

double AnnualKwh(const CostSettings& cost, double airScfm) {
    return airScfm / 100 * cost.kwPer100Scfm * cost.hoursPerYear;
}

double KwhPerFill(const CostSettings& cost, double driveAirScf) {
    return driveAirScf / 100 * cost.kwPer100Scfm / kMinutesPerHour;
}

double KwPerNormalCubicMetrePerMin(double kwPer100Scfm) { return kwPer100Scfm / 100 * kScfmPerNormalCubicMetrePerMin; }

double KwPer100ScfmOfMetric(double kwPerNormalCubicMetrePerMin) {
    return kwPerNormalCubicMetrePerMin / kScfmPerNormalCubicMetrePerMin * 100;
}

}  // namespace zorvik
