#pragma once
// Fixed-point number text as every window, row and printout of the program
// shows it: the value rounded (half away from zero) once, at `decimals`
// places or at `precision` significant digits, whichever comes first, then
// written with exactly `decimals` decimals. When the integer part has more
// digits than `precision`, the number is written in scientific notation
// instead ("1.2345E10").

#include <string>

namespace zorvik {

std::string FormatFixed(double value, int precision, int decimals, char decimalSeparator = '.');

}  // namespace zorvik
