#pragma once
// The line under the selection list. The list answers the catalogue's
// question (what each model delivers flat out on the air available); the
// line answers the engineer's: which models meet the duty only throttled to
// the flow asked for, and, when nothing is listed, why the nearest model is
// not.

#include <QString>

#include "selection_result.h"

namespace zorvik {

// Empty when there is nothing to add to the list: a stopped run, a fill
// with rows, or a flow whose every model that meets the duty is listed.
QString DutyNoteText(const SelectionResult& run);

}  // namespace zorvik
