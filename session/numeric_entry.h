#pragma once
// The two routines through which every typed number passes. Both answer a
// non-negative number, or nothing for a bad entry after the exclamation
// beep and a warning in fixed words through the notices they are given.

#include <optional>
#include <string>

#include "notices.h"

namespace zorvik {

// Kinds of selection-window fields for ReadEntryField.
enum EntryKind : int {
    PressureEntry = 0,  // psig, or barg when the window shows metric units
    FlowEntry = 1,      // scfm, cubic feet; nl/min, litres in metric
};

// Consecutive empty entries ParseEntry has seen in one window.
struct EmptyEntryCount {
    int count = 0;
};

// The adjust dialog's routine, run on every keystroke. No unit conversion.
// Empty text beeps; consecutive empty results are counted in `empties` and,
// with messages on, the 4th, 5th and 6th show "Null is not valid value"
// (the 7th resets the count). Any non-empty text resets the count. The text
// may have the style's decimal separator for "."; a refused text is quoted
// as typed, with the ThousandsHint of the style.
std::optional<double> ParseEntry(std::string text, bool showMessages, EmptyEntryCount& empties, Notices& notices,
                                 const NumberStyle& style = {});

// The selection window's routine: reads a field, refuses hidden, empty,
// malformed and negative entries (beep, message, focus back to the field)
// and converts metric entries to psig, scfm or cubic feet when `metric`.
// The field's style is read as ParseEntry reads it.
std::optional<double> ReadEntryField(EntryField& field, int kind, bool metric, Notices& notices);

// What a temperature field gives: whether it was taken and, when it was,
// the temperature in degC, or none for an optional field left empty.
struct TemperatureReading {
    bool valid = false;
    std::optional<double> celsius;
};

// A temperature field: any number, below zero too, in degF or, when
// `metric`, in degC, answered in degC: degC = (degF - 32) x 5 / 9. An empty
// field is "none" when `optional` (a limit not set) and refused otherwise,
// with the messages of ReadEntryField.
TemperatureReading ReadTemperatureField(EntryField& field, bool metric, bool optional, Notices& notices);

}  // namespace zorvik
