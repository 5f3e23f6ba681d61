#pragma once
// Batch sizing: every duty point of a CSV file through the same selection
// as a single run, each point's rows written with its line number.

#include <cstdio>

#include "arguments.h"
#include "selection_command.h"
#include "selection_output.h"

namespace zorvik::cli {

// Reads the file named by --batch ("-" standard input) and writes every
// case to `out`. A point that cannot be sized (a bad value, a failed check,
// a line with the wrong number of values) gets its message and the others
// go on. Exit status 0 when every point was sized, 2 otherwise or when the
// file or its header cannot be read (message on stderr).
int RunBatch(const SelectionCommandSpec& command, const Arguments& parsed, SelectionFormat format, std::FILE* out);

}  // namespace zorvik::cli
