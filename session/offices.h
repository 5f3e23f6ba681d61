#pragma once
// The offices of this run: the table in Shared.Offices and the chosen one.

#include "office_table.h"

namespace zorvik {

// Fills entries 0-9 with the built-in table, clears 10-11 and sets
// Shared.OfficeIndex to 1.
void InitOffices();

// The office that printouts name: Offices[OfficeIndex], or entry 0 when the
// index lies outside the table (a stored index can come from an older or
// edited file, and no report may read outside the table).
const TAddressData& ChosenOffice();

}  // namespace zorvik
