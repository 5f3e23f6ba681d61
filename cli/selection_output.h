#pragma once
// Output of the flow and fill commands: the listed models with the figures
// the selection window shows (same decimals and units), as an aligned
// table, as CSV, or as JSON that also carries the full-precision numbers.
// The columns follow Shared.ApplicationType and Shared.MetricUnits.

#include <optional>
#include <string>

#include "selection_result.h"

namespace zorvik::cli {

enum class SelectionFormat { Table, Csv, Json };

std::optional<SelectionFormat> ParseSelectionFormat(const std::string& text);

// Prints a completed run: its rows, or "No selections" in a table.
void PrintSelection(const SelectionResult& result, SelectionFormat format);

// Prints a run that stopped on a message. Only JSON has a place for it
// ("message"); the message itself has gone to stderr already.
void PrintStoppedSelection(const std::string& message, SelectionFormat format);

}  // namespace zorvik::cli
