#pragma once
// Output of the flow and fill commands: the listed models with the figures
// the selection window shows (same decimals and units), as an aligned
// table, as CSV, or as JSON that also carries the full-precision numbers.
// The columns follow the application and the units of the run.

#include <optional>
#include <string>

#include "selection_result.h"

namespace zorvik::cli {

enum class SelectionFormat { Table, Csv, Json };

std::optional<SelectionFormat> ParseSelectionFormat(const std::string& text);

// What the columns follow.
struct OutputKind {
    bool fill = false;    // vessel charging, else a continuous process
    bool metric = false;  // barg, nl/min and litres
};

OutputKind KindOf(const SelectionResult& result);

// Prints a completed run: its rows, or "No selections" in a table.
void PrintSelection(const SelectionResult& result, SelectionFormat format);

// Prints a run that stopped on a message. Only JSON has a place for it
// ("message"); the message itself has gone to stderr already.
void PrintStoppedSelection(const OutputKind& kind, const std::string& message, SelectionFormat format);

// Batch output: what goes before the first case, one case (its rows, or
// the message of a point that could not be sized when result is null) with
// the line number as its "case", and what closes the output.
std::string BatchStart(const OutputKind& kind, SelectionFormat format);
std::string BatchCaseText(const OutputKind& kind, int line, const SelectionResult* result, const std::string& message,
                          SelectionFormat format, bool first);
std::string BatchEnd(SelectionFormat format, bool anyCase);

}  // namespace zorvik::cli
