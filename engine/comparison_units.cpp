#include "comparison_units.h"

#include <cmath>

#include "fixed_format.h"
#include "text.h"
#include "units.h"

namespace zorvik {
namespace {

constexpr int kPrecision = 7;

std::string Fixed(double value, int decimals) { return FormatFixed(value, kPrecision, decimals); }

std::string WithUnit(const std::string& number, const char* unit) { return number + " " + unit; }

// Normal cubic metres from standard cubic feet, as the list converts them.
double NormalCubicMetres(double scf) { return scf * units::LitresPerCubicFoot / 1000; }

}  // namespace

const char* PressureUnit(bool metric) { return metric ? "barg" : "psig"; }
const char* GasFlowUnit(bool metric) { return metric ? "nl/min" : "scfm"; }
const char* DriveAirUnit(bool metric) { return metric ? "n.m3/min" : "scfm"; }
const char* AirAmountUnit(bool metric) { return metric ? "n.m3" : "scf"; }
const char* TemperatureUnit(bool metric) {
    return metric ? "\xC2\xB0"
                    "C"
                  : "\xC2\xB0"
                    "F";
}
const char* MassFlowUnit(bool metric) { return metric ? "kg/h" : "lb/h"; }

std::string PressureNumber(double psig, bool metric) {
    return metric ? Fixed(psig / units::PsiPerBar, 1) : Fixed(psig, 0);
}

std::string PressureDifferenceNumber(double psi, bool metric) { return PressureNumber(psi, metric); }

// The list's decimals: chosen on the scfm value in both unit systems.
std::string GasFlowNumber(double scfm, bool metric) {
    if (metric) return Fixed(scfm * units::LitresPerCubicFoot, std::fabs(scfm) < 10 ? 1 : 0);
    return Fixed(scfm, std::fabs(scfm) < 10 ? 2 : 1);
}

std::string DriveAirNumber(double scfm, bool metric) {
    if (metric) return Fixed(NormalCubicMetres(scfm), std::fabs(scfm) < 20 ? 2 : 1);
    return Fixed(scfm, std::fabs(scfm) < 20 ? 1 : 0);
}

std::string AirAmountNumber(double scf, bool metric) {
    return metric ? Fixed(NormalCubicMetres(scf), 1) : Fixed(scf, 0);
}

std::string MinutesNumber(double minutes) { return Fixed(minutes, std::fabs(minutes) < 10 ? 1 : 0); }

std::string PressureText(double psig, bool metric) {
    return WithUnit(PressureNumber(psig, metric), PressureUnit(metric));
}

std::string PressureDifferenceText(double psi, bool metric) {
    return WithUnit(PressureDifferenceNumber(psi, metric), metric ? "bar" : "psi");
}

std::string GasFlowText(double scfm, bool metric) { return WithUnit(GasFlowNumber(scfm, metric), GasFlowUnit(metric)); }

std::string DriveAirText(double scfm, bool metric) {
    return WithUnit(DriveAirNumber(scfm, metric), DriveAirUnit(metric));
}

std::string AirAmountText(double scf, bool metric) {
    return WithUnit(AirAmountNumber(scf, metric), AirAmountUnit(metric));
}

Text MinutesText(double minutes) { return Tr("Comparison", "%1 minutes").With({MinutesNumber(minutes)}); }

// degF = degC x 9 / 5 + 32; whole degrees.
std::string TemperatureNumber(double celsius, bool metric) {
    return FormatFixed(metric ? celsius : units::FahrenheitOf(celsius), 7, 0);
}

std::string TemperatureText(double celsius, bool metric) {
    return WithUnit(TemperatureNumber(celsius, metric), TemperatureUnit(metric));
}

// lb/h = kg/h / 0.45359237.
std::string MassFlowNumber(double kgPerHour, bool metric) {
    return FormatFixed(metric ? kgPerHour : kgPerHour / 0.45359237, 7, 2);
}

std::string MassFlowText(double kgPerHour, bool metric) {
    return WithUnit(MassFlowNumber(kgPerHour, metric), MassFlowUnit(metric));
}

}  // namespace zorvik
