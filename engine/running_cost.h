#pragma once
// What the drive air costs to make: a compressor's specific power turns an
// air flow into electrical energy, the price into money. Air flows scfm,
// energy kWh; the price carries no currency.

namespace zorvik {

struct CostSettings {
    double kwPer100Scfm = 18;    // compressor specific power
    double hoursPerYear = 4000;  // running hours of a continuous process
    double pricePerKwh = 0.15;
    bool inletIsPlantAir = false;  // the gas boosted comes from the same compressed-air supply

    bool operator==(const CostSettings&) const = default;
};

// The highest settings the program takes, in the windows and on the command
// line alike: a year has at most 8784 hours (a leap year).
inline constexpr double MaxKwPer100Scfm = 1000;
inline constexpr double MaxHoursPerYear = 8784;
inline constexpr double MaxPricePerKwh = 1000;

// Continuous process. `airScfm` is the air the compressor makes: the drive
// air, plus the outlet flow when the gas boosted is plant air (the caller
// knows the gas):
//   kWh a year = air / 100 x kW per 100 scfm x hours.
double AnnualKwh(const CostSettings& cost, double airScfm);

// Vessel charging: kWh a fill = total drive air scf / 100 x kW per 100 scfm / 60.
double KwhPerFill(const CostSettings& cost, double driveAirScf);

inline double CostOf(const CostSettings& cost, double kwh) { return kwh * cost.pricePerKwh; }

// The specific power as metric users quote it, kW per n.m3/min, and back:
// 1 n.m3/min = 1000 / 28.316847 scfm.
double KwPerNormalCubicMetrePerMin(double kwPer100Scfm);
double KwPer100ScfmOfMetric(double kwPerNormalCubicMetrePerMin);

}  // namespace zorvik
