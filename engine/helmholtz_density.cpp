#include "helmholtz_density.h"

#include <array>
#include <cmath>
#include <limits>

namespace zorvik {
namespace {

constexpr std::size_t kMaxTerms = 24;  // the longest equation held
constexpr int kMaxPower = 12;          // highest power of delta in any term or exponential, plus one
constexpr int kMaxExponential = 6;     // highest c
constexpr int kMaxIterations = 80;
// Converged once a step is below this share of delta: Newton's convergence
// is quadratic, so the step taken then leaves an error far below it.
constexpr double kRelativeStep = 1e-9;

// What one temperature fixes: n tau^t of every term, and which powers c the
// exponentials take, so only those are worked out.
struct Isotherm {
    std::array<double, kMaxTerms> coefficient{};
    std::array<bool, kMaxExponential + 1> exponentialUsed{};
};

Isotherm AtTemperature(const HelmholtzFluid& fluid, double kelvin) {
    const double logTau = std::log(fluid.reducingKelvin / kelvin);
    Isotherm isotherm;
    for (std::size_t k = 0; k < fluid.terms.size(); ++k) {
        const ResidualTerm& term = fluid.terms[k];
        isotherm.coefficient[k] = term.n * std::exp(term.t * logTau);
        isotherm.exponentialUsed[term.c] = true;
    }
    return isotherm;
}

// delta d(alpha_r)/d(delta) and delta^2 d2(alpha_r)/d(delta)2 at one delta.
// For one term a delta^d e, with a = n tau^t, e = exp(-delta^c) and
// g = d - c delta^c:
//   delta  d/d(delta):    a delta^d e g
//   delta^2 d2/d(delta)2: a delta^d e (g (g - 1) - c^2 delta^c)
struct DeltaDerivatives {
    double first = 0;
    double second = 0;
};

DeltaDerivatives Derivatives(const HelmholtzFluid& fluid, const Isotherm& isotherm, double delta) {
    std::array<double, kMaxPower> power{};
    power[0] = 1;
    for (int i = 1; i < kMaxPower; ++i) power[i] = power[i - 1] * delta;
    std::array<double, kMaxExponential + 1> exponential{};
    for (int c = 1; c <= kMaxExponential; ++c)
        if (isotherm.exponentialUsed[c]) exponential[c] = std::exp(-power[c]);

    DeltaDerivatives sum;
    for (std::size_t k = 0; k < fluid.terms.size(); ++k) {
        const ResidualTerm& term = fluid.terms[k];
        const double base = isotherm.coefficient[k] * power[term.d];
        if (term.c == 0) {
            sum.first += base * term.d;
            sum.second += base * (term.d * (term.d - 1));
            continue;
        }
        const double cDeltaC = term.c * power[term.c];
        const double g = term.d - cDeltaC;
        const double weighted = base * exponential[term.c];
        sum.first += weighted * g;
        sum.second += weighted * (g * (g - 1) - term.c * cDeltaC);
    }
    return sum;
}

}  // namespace

std::optional<double> HelmholtzMolarDensity(const HelmholtzFluid& fluid, double pascals, double kelvin) {
    if (fluid.terms.empty() || fluid.terms.size() > kMaxTerms) return std::nullopt;
    const Isotherm isotherm = AtTemperature(fluid, kelvin);

    // p / (rhoR R T), the ideal-gas delta and the first iterate.
    const double target = pascals / (fluid.reducingMolPerLitre * 1000 * fluid.gasConstant * kelvin);
    double delta = target;
    double low = 0;
    double high = std::numeric_limits<double>::infinity();
    for (int i = 0; i < kMaxIterations; ++i) {
        const DeltaDerivatives a = Derivatives(fluid, isotherm, delta);
        const double residual = delta * (1 + a.first) - target;
        const double slope = 1 + 2 * a.first + a.second;  // d(residual)/d(delta)
        if (residual < 0)
            low = delta;
        else
            high = delta;
        double next = delta - residual / slope;
        if (!(slope > 0) || !(next > low && next < high)) next = std::isinf(high) ? 2 * delta : (low + high) / 2;
        if (std::abs(next - delta) <= kRelativeStep * delta) {
            if (!(slope > 0) || !std::isfinite(next)) return std::nullopt;
            return next * fluid.reducingMolPerLitre;
        }
        delta = next;
    }
    return std::nullopt;
}

}  // namespace zorvik
