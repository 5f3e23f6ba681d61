#pragma once
// The real-gas model: density and compressibility factor of a gas from its
// absolute pressure and temperature, for counting what a vessel holds at high
// pressure, where an ideal-gas count is off by tens of percent.
//
//   Z = p / (rho R T)   (p Pa, rho mol/m3, T K; density kg/m3 = rho x M / 1000)
//
// One published equation per gas, the most accurate whose coefficients this
// program can state exactly:
// - hydrogen: the NIST standardized equation, E. W. Lemmon, M. L. Huber and
//   J. W. Leachman, "Revised standardized equation for hydrogen gas densities
//   for fuel consumption applications", J. Res. NIST 113 (2008) 341-350:
//     Z = 1 + sum over i = 1..9 of a_i (100 K / T)^b_i (p / 1 MPa)^c_i
//   A closed form, made for metering hydrogen fuel up to 70 MPa and fitted to
//   within 0.01 % of the reference equation of Leachman et al. (2009); it
//   gives 24.0 kg/m3 at 35 MPa and 40.2 kg/m3 at 70 MPa, 15 degC.
// - air: the pseudo-pure equation of Lemmon et al. (2000), a dry air of fixed
//   composition (N2 0.7812, O2 0.2096, Ar 0.0092); 0.1 % in density in this
//   range by its authors.
// - nitrogen, oxygen, argon, helium, carbon dioxide, methane: the pure-
//   substance equations of GERG-2008 (Kunz & Wagner, J. Chem. Eng. Data 57
//   (2012) 3032), the ISO 20765-2 standard for natural gas and its
//   components; 0.1 % in gas density up to 35 MPa by its authors, and taken
//   here as 0.5 % up to 70 MPa. Carbon dioxide near its critical point
//   (31 degC, 74 bar) is known to less: allow 1 % there.
// These are residual Helmholtz equations, alpha_r(delta, tau); the density
// is the root of
//   p = rho R T (1 + delta d(alpha_r)/d(delta)),   delta = rho / rhoR, tau = TR / T
// found by Newton's method kept inside a bracket, from the ideal-gas density.
// The coefficients as entered (helmholtz_fluids.cpp) reproduce the fluids'
// critical points, second virial coefficients, normal densities and liquid
// densities at the normal boiling point, and for carbon dioxide its
// saturation state at 20 degC (57.29 bar; 194.2 and 773.4 kg/m3); the tests
// hold the model to published densities.
//
// Range: -20 to 60 degC, absolute pressures above 0 up to 700 bar. Outside
// it, and where the gas would be liquid or two-phase, the answer is a
// refusal, never a number. Only carbon dioxide can liquefy in this range (the
// other gases' critical temperatures lie far below -20 degC): below its
// critical temperature at or above its vapour pressure, which follows the
// ancillary equation of Span & Wagner (J. Phys. Chem. Ref. Data 25 (1996)
// 1509):
//   ln(ps / pc) = (Tc / T) (a1 th + a2 th^1.5 + a3 th^2 + a4 th^4),  th = 1 - T / Tc,
//   a = -7.0602087, 1.9391218, -1.6463597, -3.2995634;
//   Tc = 304.1282 K, pc = 73.773 bar; 57.29 bar at 20 degC.

#include <optional>
#include <string>

#include "gases.h"

namespace zorvik {

inline constexpr double RealGasMinCelsius = -20;
inline constexpr double RealGasMaxCelsius = 60;
inline constexpr double RealGasMaxBar = 700;  // absolute

// Why there is no gas state to give.
enum class GasRefusal {
    None,
    Liquid,                   // liquid or two-phase: at or above the vapour pressure
    TemperatureOutsideModel,  // below -20 or above 60 degC
    PressureOutsideModel,     // absolute pressure not above 0, or above 700 bar
    NoSolution,               // the equation gave no stable gas state (not met in the range)
};

struct GasState {
    double densityKgM3 = 0;
    double compressibility = 1;  // Z
    GasRefusal refusal = GasRefusal::None;

    bool Valid() const { return refusal == GasRefusal::None; }
};

// The gas at an absolute pressure, bar, and a temperature, degC. A valid
// state has a finite, positive density and compressibility.
GasState GasStateAt(Gas gas, double absoluteBar, double celsius);

// Absolute bar of a gauge pressure in the program's units:
//   bar = (psig + 14.5) / 14.50377   (the program's atmosphere and bar)
double AbsoluteBar(double psig);

// GasStateAt(gas, AbsoluteBar(psig), celsius).
GasState GasStateAtGauge(Gas gas, double psig, double celsius);

// The vapour pressure of the gas, bar absolute, at a temperature from its
// triple point up to its critical temperature; nothing where it has none
// (above its critical temperature, or a gas that never liquefies in the
// model's range).
std::optional<double> VapourPressureBar(Gas gas, double celsius);

// True for a gas that can liquefy within the model's range (carbon dioxide):
// its temperature then matters even to the ideal count.
bool CanLiquefy(Gas gas);

// True when the gas is liquid or two-phase at the pressure and temperature.
// Carbon dioxide below its triple point (-56.6 degC) counts as liquefying.
bool Liquefies(Gas gas, double absoluteBar, double celsius);

// The refusal in words, with the figures that cause it: pressures in bar
// absolute and psig, temperatures in degC and degF.
Text GasRefusalText(Gas gas, GasRefusal why, double absoluteBar, double celsius);

}  // namespace zorvik
