#pragma once

#include "commands.h"

namespace zorvik::cli {

// The data sheet of one model, with its chart or drawing, as the graph
// window prints it, into a PDF file.
extern const Command SheetCommand;

}  // namespace zorvik::cli
