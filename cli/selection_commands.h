#pragma once

#include "commands.h"

namespace zorvik::cli {

// Lists the models for a constant source feeding a continuous process.
extern const Command FlowCommand;

// Lists the models for a constant source charging a vessel.
extern const Command FillCommand;

}  // namespace zorvik::cli
