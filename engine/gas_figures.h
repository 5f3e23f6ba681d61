#pragma once
// Figures of a duty point that depend on the gas: the mass it delivers and
// how hot each stage's compression makes it.
//
// Standard conditions: the catalogue's standard volume is the volume at the
// program's atmosphere, 14.5 psi absolute (0.9997 bar), and this program
// takes 20 degC (68 degF) as its temperature, the reference of free-air
// figures (ISO 1217: 1 bar, 20 degC). The standard density is the gas's real
// density there (real_gas.h), within 0.5 % of the ideal-gas one for every
// gas held.

#include <array>
#include <optional>

#include "catalogue.h"
#include "gases.h"

namespace zorvik {

inline constexpr double StandardCelsius = 20;

// Density at standard conditions, kg/m3.
double StandardDensityKgM3(Gas gas);

// Mass flow of a standard flow:
//   kg/h = scfm x 0.028316846592 m3/ft3 x 60 min/h x standard density
//   lb/h = kg/h / 0.45359237 kg/lb
// (the international foot and pound, 1959).
double MassFlowKgPerHour(Gas gas, double scfm);
double MassFlowLbPerHour(Gas gas, double scfm);

// Discharge temperature of each stage, degC, adiabatic and without any
// cooling, from the gas inlet temperature T1 and each stage's absolute
// pressure ratio r (absolute = psig + 14.5, r never below 1):
//   T2 = T1 x r^((k - 1) / k),  T in K, k = cp/cv of the ideal gas.
// A two-stage model compresses to the interstage pressure, the geometric
// mean of the absolute inlet and outlet pressures (equal stage ratios, the
// split a two-stage design aims at; the catalogue gives the interstage only
// as a stall limit), and its second stage starts from the first stage's
// discharge temperature. No heat leaves, so the last stage's figure is an
// upper bound for the whole compression, whatever the interstage pressure.
struct StageTemperatures {
    int stages = 1;
    std::array<double, 2> celsius{};  // stage 1, and stage 2 of a two-stage model

    double Highest() const { return celsius[stages - 1]; }
};

// Nothing for an inlet at or below absolute zero pressure or temperature,
// or a figure that is not a number.
std::optional<StageTemperatures> DischargeTemperatures(const TPumpRecord& pump, Gas gas, double inletPsi,
                                                       double outletPsi, double inletCelsius);

// A model is marked when its bound exceeds the temperature limit, degC; no
// limit, no mark.
bool ExceedsTemperatureLimit(const StageTemperatures& stages, std::optional<double> limitCelsius);

}  // namespace zorvik
