#pragma once
// Steps every selection run takes: take the option boxes, read the layout's
// fields in order, report a failed validation, and turn the search's
// listed models into rows.

#include <initializer_list>
#include <string>

#include "catalogue.h"
#include "selection_controls.h"
#include "selection_result.h"
#include "session.h"

namespace zorvik {

// A run of one application in one session: what it reads from and writes
// to, and what it hands back.
struct SelectionRun {
    Session& session;
    const SelectionControls& controls;
    SelectionResult result;

    // Starts the result for `applicationType` in the session's units and
    // takes the two option boxes into the session; every run does so before
    // it reads a field, whether or not it uses them.
    SelectionRun(Session& session, const SelectionControls& controls, std::uint8_t applicationType);

    Notices& notices() const { return *controls.notices; }

    // One field to read with ReadEntryField, and where its value goes.
    struct Field {
        EntryField* field;
        int kind;        // PressureEntry or FlowEntry
        double* target;  // a value of the session
    };

    // Reads the fields in the order given, storing each value (0 for a
    // refused one), and stops at the first refused: the user sees at most
    // one entry message. False, with the result stopped, when a field was
    // refused.
    bool ReadFields(std::initializer_list<Field> fields);

    // Takes the gas, its temperature and the discharge limit into the
    // session, after the layout's fields, from the fields or, without them,
    // the temperatures given; false, with the result stopped, when a
    // temperature was refused.
    bool ReadGas();

    // The exclamation beep and an error box with the message of the last
    // failing check; the run ends with no rows.
    SelectionResult Failed(const Text& message);

    // The row of a listed model, written in the run's application and units,
    // with the gas's discharge temperatures at `outletPsi` (the outlet or the
    // final pressure); the caller adds the search's figures to it.
    SelectionRow& AddRow(const TPumpRecord& pump, double cyclesPerMin, double air, double flowOrTime, double outletPsi);
};

}  // namespace zorvik
