#pragma once
// What the flow and fill commands share: option values become the texts of
// the selection window's fields and run through the same entry routine, unit
// conversion and selection procedure as the window; a gas other than the
// catalogue's air then runs the engine's search again with it.

#include <cstdint>
#include <string>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "gas_options.h"
#include "selection_controls.h"
#include "selection_result.h"
#include "session.h"

namespace zorvik::cli {

// An option whose value is the text of one of the window's fields.
struct FieldOption {
    const char* name;  // without "--"
    EntryField* SelectionFields::*field;
    int kind;  // PressureEntry or FlowEntry
};

struct SelectionCommandSpec {
    const char* name;
    std::uint8_t applicationType;
    std::vector<FieldOption> fields;    // all required
    std::vector<const char*> switches;  // of "metric", "ignore-air", "ignore-flow", "no-equalise"
    SelectionResult (*select)(Session& session, const SelectionControls& controls);
};

// What every point of a run shares: the command line's switches and gas.
struct RunOptions {
    bool metric = false;
    bool ignoreAir = false;
    bool ignoreFlow = false;
    GasOptions gas;
    // How an error names the source of a value: "--drive" on the command
    // line, "drive" for a batch file's column.
    const char* namePrefix = "--";
};

// Every option of the command: its fields, switches, gas options,
// --format and --batch.
std::vector<OptionSpec> SelectionOptionSpecs(const SelectionCommandSpec& command);

// The switches of `parsed`, with its gas options (already checked).
RunOptions RunOptionsOf(const Arguments& parsed, const GasOptions& gas);

// Runs the command's selection as the window would, in `session`, on the
// texts of its fields (in the order of command.fields). A text the window
// would refuse stops the run (EntryInvalid) with a message naming its
// option; other messages go through `notices`. The result holds the duty
// read, with the gas. A batch runs its points in one session, as a window
// lists one duty after another: every run reads all it uses afresh.
SelectionResult SelectFromTexts(const SelectionCommandSpec& command, const std::vector<std::string>& texts,
                                const RunOptions& options, Session& session, Notices& notices);

// The message of a run that stopped: the refused value's, the failed
// check's, or the last question's (a Cancel answer).
std::string StopMessage(const SelectionResult& result, const std::string& lastNotice);

// What the flow and fill commands read and print, for the commands that
// run the same selection first.
extern const SelectionCommandSpec FlowSelectionSpec;
extern const SelectionCommandSpec FillSelectionSpec;

}  // namespace zorvik::cli
