#pragma once
// The flow and fill commands as a whole: their options checked, then one
// duty point from the options or every point of a batch file.

#include "commands.h"
#include "selection_command.h"

namespace zorvik::cli {

// With --batch FILE ("-" standard input) every line of the file is a duty
// point (see cli/batch_command.h, also for its exit status).
// Exit status 0 with rows or none; 2 for a usage error, a refused entry, a
// failed validation or a cancelled question (its message on stderr, and in
// JSON output). A gas's safety note goes to stderr after a table or CSV,
// into JSON as "safety_note".
int RunSelectionCommand(const SelectionCommandSpec& command, const Words& args, const Translator* reader);

}  // namespace zorvik::cli
