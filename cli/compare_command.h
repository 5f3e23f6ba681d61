#pragma once

#include "commands.h"

namespace zorvik::cli {

// Models side by side at the conditions of flow or fill, with running cost
// and why a model is not listed; optionally the window's page as PDF.
extern const Command CompareCommand;

}  // namespace zorvik::cli
