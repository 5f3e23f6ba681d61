#include "hydrogen_density.h"

#include <array>
#include <cmath>

namespace zorvik {
namespace {

struct Term {
    double a;
    double b;  // power of 100 K / T
    double c;  // power of p / 1 MPa
};

// The paper's table of coefficients for hydrogen.
// clang-format off
constexpr std::array<Term, 9> kTerms = {{
    // a                b      c
    { 0.05888460,       1.325, 1.0 },
    {-0.06136111,       1.87,  1.0 },
    {-0.002650473,      2.5,   2.0 },
    { 0.002731125,      2.8,   2.0 },
    { 0.001802374,      2.938, 2.42},
    {-0.001150707,      3.14,  2.63},
    { 0.958852e-4,      3.37,  3.0 },
    {-0.1109040e-6,     3.75,  4.0 },
    { 0.1264403e-9,     4.0,   5.0 },
}};
// clang-format on

}  // namespace

double HydrogenCompressibility(double megapascals, double kelvin) {
    const double logInverseT = std::log(100 / kelvin);
    const double logP = std::log(megapascals);
    double z = 1;
    for (const Term& term : kTerms) z += term.a * std::exp(term.b * logInverseT + term.c * logP);
    return z;
}

}  // namespace zorvik
