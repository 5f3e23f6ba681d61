#pragma once
// Numbers of the comparison as the selection window shows them, with their
// unit: psig or barg, scfm or nl/min for the gas, scfm or n.m3/min for the
// drive air, scf or n.m3 for an amount of air.

#include <string>

#include "text.h"

namespace zorvik {

std::string PressureText(double psig, bool metric);           // "3000 psig", "206.8 barg"
std::string PressureDifferenceText(double psi, bool metric);  // "500 psi", "34.5 bar"
std::string GasFlowText(double scfm, bool metric);            // list decimals: "1.30 scfm", "36.8 nl/min"
std::string DriveAirText(double scfm, bool metric);           // "75.5 scfm", "2.14 n.m3/min"
std::string AirAmountText(double scf, bool metric);           // "412 scf", "11.7 n.m3"
Text MinutesText(double minutes);                             // "12.4 min"
std::string TemperatureText(double celsius, bool metric);     // "89 \u00B0C", "192 \u00B0F"
std::string MassFlowText(double kgPerHour, bool metric);      // "3.21 kg/h", "7.08 lb/h"

// The bare number of the same texts, for table cells whose heading names the unit.
std::string PressureNumber(double psig, bool metric);
std::string PressureDifferenceNumber(double psi, bool metric);
std::string GasFlowNumber(double scfm, bool metric);
std::string DriveAirNumber(double scfm, bool metric);
std::string AirAmountNumber(double scf, bool metric);
std::string MinutesNumber(double minutes);
std::string TemperatureNumber(double celsius, bool metric);
std::string MassFlowNumber(double kgPerHour, bool metric);

const char* PressureUnit(bool metric);
const char* GasFlowUnit(bool metric);
const char* DriveAirUnit(bool metric);
const char* AirAmountUnit(bool metric);
const char* TemperatureUnit(bool metric);  // UTF-8 "\u00B0C" or "\u00B0F"
const char* MassFlowUnit(bool metric);

}  // namespace zorvik
