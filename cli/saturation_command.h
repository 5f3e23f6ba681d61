#pragma once

#include "commands.h"

namespace zorvik::cli {

// The saturated-air window's saturation-line chart into a PNG, SVG or PDF
// file.
extern const Command SaturationCommand;

}  // namespace zorvik::cli
