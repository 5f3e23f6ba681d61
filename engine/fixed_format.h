#pragma once
// Fixed-point number text as every window, row and printout of the program
// shows it: the value rounded (half away from zero) once, at `decimals`
// places or at `precision` significant digits, whichever comes first, then
// written with exactly `decimals` decimals. When the integer part has more
// digits than `precision`, the number is written in scientific notation
// instead ("1.2345E10").

#include <charconv>
#include <concepts>
#include <string>

namespace zorvik {

std::string FormatFixed(double value, int precision, int decimals, char decimalSeparator = '.');

// A text whose numbers are written with "." (the engine's figures and
// sentences), with `separator` in their place: the one point of each number
// ("2.94", "-0.5"). A run with more points (a date, a version) is left
// alone, and so is a model's name: digits joined to a letter ("CRB19") or
// after a hyphen that follows one ("CRB19-2.5").
std::string WithDecimalSeparator(const std::string& text, char separator);

// A count or an index as text ("12", "-3"); a double does not compile.
template <std::integral Whole>
std::string WholeNumber(Whole value) {
    char buffer[24];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(static_cast<const char*>(buffer), end);
}

// The shortest text with a "." that reads back to exactly the same double
// ("68", "20.5", "1e+21"), on every system: for files and machine output.
std::string ShortestNumber(double value);

}  // namespace zorvik
