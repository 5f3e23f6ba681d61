#pragma once
// Steps every selection run starts with: take the option boxes, read the
// layout's fields in order, report a failed validation.

#include <initializer_list>
#include <string>

#include "selection_controls.h"
#include "selection_result.h"

namespace zorvik {

// Sets Shared.IgnoreAirAvailable and Shared.IgnoreFlowRate from the two
// option boxes; every run does so before it reads a field, whether or not
// it uses them.
void TakeSelectionOptions(const SelectionControls& controls);

// One field to read with ReadEntryField, and where its value goes.
struct FieldToRead {
    EntryField* field;
    int kind;        // PressureEntry or FlowEntry
    double* target;  // a value of Shared
};

// Reads the fields in the order given, storing each value (0 for a refused
// one), and stops at the first that leaves Shared.EntryValid false: the user
// sees at most one entry message. True when every field was valid.
bool ReadSelectionFields(std::initializer_list<FieldToRead> fields);

// The exclamation beep and an error box with the message of the last
// failing check; the run ends with no rows.
SelectionResult FailedValidation(const std::string& message);

}  // namespace zorvik
