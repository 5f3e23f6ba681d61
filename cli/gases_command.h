#pragma once

#include "commands.h"

namespace zorvik::cli {

// The gas library, and one gas's density and compressibility factor at a
// pressure and temperature.
extern const Command GasesCommand;

}  // namespace zorvik::cli
