#pragma once
// Water vapour in compressed air: where boosted air starts to condense.
//
// Compressing air at a fixed temperature multiplies the partial pressure of
// its water vapour by the absolute pressure ratio; water condenses once that
// partial pressure reaches the saturation vapour pressure at the air's
// temperature. So air whose dewpoint is Td at absolute pressure P0 stays dry
// at temperature T up to the absolute pressure
//   P = P0 x es(T) / es(Td).
// Pressures may be in any one unit (bar or psi), as long as P0 and the
// atmosphere are in the same one.

namespace zorvik::moisture {

// Saturation vapour pressure over liquid water, hPa, by the Magnus formula
// with the Alduchov-Eskridge coefficients:
//   es(T) = 6.1094 hPa x exp(17.625 T / (T + 243.04)),  T in degC,
// within 0.4 % of the reference tables from -40 to +50 degC. Below 0 degC it
// is the value over supercooled water, which is higher than over ice: a
// sub-zero dewpoint then stands for more vapour than a frost point would, so
// the condensation pressures come out on the safe (low) side.
double SaturationVapourPressureHpa(double celsius);

// The inverse: the dewpoint, degC, of air whose vapour partial pressure is
// `vapourHpa`.
double DewpointC(double vapourHpa);

// Gauge pressure at which air with dewpoint `dewpointC` at gauge pressure
// `dewpointGauge` becomes saturated when compressed at `temperatureC`.
// `atmosphere` is the atmospheric pressure in the unit of the gauge values.
double CondensationGauge(double dewpointC, double dewpointGauge, double temperatureC, double atmosphere);

}  // namespace zorvik::moisture
