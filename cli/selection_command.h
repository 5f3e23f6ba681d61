#pragma once
// What the flow and fill commands share: option values become the texts of
// the selection window's fields and run through the same entry routine, unit
// conversion and selection procedure as the window.

#include <cstdint>
#include <string>
#include <vector>

#include "commands.h"
#include "selection_controls.h"
#include "selection_result.h"
#include "session.h"

namespace zorvik::cli {

// An option whose value is the text of one of the window's fields.
struct FieldOption {
    const char* name;  // without "--"
    EntryField* SelectionFields::*field;
};

struct SelectionCommandSpec {
    const char* name;
    std::uint8_t applicationType;
    std::vector<FieldOption> fields;    // all required
    std::vector<const char*> switches;  // of "metric", "ignore-air", "ignore-flow", "no-equalise"
    SelectionResult (*select)(Session& session, const SelectionControls& controls);
};

struct Arguments;

// Runs the command's selection as the window would, in `session`, on the
// texts of its fields (in the order of command.fields), with the switches
// of `parsed` (metric, ignore-air, ignore-flow). Messages go through
// `notices`; the result holds the duty read. A batch runs its points in one
// session, as a window lists one duty after another: every run reads all it
// uses afresh.
SelectionResult SelectFromTexts(const SelectionCommandSpec& command, const std::vector<std::string>& texts,
                                const Arguments& parsed, Session& session, Notices& notices);

// What the flow and fill commands read and print, for the commands that
// run the same selection first.
extern const SelectionCommandSpec FlowSelectionSpec;
extern const SelectionCommandSpec FillSelectionSpec;

}  // namespace zorvik::cli
