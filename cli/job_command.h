#pragma once

#include "commands.h"

namespace zorvik::cli {

// Job files: make one, add items, show, check after a program update and
// write the schedule.
extern const Command JobCommand;

}  // namespace zorvik::cli
