#pragma once
// Batch sizing: every duty point of a file (see engine/batch_file.h)
// through the same selection as a single run, each point written with its
// line number and the columns carried along.

#include <cstdio>
#include <string>
#include <vector>

#include "arguments.h"
#include "selection_command.h"
#include "selection_output.h"

namespace zorvik::cli {

// How a batch's cases are written.
class BatchWriter {
public:
    virtual ~BatchWriter() = default;
    // What goes before the first case.
    virtual std::string Start(const std::vector<std::string>& carriedNames) = 0;
    // One case: the selection run of a point, or null with the message of a
    // point that could not be sized.
    virtual std::string Case(const BatchPoint& point, const SelectionResult* result, const std::string& message,
                             bool first) = 0;
    virtual std::string End(bool anyCase) = 0;
};

// A batch run: which command's selection sizes each point, with the
// command line's options.
struct BatchJob {
    const char* name;  // the command its messages name
    const SelectionCommandSpec& command;
    const Arguments& parsed;
    std::vector<OptionSpec> options;  // no column may be named like one: it would look as if it applied
    RunOptions run;
    BatchWriter& writer;
};

// Reads the file named by --batch ("-" standard input), sizes every point
// and writes each case through the job's writer to `out`. A point that
// cannot be sized (a bad value, a failed check, a line with the wrong number
// of values) gets its message and the others go on. Exit status 0 when
// every point was read, 1 when some were refused (their number on stderr),
// 2 when the file or its header cannot be read (the reason on stderr).
int SizeBatch(const BatchJob& job, std::FILE* out);

// What --help says of a batch file and its output.
extern const char* const BatchFileHelp;

// The batch of the flow and fill commands, their lists in `format`.
int RunBatch(const SelectionCommandSpec& command, const Arguments& parsed, SelectionFormat format, std::FILE* out);

}  // namespace zorvik::cli
