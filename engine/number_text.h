#pragma once
// Reading numbers typed by the user. The decimal point is always ".",
// whatever the system settings say, so files and fields read the same
// everywhere.

#include <optional>
#include <string>
#include <string_view>

namespace zorvik {

// A complete decimal number: optional + or - sign, digits with an optional
// "." and fraction digits (at least one digit in all), optional exponent
// (E or e, optional sign, digits). Anything else - blanks included, "inf",
// "nan", hex, a comma - and any number too large for a double is not a
// number. A number too small for a double reads as 0.
std::optional<double> ParseNumber(std::string_view text);

// The largest number a duty field takes (psig, barg, scfm, litres, cubic
// feet): far beyond any amplifier's duty, and small enough that every
// figure computed from it - a fill's minutes, its energy, a year's cost -
// stays a finite number.
inline constexpr double LargestEntry = 1e9;

// A number as a duty field takes it: ParseNumber's, not below zero (nor
// any text starting with "-", so "-0" too), at most LargestEntry.
std::optional<double> ParseDutyNumber(std::string_view text);

// A temperature as a field takes it: ParseNumber's, below zero too, no
// further from zero than LargestEntry.
std::optional<double> ParseTemperatureNumber(std::string_view text);

// A whole decimal number with an optional sign that fits in 32 bits.
std::optional<int> ParseWholeNumber(std::string_view text);

// The text as the entry routines read it: with `separator` in place of "."
// when that makes it a number, otherwise exactly as typed (so a message
// quotes what the user sees).
std::string EntryNumberText(const std::string& typed, char separator);

// Removes every blank (code 32 only) from the end of text; tabs stay.
void TrimTrailingBlanks(std::string& text);

// Removes every blank (code 32 only) from the start of text.
void TrimLeadingBlanks(std::string& text);

}  // namespace zorvik
