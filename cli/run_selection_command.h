#pragma once
// The flow and fill commands as a whole: their options checked, then one
// duty point from the options or every point of a batch file.

#include "commands.h"
#include "selection_command.h"

namespace zorvik::cli {

// With --batch FILE ("-" standard input) every line of the file is a duty
// point (see cli/batch_command.h).
// Exit status 0 with rows or none; 2 for a usage error, a refused entry, a
// failed validation or a cancelled question (its message on stderr, and in
// JSON output).
int RunSelectionCommand(const SelectionCommandSpec& command, const Words& args);

}  // namespace zorvik::cli
