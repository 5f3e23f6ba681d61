#pragma once
// Whether the selection window's inputs as they stand would make a list:
// every field of the layout a number the window takes and the duty's checks
// passed. Found by running the selection quietly on copies of the fields and
// a copy of the session, so nothing is shown, focused or changed.

#include "selection_controls.h"
#include "session.h"

namespace zorvik {

// True also when the run would stop only to ask about equalising the
// vessel's start pressure: that is a question, not a fault.
bool SelectionInputsValid(const Session& session, const SelectionControls& controls);

}  // namespace zorvik
