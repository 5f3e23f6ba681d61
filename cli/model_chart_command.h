#pragma once

#include "commands.h"

namespace zorvik::cli {

// The model selection chart's printed page into a PDF file.
extern const Command ModelChartCommand;

}  // namespace zorvik::cli
