#pragma once
// Output of the flow and fill commands: the listed models with the figures
// the selection window shows (same decimals and units), as an aligned
// table, as CSV, or as JSON that also carries the full-precision numbers.
// The columns follow the application and the units of the run; a gas other
// than air, or a temperature limit, adds its mass flow and discharge
// temperature columns (JSON always has them).

#include <optional>
#include <string>
#include <vector>

#include "gas_options.h"
#include "selection_result.h"

namespace zorvik::cli {

enum class SelectionFormat { Table, Csv, Json };

std::optional<SelectionFormat> ParseSelectionFormat(const std::string& text);

// What the columns follow.
struct OutputKind {
    bool fill = false;    // vessel charging, else a continuous process
    bool metric = false;  // barg, nl/min and litres
    GasOptions gas;
    const Translator* reader = nullptr;  // the language of the nearest model's reason
};

OutputKind KindOf(const SelectionResult& result, const GasOptions& gas);

// Prints a completed run: its rows, or "No selections" in a table.
void PrintSelection(const OutputKind& kind, const SelectionResult& result, SelectionFormat format);

// Prints a run that stopped on a message. Only JSON has a place for it
// ("message"); the message itself goes to stderr.
void PrintStoppedSelection(const OutputKind& kind, const std::string& message, SelectionFormat format);

// One point of a batch file: its line number (the "case"), and the names
// and cells of the columns carried along.
struct BatchPoint {
    int line = 0;
    const std::vector<std::string>& carriedNames;
    const std::vector<std::string>& carried;
};

// Batch output: what goes before the first case (with the names of the
// carried columns), one case (its rows, or the message of a point that
// could not be sized when result is null; a case without rows gets the
// nearest model's reason), and what closes the output.
std::string BatchStart(const OutputKind& kind, const std::vector<std::string>& carriedNames, SelectionFormat format);
std::string BatchCaseText(const OutputKind& kind, const BatchPoint& point, const SelectionResult* result,
                          const std::string& message, SelectionFormat format, bool first);
std::string BatchEnd(SelectionFormat format, bool anyCase);

// Shared with the comparison's batch output.
// `columns` CSV cells, each after a ",": the carried cells, empty where a
// line that could not be read has none.
std::string CarriedCsv(const std::vector<std::string>& cells, std::size_t columns);
// The carried cells as a JSON member ", \"columns\": {...}", or nothing.
std::string CarriedJson(const BatchPoint& point);
// "Case 4" with the carried cells: "Case 4  Customer ref: A-17".
std::string CaseHeading(const BatchPoint& point);

}  // namespace zorvik::cli
