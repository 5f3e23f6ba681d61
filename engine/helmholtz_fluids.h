#pragma once
// Coefficients of the residual Helmholtz equations of state the real-gas
// model solves (real_gas.h), one fluid each:
//   alpha_r(delta, tau) = sum of n delta^d tau^t exp(-delta^c)   (no exponential when c = 0)
// with delta = rho / rhoR and tau = TR / T.

#include <span>

#include "gases.h"

namespace zorvik {

struct ResidualTerm {
    double n;
    int d;     // power of delta
    double t;  // power of tau
    int c;     // power of delta in the exponential; 0 for none
};

struct HelmholtzFluid {
    std::span<const ResidualTerm> terms;
    double reducingKelvin;       // TR, K
    double reducingMolPerLitre;  // rhoR, mol/dm3
    double gasConstant;          // R of the equation, J/(mol K)
};

// The equation of every gas but hydrogen, which has its own closed form.
const HelmholtzFluid& HelmholtzFluidOf(Gas gas);

}  // namespace zorvik
