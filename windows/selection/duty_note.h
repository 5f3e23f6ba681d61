#pragma once
// The line under the selection list. The list answers the catalogue's
// question (what each model delivers flat out on the air available); the
// line answers the engineer's: which models meet the duty only throttled to
// the flow asked for, and, when nothing is listed, why the nearest model is
// not; which listed models' discharge can pass the temperature limit; and
// what the gas itself calls for (oxygen, hydrogen, carbon dioxide).

#include <QString>

#include "selection_result.h"

namespace zorvik {

// Empty when there is nothing to add to the list.
QString DutyNoteText(const SelectionResult& run);

}  // namespace zorvik
