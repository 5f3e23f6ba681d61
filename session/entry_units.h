#pragma once
// The text side of the selection window's entry fields, without Qt: how a
// text typed with the system's decimal separator reaches the entry
// routines, and what a field holds after a unit switch. The window (see
// selection_entry.h) hands its line edits' texts to these.

#include <optional>
#include <string>

#include "number_text.h"
#include "numeric_entry.h"

namespace zorvik {

// The text of a field after a unit switch: the value, parsed from the text
// as it stands, converted with MetricUnits already switched (toMetric):
//   pressure  psig -> barg  value / 14.50377, 1 decimal;  barg -> psig  value x 14.50377, 0 decimals
//   flow/vol  scfm -> nl/min, ft3 -> litres  value / 0.03531466621266132, 1 decimal;
//             back  value x 0.03531466621266132, 1 decimal
// written fixed-point with up to 10 significant digits. Nothing when the
// text is not a number, or when its value converted is more than a double
// holds (the field would otherwise show "INF", which nothing reads back).
std::optional<std::string> ConvertedEntryText(const std::string& text, EntryKind kind, bool toMetric, char separator);

// The text of a temperature field after a unit switch, toMetric as above:
//   degF -> degC  (value - 32) x 5 / 9, 1 decimal;  degC -> degF  value x 9 / 5 + 32, 0 decimals.
// Nothing when the text is not a number.
std::optional<std::string> ConvertedTemperatureText(const std::string& text, bool toMetric, char separator);

}  // namespace zorvik
