#pragma once
// The two routines through which every typed number passes. Both answer a
// non-negative number and set Shared.EntryValid; a bad entry gives 0, the
// exclamation beep and a warning in fixed words.

#include <string>

#include "notices.h"

namespace zorvik {

// Kinds of selection-window fields for ReadEntryField.
enum EntryKind : int {
    PressureEntry = 0,  // psig, or barg when the window shows metric units
    FlowEntry = 1,      // scfm, cubic feet; nl/min, litres in metric
};

// The adjust dialog's routine, run on every keystroke. No unit conversion.
// Empty text beeps; consecutive empty results are counted in
// Shared.EntryErrorCount and, with messages on, the 4th, 5th and 6th show
// "Null is not valid value" (the 7th resets the count). Any non-empty text
// resets the count.
double ParseEntry(std::string text, bool showMessages);

// The selection window's routine: reads a field, refuses hidden, empty,
// malformed and negative entries (beep, message, focus back to the field)
// and converts metric entries to psig, scfm or cubic feet when
// Shared.MetricUnits is set.
double ReadEntryField(EntryField& field, int kind);

}  // namespace zorvik
