#pragma once
// Density from pressure and temperature on a residual Helmholtz equation of
// state (helmholtz_fluids.h): the root of
//   p / (rhoR R T) = delta (1 + delta d(alpha_r)/d(delta))
// by Newton's method from the ideal-gas density, kept inside the bracket of
// the iterates met so far (bisecting when a step would leave it), so it also
// converges where the isotherm is nearly flat close to a critical point.
// From the ideal-gas density a gas-phase iterate never crosses into the
// liquid: below the critical temperature the isotherm is concave up to the
// vapour root.

#include <optional>

#include "helmholtz_fluids.h"

namespace zorvik {

// The molar density, mol/dm3, of the gas phase at p Pa and T K; nothing when
// no stable root turns up (a derivative that is not positive at the root, or
// no convergence), which callers treat as no gas state.
std::optional<double> HelmholtzMolarDensity(const HelmholtzFluid& fluid, double pascals, double kelvin);

}  // namespace zorvik
