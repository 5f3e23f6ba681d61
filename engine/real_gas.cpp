#include "real_gas.h"

#include <array>
#include <cmath>

#include "fixed_format.h"
#include "helmholtz_density.h"
#include "hydrogen_density.h"
#include "text.h"
#include "units.h"

namespace zorvik {
namespace {

constexpr double kPascalsPerBar = 1e5;
constexpr double kBarPerMegapascal = 10;

// Carbon dioxide's critical and triple points and the coefficients of its
// vapour pressure: Span & Wagner (1996).
constexpr double kCarbonDioxideCriticalKelvin = 304.1282;
constexpr double kCarbonDioxideCriticalBar = 73.773;
constexpr double kCarbonDioxideTripleKelvin = 216.592;
constexpr std::array<double, 4> kVapourPressureA = {-7.0602087, 1.9391218, -1.6463597, -3.2995634};

GasState Refused(GasRefusal why) {
    GasState state;
    state.refusal = why;
    return state;
}

// ps = pc exp((Tc / T) (a1 th + a2 th^1.5 + a3 th^2 + a4 th^4)), th = 1 - T / Tc
double CarbonDioxideVapourPressureBar(double kelvin) {
    const double th = 1 - kelvin / kCarbonDioxideCriticalKelvin;
    const auto& a = kVapourPressureA;
    const double sum = a[0] * th + a[1] * th * std::sqrt(th) + a[2] * th * th + a[3] * th * th * th * th;
    return kCarbonDioxideCriticalBar * std::exp(kCarbonDioxideCriticalKelvin / kelvin * sum);
}

// Z and density from the gas's own equation, inside the model's range.
GasState SolveEquation(Gas gas, double absoluteBar, double kelvin) {
    const double pascals = absoluteBar * kPascalsPerBar;
    const double molarMass = Properties(gas).molarMass;
    GasState state;
    if (gas == Gas::Hydrogen) {
        state.compressibility = HydrogenCompressibility(absoluteBar / kBarPerMegapascal, kelvin);
        // kg/m3 = p M / (Z R T), M in kg/mol
        state.densityKgM3 = pascals * molarMass / 1000 / (state.compressibility * HydrogenGasConstant * kelvin);
    } else {
        const HelmholtzFluid& fluid = HelmholtzFluidOf(gas);
        const std::optional<double> molPerLitre = HelmholtzMolarDensity(fluid, pascals, kelvin);
        if (!molPerLitre) return Refused(GasRefusal::NoSolution);
        state.densityKgM3 = *molPerLitre * molarMass;  // g/dm3 = kg/m3
        state.compressibility = pascals / (*molPerLitre * 1000 * fluid.gasConstant * kelvin);
    }
    const bool sound = std::isfinite(state.densityKgM3) && state.densityKgM3 > 0 &&
                       std::isfinite(state.compressibility) && state.compressibility > 0;
    return sound ? state : Refused(GasRefusal::NoSolution);
}

std::string Number(double value, int decimals) { return FormatFixed(value, 15, decimals); }

Text PressureWords(double absoluteBar) {
    const double psig = absoluteBar * units::PsiPerBar - units::CatalogueAtmospherePsi;
    return Tr("Gases", "%1 bar absolute (%2 psig)").With({Number(absoluteBar, 1), Number(psig, 0)});
}

std::string TemperatureWords(double celsius) {
    return Number(celsius, 1) +
           " \xC2\xB0"
           "C (" +
           Number(units::FahrenheitOf(celsius), 1) +
           " \xC2\xB0"
           "F)";
}

}  // namespace

GasState GasStateAt(Gas gas, double absoluteBar, double celsius) {
    if (!(celsius >= RealGasMinCelsius && celsius <= RealGasMaxCelsius))
        return Refused(GasRefusal::TemperatureOutsideModel);
    if (!(absoluteBar > 0 && absoluteBar <= RealGasMaxBar)) return Refused(GasRefusal::PressureOutsideModel);
    if (Liquefies(gas, absoluteBar, celsius)) return Refused(GasRefusal::Liquid);
    return SolveEquation(gas, absoluteBar, celsius + units::KelvinAtZeroCelsius);
}

double AbsoluteBar(double psig) { return (psig + units::CatalogueAtmospherePsi) / units::PsiPerBar; }

GasState GasStateAtGauge(Gas gas, double psig, double celsius) { return GasStateAt(gas, AbsoluteBar(psig), celsius); }

std::optional<double> VapourPressureBar(Gas gas, double celsius) {
    const double kelvin = celsius + units::KelvinAtZeroCelsius;
    if (!CanLiquefy(gas) || !(kelvin >= kCarbonDioxideTripleKelvin && kelvin < kCarbonDioxideCriticalKelvin))
        return std::nullopt;
    return CarbonDioxideVapourPressureBar(kelvin);
}

bool CanLiquefy(Gas gas) { return gas == Gas::CarbonDioxide; }

bool Liquefies(Gas gas, double absoluteBar, double celsius) {
    if (!CanLiquefy(gas)) return false;
    const double kelvin = celsius + units::KelvinAtZeroCelsius;
    if (kelvin >= kCarbonDioxideCriticalKelvin) return false;
    if (!(kelvin >= kCarbonDioxideTripleKelvin)) return true;
    return absoluteBar >= CarbonDioxideVapourPressureBar(kelvin);
}

Text GasRefusalText(Gas gas, GasRefusal why, double absoluteBar, double celsius) {
    const Text name = GasDisplayName(gas);
    switch (why) {
        case GasRefusal::None:
            return {};
        case GasRefusal::Liquid: {
            const Text pressure = PressureWords(absoluteBar);
            const std::string temperature = TemperatureWords(celsius);
            const std::optional<double> vapour = VapourPressureBar(gas, celsius);
            if (!vapour)
                return Tr("Gases", "%1 is solid or liquid at %2 and %3, below its triple point")
                    .With({name, pressure, temperature});
            return Tr("Gases", "%1 is liquid or two-phase at %2 and %3: it liquefies from %4 at this temperature")
                .With({name, pressure, temperature, PressureWords(*vapour)});
        }
        case GasRefusal::TemperatureOutsideModel:
            return Tr("Gases", "The real-gas model covers %1 to %2; %3 is outside it")
                .With({TemperatureWords(RealGasMinCelsius), TemperatureWords(RealGasMaxCelsius),
                       TemperatureWords(celsius)});
        case GasRefusal::PressureOutsideModel:
            return Tr("Gases", "The real-gas model covers absolute pressures above 0 up to %1; %2 is outside it")
                .With({PressureWords(RealGasMaxBar), PressureWords(absoluteBar)});
        case GasRefusal::NoSolution:
            return Tr("Gases", "The equation of state of %1 gives no gas state at %2 and %3")
                .With({name, PressureWords(absoluteBar), TemperatureWords(celsius)});
    }
    return {};
}

}  // namespace zorvik
