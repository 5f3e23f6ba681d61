#pragma once

#include "commands.h"

namespace zorvik::cli {

// The performance chart of one model, as the graph window draws it, into a
// PNG, SVG or PDF file.
extern const Command ChartCommand;

}  // namespace zorvik::cli
